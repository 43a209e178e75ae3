// The word test driven as a learner drives it: typing and Enter in the answer box, the hint
// by mouse and by key, the miss list and the re-tests; what the labels show and the bytes
// of the score files.
#include "screens/kit/uikit.h"
#include "screens/tests/feedbackblink.h"
#include "screens/tests/wordtestscreen.h"
#include "support/testscreens.h"

#include <QApplication>
#include <QInputMethod>
#include <QDir>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {
QByteArray scoreBytes(const QStringList &records)
{
    QByteArray bytes;
    for (int i = 0; i < 60; ++i)
        bytes += records.value(i).toLatin1() + "\r\n";
    return bytes;
}

QString eng(int c, int n) { return QStringLiteral("e%1-%2").arg(c).arg(n); }
QString jpn(int c, int n) { return QStringLiteral("日%1-%2").arg(c).arg(n); }

// What an input method hands the box when the learner confirms a conversion.
void commitFromInputMethod(WordTestScreen *f, const QString &text)
{
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QApplication::sendEvent(f->answerBox, &commit);
}

void hint(WordTestScreen *f)
{
    QTest::mousePress(f->hintButton, Qt::LeftButton);
    QTest::mouseRelease(f->hintButton, Qt::LeftButton);
}
} // namespace

class TestWordTestScreen : public QObject {
    Q_OBJECT

    std::unique_ptr<TestApp> app;

    WordTestScreen *open(int chapter, int randomMode = 0) { return openWordTest(*app, chapter, randomMode); }

    // Chapter 1 (ten items): items 2 and 5 wrong, item 7 right after a hint, the rest right.
    WordTestScreen *failFirstPass()
    {
        WordTestScreen *f = open(1);
        for (int n = 1; n <= 10; ++n) {
            if (n == 2 || n == 5) {
                answer(f, QStringLiteral("wrong"));
                continue;
            }
            if (n == 7)
                hint(f);
            answer(f, eng(1, n));
        }
        return f;
    }

private slots:
    void initTestCase() { FeedbackBlink::setStandardDurationMs(0); }
    void init()
    {
        app = std::make_unique<TestApp>();
        app->nameChapters();
    }
    void cleanup() { app.reset(); }

    void opensOnTheFirstItem()
    {
        WordTestScreen *f = open(1);
        QCOMPARE(f->windowTitle(), QStringLiteral("英単語テスト"));
        QCOMPARE(f->testNameLabel->text(), QStringLiteral("英単語テスト"));
        QCOMPARE(f->chapterLabel->text(), QStringLiteral("No. 1\u3000第1章の名前"));
        QCOMPARE(f->promptLabel->text(), QStringLiteral("次の日本文を英語で答えなさい。"));
        QCOMPARE(f->questionLabel->text(), jpn(1, 1));
        QCOMPARE(itemCountShown(f), QStringLiteral("10"));
        QCOMPARE(passShown(f), QStringLiteral("1"));
        QCOMPARE(scoreShown(f), QStringLiteral("0"));
        QCOMPARE(rightAnswersShown(f), QStringLiteral("0"));
        QCOMPARE(f->orderLabel->text(), QStringLiteral("順番"));
        QCOMPARE(f->hintButton->text(), QStringLiteral("ヒント"));
        QVERIFY(f->hintButton->toolTip().contains(QStringLiteral("F2")));
        QCOMPARE(f->focusWidget(), f->answerBox);
        QVERIFY(!f->reviewHeadings[1]->isVisible() && !f->allMissesButton->isVisible() && !f->retestButton->isVisible());
        QVERIFY(!f->resultLabel->isVisible());
    }

