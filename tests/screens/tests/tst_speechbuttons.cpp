// The "音声" buttons of the two tests, the Enter of the five-answer test and the Ctrl of the
// word test: what the voice is given in each state, that it never says the answer asked, and
// that speaking changes nothing else.
#include "screens/kit/uikit.h"
#include "screens/tests/feedbackblink.h"
#include "support/testscreens.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {
QString eng(int c, int n) { return QStringLiteral("e%1-%2").arg(c).arg(n); }
QString jpn(int c, int n) { return QStringLiteral("日%1-%2").arg(c).arg(n); }

void ctrl(QWidget *w) { QTest::keyClick(w, Qt::Key_Control); }

// Everything a learner reads on the screen, and what the answer box holds.
QStringList screenTexts(const QWidget *screen)
{
    QStringList texts;
    for (const QLabel *label : screen->findChildren<QLabel *>())
        texts << (label->isVisible() ? QStringLiteral("shown ") : QStringLiteral("hidden ")) + label->text();
    for (const QLineEdit *box : screen->findChildren<QLineEdit *>())
        texts << box->text();
    return texts;
}
} // namespace

class TestSpeechButtons : public QObject {
    Q_OBJECT

    std::unique_ptr<TestApp> app;

    QStringList &spoken() { return app->speech.spoken; }
    // Clicks the button; returns what that click had spoken (empty for nothing).
    QStringList click(TestScreen *f)
    {
        const qsizetype before = spoken().size();
        QTest::mouseClick(f->speechButton, Qt::LeftButton);
        return spoken().mid(before);
    }
    QByteArray allScoreFiles() const
    {
        QByteArray bytes;
        for (const char *prefix : {"tenj", "tenr"}) {
            for (int kind = 1; kind <= 3; ++kind)
                bytes += app->course.bytes(QStringLiteral("%1%2.dat").arg(QLatin1String(prefix)).arg(kind, 2, 10, QLatin1Char('0')));
        }
        return bytes;
    }

private slots:
    void initTestCase() { FeedbackBlink::setStandardDurationMs(0); }
    void init() { app = std::make_unique<TestApp>(); }
    void cleanup() { app.reset(); }

    void buttonStandsInItsRoomAndNeverTakesTheKeys()
    {
        const QList<TestScreen *> screens{openChoiceTest(*app, 1, 1), openWordTest(*app, 1)};
        for (TestScreen *f : screens) {
            QCOMPARE(f->speechButton->text(), QStringLiteral("音声"));
            QCOMPARE(f->speechButton->geometry(), TestScreen::speechButtonRoom());
            QCOMPARE(f->speechButton->focusPolicy(), Qt::NoFocus);
            QVERIFY(f->speechButton->isVisible());
            QVERIFY(f->speechButton->toolTip().contains(QStringLiteral("読み上げます")));
        }
        QVERIFY(screens[0]->speechButton->toolTip().contains(QStringLiteral("[Enter]")));
        auto *word = static_cast<WordTestScreen *>(screens[1]);
        QVERIFY(word->speechButton->toolTip().contains(QStringLiteral("[Ctrl]")));
        // A click leaves the typing where it was.
        QTest::keyClicks(word->answerBox, QStringLiteral("e1"));
        click(word);
        QCOMPARE(word->focusWidget(), word->answerBox);
        QTest::keyClicks(word->answerBox, QStringLiteral("-1"));
        QCOMPARE(word->answerBox->text(), eng(1, 1));
    }

    void englishToJapaneseSaysTheQuestionAndEnterTheItemJudged()
    {
        ChoiceTestScreen *f = openChoiceTest(*app, 1, 2);
        QVERIFY(f->speechButton->isEnabled());
        QCOMPARE(click(f), QStringList{eng(2, 1)});

        QVERIFY(answerWith(f, jpn(2, 1)));
        QCOMPARE(spoken().last(), eng(2, 1)); // Enter says the item it judged, not the next
        QCOMPARE(click(f), QStringList{eng(2, 2)});

        QVERIFY(answerWrong(f, jpn(2, 2)));
        QCOMPARE(spoken().last(), eng(2, 2));
        QVERIFY(f->reviewHeadings[1]->isVisible());
        QCOMPARE(click(f), QStringList{eng(2, 2)});
        enter(f); // Enter in the review judges nothing and says nothing
        QCOMPARE(spoken().size(), 5);
        space(f);
        QCOMPARE(click(f), QStringList{eng(2, 3)});

        // A double click judges without a voice.
        QTest::mouseDClick(f->answerLabels[answers(f).indexOf(jpn(2, 3)) + 1], Qt::LeftButton);
        QCOMPARE(rightAnswersShown(f), QStringLiteral("2"));
        QCOMPARE(spoken().size(), 6);
        // After the end of the pass: the item judged last; Enter says no more.
        QVERIFY(f->Rules.passEnded);
        QCOMPARE(click(f), QStringList{eng(2, 3)});
        enter(f);
        QCOMPARE(spoken().size(), 7);
    }

