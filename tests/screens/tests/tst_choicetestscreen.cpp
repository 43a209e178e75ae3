// The five-answer test driven as a learner drives it: keypad digits, Space, arrows, Enter,
// clicks and double clicks; what the labels show and the bytes of the score files.
#include "screens/kit/uikit.h"
#include "screens/tests/choicetestscreen.h"
#include "screens/tests/feedbackblink.h"
#include "support/testscreens.h"

#include <QDir>
#include <QTest>

namespace {
QByteArray scoreBytes(const QStringList &records)
{
    QByteArray bytes;
    for (int i = 0; i < 60; ++i)
        bytes += records.value(i).toLatin1() + "\r\n";
    return bytes;
}

int greenAnswer(const ChoiceTestScreen *f)
{
    int found = 0;
    for (int i = 1; i <= 5; ++i) {
        if (f->answerLabels[i]->textColour() == QColor(0, 255, 0)) {
            if (found)
                return -1; // two highlighted
            found = i;
        }
    }
    return found;
}

// The answer line of item n of chapter c for kind 1.
QString jpn(int c, int n) { return QStringLiteral("日%1-%2").arg(c).arg(n); }
} // namespace

class TestChoiceTestScreen : public QObject {
    Q_OBJECT

    std::unique_ptr<TestApp> app;

    ChoiceTestScreen *open(int kind, int chapter, int randomMode = 0)
    {
        return openChoiceTest(*app, kind, chapter, randomMode);
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
        ChoiceTestScreen *f = open(1, 1);
        QCOMPARE(f->windowTitle(), QStringLiteral("選択問題"));
        QCOMPARE(f->testNameLabel->text(), QStringLiteral("５問選択問題テスト（英語→日本語）"));
        QCOMPARE(f->chapterLabel->text(), QStringLiteral("No. 1\u3000第1章の名前"));
        QCOMPARE(f->promptLabel->text(), QStringLiteral("次の英語に適するよう日本語を選びなさい。"));
        QCOMPARE(f->questionLabel->text(), QStringLiteral("e1-1"));
        QCOMPARE(itemCountShown(f), QStringLiteral("10"));
        QCOMPARE(f->orderLabel->text(), QStringLiteral("順番"));
        QCOMPARE(passShown(f), QStringLiteral("1"));
        QCOMPARE(scoreShown(f), QStringLiteral("0"));
        QCOMPARE(answers(f), (QStringList{jpn(1, 2), jpn(1, 1), jpn(1, 3), jpn(1, 4), jpn(1, 5)}));
        QCOMPARE(greenAnswer(f), 1);
        QVERIFY(!f->missesButton->isVisible() && !f->resultLabel->isVisible());
        QCOMPARE(f->rightBar->text(), QStringLiteral("\u3000"));

        ChoiceTestScreen *japanese = open(2, 2);
        QCOMPARE(japanese->promptLabel->text(), QStringLiteral("次の日本文に適するよう英語を選びなさい。"));
        QCOMPARE(japanese->questionLabel->text(), QStringLiteral("日2-1"));
        QCOMPARE(answers(japanese), (QStringList{"e2-2", "e2-1", "e2-3", "", ""}));
    }

    void offersTheAnswersOfTheFirstOtherItems()
    {
        ChoiceTestScreen *f = open(1, 1);
        QVERIFY(answerWith(f, jpn(1, 1)));
        QCOMPARE(f->questionLabel->text(), QStringLiteral("e1-2"));
        QCOMPARE(answers(f), (QStringList{jpn(1, 1), jpn(1, 2), jpn(1, 3), jpn(1, 4), jpn(1, 5)}));
        QCOMPARE(greenAnswer(f), 1);
        for (int n = 2; n <= 6; ++n)
            QVERIFY(answerWith(f, jpn(1, n)));
        QCOMPARE(f->questionLabel->text(), QStringLiteral("e1-7"));
        QCOMPARE(answers(f), (QStringList{jpn(1, 1), jpn(1, 7), jpn(1, 2), jpn(1, 3), jpn(1, 4)}));
        QCOMPARE(rightAnswersShown(f), QStringLiteral("6"));
        QCOMPARE(scoreShown(f), QStringLiteral("60"));
        QCOMPARE(f->rightBar->text(), QString(6, QChar(0x3000)));
        QCOMPARE(f->rightBar->background(), QColor(0, 0, 255));
    }