    void judgesTheTypedAnswerExactly()
    {
        WordTestScreen *f = open(1);
        answer(f, QStringLiteral("  e1-1  "));
        QCOMPARE(rightAnswersShown(f), QStringLiteral("1"));
        QCOMPARE(scoreShown(f), QStringLiteral("10"));
        QCOMPARE(f->questionLabel->text(), jpn(1, 2));
        QCOMPARE(f->answerBox->text(), QString());
        QCOMPARE(f->feedbackStrip->colour(), QColor(0, 0, 255));
        QCOMPARE(f->rightBar->text(), QStringLiteral("\u3000"));

        answer(f, QStringLiteral("E1-2"));
        QCOMPARE(rightAnswersShown(f), QStringLiteral("1"));
        QCOMPARE(wrongAnswersShown(f), QStringLiteral("1"));
        QCOMPARE(f->feedbackStrip->colour(), QColor(255, 0, 0));
        QCOMPARE(f->reviewHeadings[1]->text(), QStringLiteral("（問  　 　 題）"));
        QCOMPARE(f->reviewHeadings[2]->text(), QStringLiteral("（正        答）"));
        QCOMPARE(f->reviewHeadings[3]->text(), QStringLiteral("（あなたの答）"));
        QCOMPARE(f->reviewContents[1]->text(), jpn(1, 2));
        QCOMPARE(f->reviewContents[2]->text(), eng(1, 2));
        QCOMPARE(f->reviewContents[3]->text(), QStringLiteral("E1-2"));
        QVERIFY(f->reviewContents[3]->isVisible());
        QCOMPARE(f->reviewContents[2]->textColour(), QColor(255, 255, 0));
        for (int i = 1; i <= 3; ++i)
            QVERIFY(f->reviewHeadings[i]->geometry().right() < f->reviewContents[i]->x());
        // The review stays while the next item is asked.
        QCOMPARE(f->questionLabel->text(), jpn(1, 3));

        answer(f, QStringLiteral("e1-3."));
        QCOMPARE(wrongAnswersShown(f), QStringLiteral("2"));
        QCOMPARE(f->reviewContents[3]->text(), QStringLiteral("e1-3."));
        QCOMPARE(f->wrongBar->text(), QStringLiteral("\u3000\u3000"));

        // Full-width blanks from an input method count as blanks too.
        commitFromInputMethod(f, QStringLiteral("\u3000"));
        QTest::keyClicks(f->answerBox, QStringLiteral(" e1-4"));
        commitFromInputMethod(f, QStringLiteral("\u3000"));
        QCOMPARE(f->answerBox->text(), QStringLiteral("\u3000 e1-4\u3000"));
        QTest::keyClick(f->answerBox, Qt::Key_Return);
        QCOMPARE(rightAnswersShown(f), QStringLiteral("2"));
        QCOMPARE(f->reviewContents[1]->text(), QString()); // a right answer clears the review
        QVERIFY(f->reviewHeadings[1]->isVisible());
        // A blank inside the answer is not trimmed.
        answer(f, QStringLiteral("e1 -5"));
        QCOMPARE(wrongAnswersShown(f), QStringLiteral("3"));
        QCOMPARE(f->reviewContents[3]->text(), QStringLiteral("e1 -5"));
        // Leading blanks are gone from what the review shows, trailing ones stay.
        answer(f, QStringLiteral("  x "));
        QCOMPARE(f->reviewContents[3]->text(), QStringLiteral("x "));
    }

    // Keys reach the box as the letters on the key caps: no input method is asked to take them.
    void answerBoxTakesNoInputMethod()
    {
        WordTestScreen *f = open(1);
        f->show();
        QApplication::setActiveWindow(f);
        QVERIFY(QTest::qWaitForWindowActive(f));
        QCOMPARE(QApplication::focusWidget(), f->answerBox);
        // The question the platform asks the focus before it lets an input method take the keys.
        QInputMethodQueryEvent query(Qt::ImEnabled);
        QApplication::sendEvent(QGuiApplication::focusObject(), &query);
        QCOMPARE(query.value(Qt::ImEnabled).toBool(), false);
        QCOMPARE(QGuiApplication::inputMethod()->queryFocusObject(Qt::ImEnabled, {}).toBool(), false);
        const Qt::InputMethodHints hints = f->answerBox->inputMethodHints();
        QVERIFY(hints.testFlags(Qt::ImhLatinOnly | Qt::ImhNoPredictiveText | Qt::ImhNoAutoUppercase));
        QTest::keyClicks(f->answerBox, QStringLiteral("e1-1"));
        QCOMPARE(f->answerBox->text(), QStringLiteral("e1-1"));
    }