    void japaneseToEnglishWaitsForTheFirstJudgement()
    {
        ChoiceTestScreen *f = openChoiceTest(*app, 2, 2);
        QVERIFY(!f->speechButton->isEnabled());
        QVERIFY(click(f).isEmpty());

        QVERIFY(answerWith(f, eng(2, 1)));
        QCOMPARE(spoken(), QStringList{eng(2, 1)});
        QVERIFY(f->speechButton->isEnabled());
        QCOMPARE(click(f), QStringList{eng(2, 1)}); // the one just answered right, not e2-2

        QVERIFY(answerWrong(f, eng(2, 2)));
        QCOMPARE(spoken().last(), eng(2, 2)); // its review shows it as the right answer
        QCOMPARE(click(f), QStringList{eng(2, 2)});
        space(f);
        QCOMPARE(click(f), QStringList{eng(2, 2)}); // e2-3 is asked now

        QVERIFY(answerWrong(f, eng(2, 3))); // the last item: the pass ends in its review
        QCOMPARE(click(f), QStringList{eng(2, 3)});
        space(f);
        QCOMPARE(click(f), QStringList{eng(2, 3)});
        // While an item was asked its English was never heard before it was judged.
        QCOMPARE(spoken(), (QStringList{eng(2, 1), eng(2, 1), eng(2, 2), eng(2, 2), eng(2, 2), eng(2, 3), eng(2, 3), eng(2, 3)}));
        // Nor was its audio prepared: only what the button could say at the time.
        QCOMPARE(app->speech.prepared, (QStringList{eng(2, 1), eng(2, 2), eng(2, 2), eng(2, 3), eng(2, 3)}));

        // The miss list covers the button's place.
        QTest::mouseClick(f->missesButton, Qt::LeftButton);
        QVERIFY(f->missList[1]->isVisible());
        QVERIFY(!f->speechButton->isVisible());
    }