    void shufflesTheFilledAnswersOnly()
    {
        app->course.writeChapter(4, TestCourse::numbered(4, 2));
        // First item: the two answers swap (perm 2, 1).
        app->random.setValues({0.9, 0.2});
        ChoiceTestScreen *f = open(1, 4);
        QCOMPARE(answers(f), (QStringList{jpn(4, 1), jpn(4, 2), "", "", ""}));
        QVERIFY(app->random.seeds >= 1);

        // One item: the first answer is empty and judged wrong.
        ChoiceTestScreen *one = open(1, 3);
        QCOMPARE(answers(one), (QStringList{"", jpn(3, 1), "", "", ""}));
        enter(one);
        QCOMPARE(wrongAnswersShown(one), QStringLiteral("1"));
        QVERIFY(one->reviewHeadings[1]->isVisible());
        QCOMPARE(one->reviewContents[4]->text(), QString());
        QCOMPARE(resultShown(one), QStringLiteral("不合格です。間違った問題を確認してください。"));
    }

    void keyMapEdges()
    {
        ChoiceTestScreen *f = open(1, 1);
        QTest::keyClick(f, Qt::Key_Up);
        QCOMPARE(greenAnswer(f), 1);
        QTest::keyClick(f, Qt::Key_Down);
        QCOMPARE(greenAnswer(f), 2);
        pad(f, 5);
        QCOMPARE(greenAnswer(f), 5);
        QTest::keyClick(f, Qt::Key_Down);
        QCOMPARE(greenAnswer(f), 5);
        space(f);
        QCOMPARE(greenAnswer(f), 1);
        space(f);
        QCOMPARE(greenAnswer(f), 2);
        pad(f, 4);
        QTest::keyClick(f, Qt::Key_Up);
        QCOMPARE(greenAnswer(f), 3);
        // The digits of the main keyboard and other keys do nothing.
        QTest::keyClick(f, Qt::Key_1);
        QTest::keyClick(f, Qt::Key_5);
        QTest::keyClick(f, Qt::Key_A);
        QTest::keyClick(f, Qt::Key_Right);
        QCOMPARE(greenAnswer(f), 3);
        pad(f, 6);
        QCOMPARE(greenAnswer(f), 3);
        // Keys work wherever the focus is, also on a return button.
        f->questionSelectButton->setFocus();
        QTest::keyClick(f->questionSelectButton, Qt::Key_Space);
        QCOMPARE(greenAnswer(f), 4);
        QCOMPARE(app->current(), f);
        // A click highlights too.
        QTest::mouseClick(f->answerLabels[2], Qt::LeftButton);
        QCOMPARE(greenAnswer(f), 2);
        // Enter on the keypad judges like Enter.
        QTest::keyClick(f, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(rightAnswersShown(f), QStringLiteral("1"));
    }

    void reviewOfAWrongAnswer()
    {
        ChoiceTestScreen *f = open(1, 1);
        pad(f, 3);
        enter(f);
        QCOMPARE(wrongAnswersShown(f), QStringLiteral("1"));
        QCOMPARE(f->wrongBar->text(), QStringLiteral("\u3000"));
        QCOMPARE(f->wrongBar->background(), QColor(255, 0, 0));
        QCOMPARE(f->feedbackStrip->colour(), QColor(255, 0, 0));
        for (int i = 1; i <= 5; ++i)
            QVERIFY(!f->answerLabels[i]->isVisible());
        QCOMPARE(f->reviewHeadings[1]->text(), QStringLiteral("なぜ間違えたか確認をしよう。　(確認できたらここをクリックしてください）"));
        QCOMPARE(f->reviewHeadings[2]->text(), QStringLiteral("（問　　　　題）"));
        QCOMPARE(f->reviewContents[2]->text(), QStringLiteral("e1-1"));
        QCOMPARE(f->reviewContents[3]->text(), jpn(1, 1));
        QCOMPARE(f->reviewContents[4]->text(), jpn(1, 3));
        QCOMPARE(f->reviewContents[4]->textColour(), QColor(255, 0, 0));
        QCOMPARE(f->reviewHeadings[3]->geometry().topLeft(), QPoint(20, 210));
        QCOMPARE(f->reviewContents[3]->y(), 210);
        QCOMPARE(f->reviewHeadings[4]->geometry().topLeft(), QPoint(20, 240));
        // The contents start at 138 at the least, and never over a heading.
        QVERIFY(f->reviewContents[3]->x() >= 138);
        for (int i = 2; i <= 4; ++i)
            QVERIFY(f->reviewHeadings[i]->geometry().right() < f->reviewContents[i]->x());

        // Enter, arrows and digits do not judge while the review is shown.
        enter(f);
        pad(f, 2);
        enter(f);
        QCOMPARE(wrongAnswersShown(f), QStringLiteral("1"));
        QCOMPARE(rightAnswersShown(f), QStringLiteral("0"));
        QVERIFY(f->reviewHeadings[1]->isVisible());

        space(f);
        QVERIFY(!f->reviewHeadings[1]->isVisible() && !f->reviewContents[4]->isVisible());
        QCOMPARE(f->questionLabel->text(), QStringLiteral("e1-2"));
        QCOMPARE(greenAnswer(f), 1);
        QVERIFY(f->answerLabels[1]->isVisible());

        // A click on the review leaves it too.
        QVERIFY(answerWrong(f, jpn(1, 2)));
        QTest::mouseClick(f->reviewContents[3], Qt::LeftButton);
        QCOMPARE(f->questionLabel->text(), QStringLiteral("e1-3"));
        QVERIFY(!f->missList[0]->isVisible());
    }

    void doubleClickJudgesOnce()
    {
        ChoiceTestScreen *f = open(1, 1);
        // A whole double click on the right answer: press, release, double click, release.
        ClickLabel *right = f->answerLabels[2];
        QTest::mousePress(right, Qt::LeftButton);
        QTest::mouseRelease(right, Qt::LeftButton);
        QTest::mouseDClick(right, Qt::LeftButton);
        QTest::mouseRelease(right, Qt::LeftButton);
        QCOMPARE(rightAnswersShown(f), QStringLiteral("1"));
        QCOMPARE(f->questionLabel->text(), QStringLiteral("e1-2"));
        QCOMPARE(greenAnswer(f), 1); // the closing release does not pick an answer of the new item
        // A double click on a wrong answer.
        QTest::mouseDClick(f->answerLabels[4], Qt::LeftButton);
        QCOMPARE(wrongAnswersShown(f), QStringLiteral("1"));
        QCOMPARE(f->reviewContents[4]->text(), jpn(1, 4));
    }

    void passedInOrderStoresAndThenIgnoresInput()
    {
        ChoiceTestScreen *f = open(1, 2);
        for (int n = 1; n <= 3; ++n)
            QVERIFY(answerWith(f, jpn(2, n)));
        QCOMPARE(resultShown(f), QStringLiteral("合格おめでとうございます。"));
        QVERIFY(f->resultLabel->isVisible());
        QVERIFY(!f->promptLabel->isVisible() && !f->questionLabel->isVisible() && !f->feedbackStrip->isVisible());
        QVERIFY(!f->missesButton->isVisible());
        QCOMPARE(scoreShown(f), QStringLiteral("100"));
        QCOMPARE(rightAnswersShown(f), QStringLiteral("3"));
        const QByteArray stored = scoreBytes({QString(), QStringLiteral("100")});
        QCOMPARE(app->course.bytes(QStringLiteral("tenj01.dat")), stored);
        QCOMPARE(app->course.bytes(QStringLiteral("tenr01.dat")), scoreBytes({}));

        // Nothing judges after the end of the pass.
        pad(f, 1);
        enter(f);
        QTest::mouseDClick(f->answerLabels[2], Qt::LeftButton);
        QCOMPARE(rightAnswersShown(f), QStringLiteral("3"));
        QCOMPARE(wrongAnswersShown(f), QStringLiteral("0"));
        QCOMPARE(app->course.bytes(QStringLiteral("tenj01.dat")), stored);
        QCOMPARE(app->dialogs.count(QStringLiteral("inform")), 0);
        // One Space too many, where the keyboard focus is, does not leave the screen.
        QWidget *focus = f->focusWidget() ? f->focusWidget() : f;
        QTest::keyClick(focus, Qt::Key_Space);
        QCOMPARE(app->current(), f);
    }

    void leavingWhileItBlinksJudgesTheLastAnswerFirst()
    {
        ChoiceTestScreen *f = open(1, 3);
        f->Blink->setDurationMs(400);
        pad(f, 2);
        enter(f);
        QVERIFY(f->Blink->isRunning());
        QTest::mouseClick(f->questionSelectButton, Qt::LeftButton);
        QCOMPARE(app->current()->id(), ScreenId::QuestionSelect);
        QCOMPARE(app->course.bytes(QStringLiteral("tenj01.dat")), scoreBytes({QString(), QString(), QStringLiteral("100")}));
    }

    void storesEachOrderInItsOwnFile()
    {
        app->random.setValues({0.0}); // every draw rejected: the random order is the file order
        ChoiceTestScreen *f = open(2, 1, 1);
        QCOMPARE(f->orderLabel->text(), QStringLiteral("ランダム"));
        for (int n = 1; n <= 10; ++n)
            QVERIFY(answerWith(f, QStringLiteral("e1-%1").arg(n)));
        QCOMPARE(app->course.bytes(QStringLiteral("tenr02.dat")), scoreBytes({QStringLiteral("100")}));
        QCOMPARE(app->course.bytes(QStringLiteral("tenj02.dat")), scoreBytes({}));

        // A second perfect pass counts one more.
        f = open(2, 1, 1);
        for (int n = 1; n <= 10; ++n)
            QVERIFY(answerWith(f, QStringLiteral("e1-%1").arg(n)));
        QCOMPARE(app->course.bytes(QStringLiteral("tenr02.dat")), scoreBytes({QStringLiteral("101")}));

        // In order, two wrong of ten: 80, then a lower 70 leaves it.
        for (int expected : {80, 70}) {
            f = open(2, 1, 0);
            const int wrong = expected == 80 ? 2 : 3;
            for (int n = 1; n <= 10; ++n) {
                const QString right = QStringLiteral("e1-%1").arg(n);
                if (n <= wrong) {
                    QVERIFY(answerWrong(f, right));
                    space(f);
                } else {
                    QVERIFY(answerWith(f, right));
                }
            }
            QCOMPARE(scoreShown(f), QString::number(expected));
            QCOMPARE(app->course.bytes(QStringLiteral("tenj02.dat")), scoreBytes({QStringLiteral("80")}));
        }
    }

    void randomOrderAsksEveryItemOnce()
    {
        // The draws give 3, 1, 2: first for the order of the items, then (after a rejected 0.0,
        // the values come round again) for the answers of the first item.
        app->random.setValues({(3 - 0.25) / 3, (1 - 0.25) / 3, (2 - 0.25) / 3, 0.0});
        ChoiceTestScreen *f = open(1, 2, 1);
        QCOMPARE(f->questionLabel->text(), QStringLiteral("e2-3"));
        QCOMPARE(app->random.seeds, 2); // once for the order, once for the first item's answers
        // Work list 日2-1 (other), 日2-3 (right), 日2-2 (other); entry i takes entry perm(i).
        QCOMPARE(answers(f), (QStringList{jpn(2, 2), jpn(2, 1), jpn(2, 3), "", ""}));
        app->random.setValues({0.0}); // from here on the answers keep their order
        QVERIFY(answerWith(f, jpn(2, 3)));
        QCOMPARE(f->questionLabel->text(), QStringLiteral("e2-1"));
        QVERIFY(answerWith(f, jpn(2, 1)));
        QCOMPARE(f->questionLabel->text(), QStringLiteral("e2-2"));
        QVERIFY(answerWith(f, jpn(2, 2)));
        QCOMPARE(app->course.bytes(QStringLiteral("tenr01.dat")), scoreBytes({QString(), QStringLiteral("100")}));
    }

    void wrongLastAnswerKeepsTheReviewUntilLeft()
    {
        ChoiceTestScreen *f = open(1, 2);
        QVERIFY(answerWith(f, jpn(2, 1)));
        QVERIFY(answerWith(f, jpn(2, 2)));
        QVERIFY(answerWrong(f, jpn(2, 3)));
        QCOMPARE(resultShown(f), QStringLiteral("不合格です。間違った問題を確認してください。"));
        QVERIFY(f->resultLabel->isVisible() && f->missesButton->isVisible());
        QVERIFY(f->reviewHeadings[1]->isVisible());
        QVERIFY(!f->questionLabel->isVisible());
        QCOMPARE(scoreShown(f), QStringLiteral("66"));
        QCOMPARE(app->course.bytes(QStringLiteral("tenj01.dat")), scoreBytes({QString(), QStringLiteral("66")}));

        // Space only hides the review; no item comes back.
        space(f);
        QVERIFY(!f->reviewHeadings[1]->isVisible());
        QVERIFY(!f->questionLabel->isVisible() && !f->answerLabels[1]->isVisible());
        QVERIFY(!f->missList[0]->isVisible());
        enter(f);
        QCOMPARE(wrongAnswersShown(f), QStringLiteral("1"));

        QTest::mouseClick(f->missesButton, Qt::LeftButton);
        QCOMPARE(f->missList[0]->text(), QStringLiteral("ミスやHELPを使った単語や英文をノートに１０回書いて覚えよう"));
        QVERIFY(f->missList[0]->isVisible());
        QCOMPARE(f->missList[1]->text(), QStringLiteral("1. e2-3 → 日2-3"));
        QCOMPARE(f->missList[2]->text(), QString());
        QCOMPARE(f->missList[1]->geometry().topLeft(), QPoint(16, 140));
        QVERIFY(!f->resultLabel->isVisible() && !f->feedbackStrip->isVisible() && !f->rightBar->isVisible());
        QVERIFY(!f->orderFrame->isVisible() && !f->rightMark->isVisible());
        QVERIFY(!f->MissNext->isVisible());
        // Pressing it again only hides again.
        QTest::mouseClick(f->missesButton, Qt::LeftButton);
        QCOMPARE(f->missList[1]->text(), QStringLiteral("1. e2-3 → 日2-3"));
    }

    void clickOnTheLastReviewOpensTheMissList()
    {
        ChoiceTestScreen *f = open(2, 1);
        for (int n = 1; n <= 10; ++n) {
            const QString right = QStringLiteral("e1-%1").arg(n);
            if (n == 4 || n == 9 || n == 10)
                QVERIFY(answerWrong(f, right));
            else
                QVERIFY(answerWith(f, right));
            if (n == 4 || n == 9)
                space(f);
        }
        QVERIFY(f->reviewHeadings[1]->isVisible());
        QTest::mouseClick(f->reviewHeadings[1], Qt::LeftButton);
        QVERIFY(!f->reviewHeadings[1]->isVisible());
        QCOMPARE(f->missList[1]->text(), QStringLiteral("1. 日1-4 → e1-4"));
        QCOMPARE(f->missList[2]->text(), QStringLiteral("2. 日1-9 → e1-9"));
        QCOMPARE(f->missList[3]->text(), QStringLiteral("3. 日1-10 → e1-10"));
        QCOMPARE(f->missList[4]->text(), QString());
        QCOMPARE(app->course.bytes(QStringLiteral("tenj02.dat")), scoreBytes({QStringLiteral("70")}));
    }

    void longMissListHasPages()
    {
        app->course.writeChapter(7, TestCourse::numbered(7, 25));
        ChoiceTestScreen *f = open(1, 7);
        for (int n = 1; n <= 25; ++n) {
            QVERIFY(answerWrong(f, jpn(7, n)));
            if (n < 25)
                space(f);
        }
        QCOMPARE(scoreShown(f), QStringLiteral("0"));
        QTest::mouseClick(f->missesButton, Qt::LeftButton);
        QCOMPARE(f->missList[1]->text(), QStringLiteral("1. e7-1 → 日7-1"));
        QCOMPARE(f->missList[20]->text(), QStringLiteral("20. e7-20 → 日7-20"));
        QVERIFY(f->MissNext->isVisible() && f->MissNext->isEnabled() && !f->MissPrev->isEnabled());
        QCOMPARE(f->MissPage->text(), QStringLiteral("1 / 2"));
        QTest::mouseClick(f->MissNext, Qt::LeftButton);
        QCOMPARE(f->missList[1]->text(), QStringLiteral("21. e7-21 → 日7-21"));
        QCOMPARE(f->missList[5]->text(), QStringLiteral("25. e7-25 → 日7-25"));
        QCOMPARE(f->missList[6]->text(), QString());
        QVERIFY(!f->MissNext->isEnabled());
        QTest::mouseClick(f->MissPrev, Qt::LeftButton);
        QCOMPARE(f->missList[20]->text(), QStringLiteral("20. e7-20 → 日7-20"));
        // 0 over an empty record is not written.
        QCOMPARE(app->course.bytes(QStringLiteral("tenj01.dat")), scoreBytes({}));
    }

    void blinkHoldsBackJudging()
    {
        ChoiceTestScreen *f = open(1, 1);
        f->Blink->setDurationMs(400);
        pad(f, 2);
        enter(f);
        QVERIFY(f->Blink->isRunning());
        QCOMPARE(f->feedbackStrip->colour(), QColor(0, 0, 255));
        // Input while it blinks is not judged again and moves nothing.
        enter(f);
        pad(f, 4);
        QTest::mouseDClick(f->answerLabels[2], Qt::LeftButton);
        QCOMPARE(rightAnswersShown(f), QStringLiteral("0"));
        f->Blink->finishNow();
        QCOMPARE(rightAnswersShown(f), QStringLiteral("1"));
        QCOMPARE(wrongAnswersShown(f), QStringLiteral("0"));
        QCOMPARE(f->questionLabel->text(), QStringLiteral("e1-2"));
        QCOMPARE(f->feedbackStrip->colour(), QColor(0, 0, 255));
        QCOMPARE(greenAnswer(f), 1);
    }

    void chapterWithoutItemsSaysSo()
    {
        app->course.writeChapter(5, {});
        ChoiceTestScreen *f = open(1, 5);
        QVERIFY(!f->Ready);
        QVERIFY(f->resultLabel->isVisible());
        QVERIFY(resultShown(f).contains(QStringLiteral("問題がひとつもありません")));
        QVERIFY(resultShown(f).contains(QStringLiteral("E1/T/LEVEL.5")));
        QVERIFY(!f->answerLabels[1]->isVisible() && !f->orderFrame->isVisible());
        enter(f);
        QTest::mouseDClick(f->answerLabels[1], Qt::LeftButton);
        QCOMPARE(app->course.bytes(QStringLiteral("tenj01.dat")), scoreBytes({}));
        QTest::mouseClick(f->questionSelectButton, Qt::LeftButton);
        QCOMPARE(app->current()->id(), ScreenId::QuestionSelect);
    }

    void missingChapterFileSaysSo()
    {
        ChoiceTestScreen *f = open(1, 9);
        QVERIFY(!f->Ready);
        QVERIFY(resultShown(f).contains(QStringLiteral("E1/T/LEVEL.9")));
        QVERIFY(resultShown(f).contains(QStringLiteral("見つかりません")));
        QVERIFY(f->questionSelectButton->isVisible() && f->chapterSelectButton->isVisible());
    }

    void unsavedScoreIsReported()
    {
        QFile::remove(QDir(app->course.root()).filePath(QStringLiteral("tenj01.dat")));
        QDir(app->course.root()).mkdir(QStringLiteral("tenj01.dat"));
        ChoiceTestScreen *f = open(1, 3);
        QVERIFY(answerWith(f, jpn(3, 1)));
        QCOMPARE(resultShown(f), QStringLiteral("合格おめでとうございます。"));
        QCOMPARE(app->dialogs.count(QStringLiteral("inform")), 1);
        QVERIFY(app->dialogs.calls.last().text.contains(QStringLiteral("成績を保存できませんでした")));
        QVERIFY(app->dialogs.calls.last().text.contains(QStringLiteral("tenj01.dat")));
    }

    void returnButtonsResetTheOrder()
    {
        ChoiceTestScreen *f = open(1, 1, 1);
        QTest::mouseClick(f->chapterSelectButton, Qt::LeftButton);
        QCOMPARE(app->current()->id(), ScreenId::ChapterSelect);
        QCOMPARE(app->ctx.state.RandomMode, 0);
        QCOMPARE(app->visibleScreens(), 1);

        f = open(2, 1, 1);
        QTest::mouseClick(f->questionSelectButton, Qt::LeftButton);
        QCOMPARE(app->current()->id(), ScreenId::QuestionSelect);
        QCOMPARE(app->ctx.state.RandomMode, 0);
        // Leaving a pass half done stores nothing.
        QCOMPARE(app->course.bytes(QStringLiteral("tenr02.dat")), scoreBytes({}));
    }
};

QTEST_MAIN(TestChoiceTestScreen)
#include "tst_choicetestscreen.moc"