    void reviewMarksWhereTheAnswersDiffer()
    {
        WordTestScreen *f = open(1);
        answer(f, QStringLiteral("E1-1"));
        QCOMPARE(f->reviewContents[3]->text(), QStringLiteral("E1-1")); // the text itself stays plain
        QVERIFY(f->reviewContents[2]->hasMarks() && f->reviewContents[3]->hasMarks());
        QVERIFY(f->ReviewNote->text().startsWith(QStringLiteral("【大文字・小文字】")));
        QVERIFY(!f->ReviewNote->isHidden());
        answer(f, eng(1, 2));
        QVERIFY(!f->reviewContents[2]->hasMarks() && !f->reviewContents[3]->hasMarks());
        QVERIFY(f->ReviewNote->isHidden());
    }

    // The note of the last mistake stays readable beside the result message: at the end of a
    // pass and during a re-test.
    void noteStaysClearOfTheResult()
    {
        WordTestScreen *f = open(1);
        for (int n = 1; n <= 10; ++n)
            answer(f, n >= 9 ? eng(1, n).toUpper() : eng(1, n));
        auto clear = [f] {
            return f->ReviewNote->isVisible() && f->resultLabel->isVisible() &&
                   !f->ReviewNote->geometry().intersects(f->resultLabel->geometry());
        };
        QVERIFY(clear());
        QTest::mouseClick(f->allMissesButton, Qt::LeftButton);
        QVERIFY(!f->ReviewNote->isVisible());
        QTest::mouseClick(f->retestButton, Qt::LeftButton);
        answer(f, eng(1, 9).toUpper());
        QVERIFY(clear());
    }

    void enterOnAnEmptyBoxChangesNothing()
    {
        WordTestScreen *f = open(1);
        QTest::keyClick(f->answerBox, Qt::Key_Return);
        answer(f, QStringLiteral("   "));
        QCOMPARE(f->answerBox->text(), QString());
        QCOMPARE(rightAnswersShown(f), QStringLiteral("0"));
        QCOMPARE(wrongAnswersShown(f), QStringLiteral("0"));
        QCOMPARE(f->questionLabel->text(), jpn(1, 1));
        QVERIFY(!f->reviewHeadings[1]->isVisible());
        answer(f, eng(1, 1));
        QCOMPARE(rightAnswersShown(f), QStringLiteral("1"));
    }

    void hintShowsTheAnswerWhileHeldAndCostsAPoint()
    {
        WordTestScreen *f = open(1);
        QTest::mousePress(f->hintButton, Qt::LeftButton);
        QCOMPARE(f->answerBox->text(), eng(1, 1));
        QCOMPARE(f->answerBox->palette().color(QPalette::Text), QColor(255, 255, 0));
        // Enter while the answer is shown does not judge it.
        QTest::keyClick(f->answerBox, Qt::Key_Return);
        QCOMPARE(rightAnswersShown(f), QStringLiteral("0"));
        QTest::mouseRelease(f->hintButton, Qt::LeftButton);
        QCOMPARE(f->answerBox->text(), QString());
        QCOMPARE(f->answerBox->palette().color(QPalette::Text), QColor(255, 255, 255));
        QCOMPARE(f->focusWidget(), f->answerBox);

        answer(f, eng(1, 1));
        QCOMPARE(rightAnswersShown(f), QStringLiteral("1"));
        QCOMPARE(scoreShown(f), QStringLiteral("9")); // 10 - 1

        // Two presses on one item cost two points.
        hint(f);
        hint(f);
        answer(f, eng(1, 2));
        QCOMPARE(rightAnswersShown(f), QStringLiteral("2"));
        QCOMPARE(scoreShown(f), QStringLiteral("17")); // 20 - 3
    }