    void wordTestCtrlSaysTheItemJudgedLastAndTypesNothing()
    {
        WordTestScreen *f = openWordTest(*app, 1);
        QVERIFY(!f->speechButton->isEnabled());
        ctrl(f->answerBox);
        QVERIFY(click(f).isEmpty());
        QVERIFY(spoken().isEmpty());

        answer(f, eng(1, 1));
        QVERIFY(spoken().isEmpty()); // Enter judges in silence
        QVERIFY(f->speechButton->isEnabled());
        QTest::keyClicks(f->answerBox, QStringLiteral("e1"));
        ctrl(f->answerBox);
        QCOMPARE(spoken(), QStringList{eng(1, 1)}); // one press, one voice
        QCOMPARE(f->answerBox->text(), QStringLiteral("e1"));
        QCOMPARE(f->focusWidget(), f->answerBox);
        // Ctrl with a key is a shortcut of the box, not a request to speak.
        QTest::keyClick(f->answerBox, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(f->answerBox->selectedText(), QStringLiteral("e1"));
        QCOMPARE(spoken().size(), 1);
        f->answerBox->clear();

        answer(f, QStringLiteral("wrong")); // item 2: its review shows e1-2
        QVERIFY(f->reviewContents[2]->isVisible());
        ctrl(f->answerBox);
        QCOMPARE(spoken().last(), eng(1, 2));
        QCOMPARE(click(f), QStringList{eng(1, 2)});
        // The hint shows e1-3; the voice still says the item judged last.
        QTest::keyPress(f->answerBox, WordTestScreen::kHintKey);
        QCOMPARE(f->answerBox->text(), eng(1, 3));
        QCOMPARE(click(f), QStringList{eng(1, 2)});
        QTest::keyRelease(f->answerBox, WordTestScreen::kHintKey);
        QVERIFY(!spoken().contains(eng(1, 3)));
    }

    void wordTestAfterTheEndAndInTheRetest()
    {
        WordTestScreen *f = openWordTest(*app, 2);
        answer(f, QStringLiteral("wrong"));
        answer(f, eng(2, 2));
        answer(f, QStringLiteral("wrong"));
        QVERIFY(f->allMissesButton->isVisible());
        QVERIFY(!f->answerBox->isVisible());
        QVERIFY(f->speechButton->isVisible() && f->speechButton->isEnabled());
        QCOMPARE(click(f), QStringList{eng(2, 3)});
        ctrl(f);
        QCOMPARE(spoken().last(), eng(2, 3));

        QTest::mouseClick(f->allMissesButton, Qt::LeftButton); // the miss list
        QVERIFY(!f->speechButton->isVisible());
        QTest::mouseClick(f->retestButton, Qt::LeftButton); // the re-test: nothing judged yet
        QVERIFY(f->speechButton->isVisible());
        QVERIFY(!f->speechButton->isEnabled());
        ctrl(f->answerBox);
        QCOMPARE(spoken().size(), 2);
        answer(f, eng(2, 1));
        ctrl(f->answerBox);
        QCOMPARE(spoken().last(), eng(2, 1));
        answer(f, eng(2, 3)); // full marks in the re-test
        QCOMPARE(resultShown(f), QStringLiteral("また、挑戦してください。"));
        QCOMPARE(click(f), QStringList{eng(2, 3)});
    }

    void speakingChangesNothingElse()
    {
        ChoiceTestScreen *choice = openChoiceTest(*app, 2, 3);
        QVERIFY(answerWith(choice, eng(3, 1))); // passed and stored
        const QByteArray scores = allScoreFiles();
        QVERIFY(scores.contains("100"));
        QStringList texts = screenTexts(choice);
        QCOMPARE(click(choice), QStringList{eng(3, 1)});
        QCOMPARE(screenTexts(choice), texts);
        QCOMPARE(allScoreFiles(), scores);

        WordTestScreen *word = openWordTest(*app, 1);
        answer(word, QStringLiteral("wrong"));
        QTest::keyClicks(word->answerBox, QStringLiteral("e1-"));
        texts = screenTexts(word);
        const int score = word->Rules.run.Score;
        QCOMPARE(click(word), QStringList{eng(1, 1)});
        ctrl(word->answerBox);
        QCOMPARE(spoken().last(), eng(1, 1));
        QCOMPARE(screenTexts(word), texts);
        QCOMPARE(word->Rules.run.Score, score);
        QCOMPARE(word->Rules.run.Q_Pos, 2);
        QCOMPARE(allScoreFiles(), scores);
        QCOMPARE(app->dialogs.calls.size(), 0);
    }

    void aMissingVoiceDisablesTheButtons()
    {
        app->speech.isAvailable = false;
        const QString reason = app->speech.unavailableReason();
        QVERIFY(!reason.isEmpty());

        ChoiceTestScreen *choice = openChoiceTest(*app, 1, 1);
        QVERIFY(!choice->speechButton->isEnabled());
        QCOMPARE(choice->speechButton->toolTip(), reason);
        QVERIFY(answerWith(choice, jpn(1, 1))); // Enter judges as ever
        QCOMPARE(rightAnswersShown(choice), QStringLiteral("1"));
        QVERIFY(!choice->speechButton->isEnabled());

        WordTestScreen *word = openWordTest(*app, 1);
        QCOMPARE(word->speechButton->toolTip(), reason);
        answer(word, eng(1, 1));
        QVERIFY(!word->speechButton->isEnabled());
        click(word);
        ctrl(word->answerBox);
        QCOMPARE(word->answerBox->text(), QString());
        QCOMPARE(app->dialogs.calls.size(), 0);
        QVERIFY(spoken().isEmpty());
    }

    void aTestThatCannotRunHasNoButton()
    {
        app->course.writeChapter(5, {});
        QVERIFY(!openChoiceTest(*app, 1, 5)->speechButton->isVisible());
        QVERIFY(!openWordTest(*app, 9)->speechButton->isVisible());
    }
};

QTEST_MAIN(TestSpeechButtons)
#include "tst_speechbuttons.moc"