    void hintWorksFromTheKeyboard()
    {
        WordTestScreen *f = open(1);
        QTest::keyPress(f->answerBox, WordTestScreen::kHintKey);
        QCOMPARE(f->answerBox->text(), eng(1, 1));
        QVERIFY(f->hintButton->isDown());
        // Held down, the key repeats: it still counts once.
        QTest::keyPress(f->answerBox, WordTestScreen::kHintKey, Qt::NoModifier);
        QKeyEvent repeat(QEvent::KeyPress, WordTestScreen::kHintKey, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(f->answerBox, &repeat);
        QTest::keyRelease(f->answerBox, WordTestScreen::kHintKey);
        QCOMPARE(f->answerBox->text(), QString());
        QVERIFY(!f->hintButton->isDown());
        answer(f, eng(1, 1));
        QCOMPARE(scoreShown(f), QStringLiteral("9"));
    }

    void hintOnAWrongAnswerDoesNotCarryOn()
    {
        app->course.writeChapter(4, TestCourse::numbered(4, 2));
        WordTestScreen *f = open(4);
        hint(f);
        answer(f, QStringLiteral("no"));
        answer(f, eng(4, 2));
        QCOMPARE(resultShown(f), QStringLiteral("HELP・ミス問題をテストします。"));
        QCOMPARE(scoreShown(f), QStringLiteral("49")); // 50 - 1
        QTest::mouseClick(f->allMissesButton, Qt::LeftButton);
        QCOMPARE(f->missList[1]->text(), QStringLiteral("日4-1　→　e4-1　【語】"));
        QCOMPARE(f->missList[2]->text(), QString()); // item 2 was right without the hint
    }

    void passedFirstPassStoresAndThenNothingActs()
    {
        WordTestScreen *f = open(2);
        for (int n = 1; n <= 3; ++n)
            answer(f, eng(2, n));
        QCOMPARE(resultShown(f), QStringLiteral("合格おめでとう。"));
        QVERIFY(f->resultLabel->isVisible());
        QVERIFY(!f->answerBox->isVisible() && !f->feedbackStrip->isVisible());
        QCOMPARE(f->questionLabel->text(), QString());
        QCOMPARE(scoreShown(f), QStringLiteral("100"));
        const QByteArray stored = scoreBytes({QString(), QStringLiteral("100")});
        QCOMPARE(app->course.bytes(QStringLiteral("tenj03.dat")), stored);
        QCOMPARE(app->course.bytes(QStringLiteral("tenr03.dat")), scoreBytes({}));

        // Neither Enter nor the hint acts any more.
        QTest::keyClicks(f->answerBox, eng(2, 1));
        QTest::keyClick(f->answerBox, Qt::Key_Return);
        QTest::keyPress(f, WordTestScreen::kHintKey);
        QTest::keyRelease(f, WordTestScreen::kHintKey);
        f->onHintButtonPressed();
        QCOMPARE(rightAnswersShown(f), QStringLiteral("3"));
        QCOMPARE(scoreShown(f), QStringLiteral("100"));
        QCOMPARE(resultShown(f), QStringLiteral("合格おめでとう。"));
        QCOMPARE(app->course.bytes(QStringLiteral("tenj03.dat")), stored);
        QVERIFY(!f->allMissesButton->isVisible());
        // Keys pressed on where the focus went do not leave the screen.
        QWidget *focus = f->focusWidget() ? f->focusWidget() : f;
        QVERIFY(focus != f->questionSelectButton && focus != f->chapterSelectButton);
        QTest::keyClick(focus, Qt::Key_Space);
        QTest::keyClick(focus, Qt::Key_Return);
        QCOMPARE(app->current(), f);
    }

    void retestAsksExactlyTheMissedAndHinted()
    {
        WordTestScreen *f = failFirstPass();
        QCOMPARE(resultShown(f), QStringLiteral("HELP・ミス問題をテストします。"));
        QVERIFY(f->allMissesButton->isVisible() && !f->answerBox->isVisible());
        QCOMPARE(scoreShown(f), QStringLiteral("79")); // 8 of 10, one hint
        const QByteArray stored = scoreBytes({QStringLiteral("79")});
        QCOMPARE(app->course.bytes(QStringLiteral("tenj03.dat")), stored);

        QTest::mouseClick(f->allMissesButton, Qt::LeftButton);
        QCOMPARE(f->missList[0]->text(), QStringLiteral("ミスやHELPを使った単語や英文をノートに１０回書いて覚えよう"));
        QCOMPARE(f->missList[1]->text(), QStringLiteral("日1-2　→　e1-2　【語】"));
        QCOMPARE(f->missList[2]->text(), QStringLiteral("日1-5　→　e1-5　【語】"));
        QCOMPARE(f->missList[3]->text(), QStringLiteral("日1-7　→　e1-7")); // right with the hint: no mistake to name
        QCOMPARE(f->missList[4]->text(), QString());
        QCOMPARE(f->missList[0]->geometry().topLeft(), QPoint(16, 110));
        QCOMPARE(f->missList[3]->geometry().topLeft(), QPoint(16, 180));
        QVERIFY(!f->allMissesButton->isVisible() && f->retestButton->isVisible());
        QVERIFY(!f->orderFrame->isVisible() && !f->resultLabel->isVisible() && !f->rightBar->isVisible());
        QCOMPARE(f->promptLabel->text(), jpn(1, 2));

        QTest::mouseClick(f->retestButton, Qt::LeftButton);
        QVERIFY(!f->missList[1]->isVisible() && !f->retestButton->isVisible());
        QVERIFY(f->answerBox->isVisible() && f->orderFrame->isVisible());
        QCOMPARE(itemCountShown(f), QStringLiteral("3"));
        QCOMPARE(passShown(f), QStringLiteral("2"));
        QCOMPARE(rightAnswersShown(f), QStringLiteral("0"));
        QCOMPARE(wrongAnswersShown(f), QStringLiteral("0"));
        QCOMPARE(scoreShown(f), QStringLiteral("0"));
        QCOMPARE(f->questionLabel->text(), jpn(1, 2));
        QCOMPARE(f->promptLabel->text(), QStringLiteral("次の日本文を英語で答えなさい。"));
        QCOMPARE(f->rightBar->text(), QStringLiteral("\u3000"));
        QCOMPARE(f->focusWidget(), f->answerBox);

        answer(f, eng(1, 2));
        QCOMPARE(f->questionLabel->text(), jpn(1, 5));
        answer(f, eng(1, 5));
        answer(f, eng(1, 7));
        QCOMPARE(resultShown(f), QStringLiteral("また、挑戦してください。"));
        QCOMPARE(scoreShown(f), QStringLiteral("100"));
        QVERIFY(!f->wrongBar->isVisible() && !f->answerBox->isVisible());
        // A re-test never touches the score file, not even with full marks.
        QCOMPARE(app->course.bytes(QStringLiteral("tenj03.dat")), stored);
        QTest::keyClick(f->answerBox, Qt::Key_Return);
        QCOMPARE(rightAnswersShown(f), QStringLiteral("3"));
    }

    void retestThatMissesAgainOffersTheListAgain()
    {
        WordTestScreen *f = failFirstPass();
        QTest::mouseClick(f->allMissesButton, Qt::LeftButton);
        QTest::mouseClick(f->retestButton, Qt::LeftButton);
        answer(f, eng(1, 2));
        hint(f);
        answer(f, eng(1, 5));
        answer(f, QStringLiteral("e1-07"));
        QCOMPARE(resultShown(f), QStringLiteral("HELP・ミス問題をテストします。"));
        QCOMPARE(scoreShown(f), QStringLiteral("65")); // Int(2 * 100 / 3 - 1)
        QVERIFY(f->allMissesButton->isVisible());
        QCOMPARE(app->course.bytes(QStringLiteral("tenj03.dat")), scoreBytes({QStringLiteral("79")}));

        QTest::mouseClick(f->allMissesButton, Qt::LeftButton);
        QCOMPARE(f->missList[1]->text(), QStringLiteral("日1-5　→　e1-5"));
        QCOMPARE(f->missList[2]->text(), QStringLiteral("日1-7　→　e1-7　【つづり】"));
        QCOMPARE(f->missList[3]->text(), QString());
        QTest::mouseClick(f->retestButton, Qt::LeftButton);
        QCOMPARE(itemCountShown(f), QStringLiteral("2"));
        QCOMPARE(passShown(f), QStringLiteral("3"));
        QCOMPARE(f->questionLabel->text(), jpn(1, 5));
        answer(f, eng(1, 5));
        answer(f, eng(1, 7));
        QCOMPARE(resultShown(f), QStringLiteral("また、挑戦してください。"));
        QCOMPARE(app->course.bytes(QStringLiteral("tenj03.dat")), scoreBytes({QStringLiteral("79")}));
    }

    void randomOrderStoresInItsOwnFile()
    {
        app->random.setValues({(2 - 0.25) / 3, (3 - 0.25) / 3, (1 - 0.25) / 3});
        WordTestScreen *f = open(2, 1);
        QCOMPARE(f->orderLabel->text(), QStringLiteral("ランダム"));
        QCOMPARE(f->questionLabel->text(), jpn(2, 2));
        answer(f, eng(2, 2));
        QCOMPARE(f->questionLabel->text(), jpn(2, 3));
        answer(f, eng(2, 3));
        answer(f, eng(2, 1));
        QCOMPARE(resultShown(f), QStringLiteral("合格おめでとう。"));
        QCOMPARE(app->course.bytes(QStringLiteral("tenr03.dat")), scoreBytes({QString(), QStringLiteral("100")}));
        QCOMPARE(app->course.bytes(QStringLiteral("tenj03.dat")), scoreBytes({}));

        f = open(2, 1);
        for (int n = 1; n <= 3; ++n)
            answer(f, eng(2, (n % 3) + 1));
        QCOMPARE(app->course.bytes(QStringLiteral("tenr03.dat")), scoreBytes({QString(), QStringLiteral("101")}));
    }

    void blinkHoldsBackEnterAndTheHint()
    {
        WordTestScreen *f = open(1);
        f->Blink->setDurationMs(400);
        answer(f, eng(1, 1));
        QVERIFY(f->Blink->isRunning());
        QCOMPARE(f->answerBox->text(), QString());
        // Typing goes on into the box; Enter and the hint wait for the blink to end.
        answer(f, eng(1, 2));
        hint(f);
        QCOMPARE(rightAnswersShown(f), QStringLiteral("0"));
        QCOMPARE(f->answerBox->text(), eng(1, 2));
        f->Blink->finishNow();
        QCOMPARE(rightAnswersShown(f), QStringLiteral("1"));
        QCOMPARE(scoreShown(f), QStringLiteral("10"));
        QCOMPARE(f->questionLabel->text(), jpn(1, 2));
        QCOMPARE(f->answerBox->text(), eng(1, 2));
        QTest::keyClick(f->answerBox, Qt::Key_Return);
        f->Blink->finishNow();
        QCOMPARE(rightAnswersShown(f), QStringLiteral("2"));
        QCOMPARE(scoreShown(f), QStringLiteral("20"));
    }

    // The window closed (its close button, or the end of the session) during the blink after
    // the last answer: the pass is stored before the program ends.
    void closingTheWindowDuringTheLastBlinkStoresThePass()
    {
        WordTestScreen *f = open(2);
        answer(f, eng(2, 1));
        answer(f, eng(2, 2));
        f->Blink->setDurationMs(400);
        answer(f, eng(2, 3));
        QVERIFY(f->Blink->isRunning());
        QVERIFY(f->close());
        QCOMPARE(app->course.bytes(QStringLiteral("tenj03.dat")), scoreBytes({QString(), QStringLiteral("100")}));
    }

    void longMissListHasPages()
    {
        app->course.writeChapter(8, TestCourse::numbered(8, 23));
        WordTestScreen *f = open(8);
        for (int n = 1; n <= 23; ++n)
            answer(f, QStringLiteral("?"));
        QCOMPARE(wrongAnswersShown(f), QStringLiteral("23"));
        QTest::mouseClick(f->allMissesButton, Qt::LeftButton);
        QCOMPARE(f->missList[20]->text(), QStringLiteral("日8-20　→　e8-20"));
        QVERIFY(f->MissNext->isVisible());
        QTest::mouseClick(f->MissNext, Qt::LeftButton);
        QCOMPARE(f->missList[3]->text(), QStringLiteral("日8-23　→　e8-23"));
        QCOMPARE(f->missList[4]->text(), QString());
        QTest::mouseClick(f->retestButton, Qt::LeftButton);
        QVERIFY(!f->MissNext->isVisible() && !f->missList[1]->isVisible());
        QCOMPARE(itemCountShown(f), QStringLiteral("23"));
        QCOMPARE(f->questionLabel->text(), jpn(8, 1));
    }

    void chapterWithoutItemsOrFileSaysSo()
    {
        app->course.writeChapter(5, {});
        WordTestScreen *f = open(5);
        QVERIFY(!f->Ready);
        QVERIFY(resultShown(f).contains(QStringLiteral("問題がひとつもありません")));
        QVERIFY(!f->answerBox->isVisible() && !f->hintButton->isVisible());
        QTest::keyClick(f->answerBox, Qt::Key_Return);
        f->onHintButtonPressed();
        QCOMPARE(app->course.bytes(QStringLiteral("tenj03.dat")), scoreBytes({}));

        f = open(11);
        QVERIFY(resultShown(f).contains(QStringLiteral("E1/T/LEVEL.11")));
        QTest::mouseClick(f->chapterSelectButton, Qt::LeftButton);
        QCOMPARE(app->current()->id(), ScreenId::ChapterSelect);
    }

    void unsavedScoreIsReported()
    {
        QFile::remove(QDir(app->course.root()).filePath(QStringLiteral("tenr03.dat")));
        QDir(app->course.root()).mkdir(QStringLiteral("tenr03.dat"));
        WordTestScreen *f = open(3, 1);
        answer(f, QStringLiteral("nope"));
        QCOMPARE(resultShown(f), QStringLiteral("HELP・ミス問題をテストします。"));
        // A score of 0 over an empty record would not be written; the file could not even be read.
        QCOMPARE(app->dialogs.count(QStringLiteral("inform")), 1);
        QVERIFY(app->dialogs.calls.last().text.contains(QStringLiteral("tenr03.dat")));
    }

    void returnButtonsResetTheOrder()
    {
        WordTestScreen *f = open(1, 1);
        answer(f, QStringLiteral("x"));
        QTest::mouseClick(f->questionSelectButton, Qt::LeftButton);
        QCOMPARE(app->current()->id(), ScreenId::QuestionSelect);
        QCOMPARE(app->ctx.state.RandomMode, 0);
        QCOMPARE(app->visibleScreens(), 1);
        QCOMPARE(app->course.bytes(QStringLiteral("tenr03.dat")), scoreBytes({}));
    }
};

QTEST_MAIN(TestWordTestScreen)
#include "tst_wordtestscreen.moc"
