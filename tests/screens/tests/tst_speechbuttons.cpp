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
        QTest::mouseClick(f->SpeechButton, Qt::LeftButton);
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
            QCOMPARE(f->SpeechButton->text(), QStringLiteral("音声"));
            QCOMPARE(f->SpeechButton->geometry(), TestScreen::speechButtonRoom());
            QCOMPARE(f->SpeechButton->focusPolicy(), Qt::NoFocus);
            QVERIFY(f->SpeechButton->isVisible());
            QVERIFY(f->SpeechButton->toolTip().contains(QStringLiteral("読み上げます")));
        }
        QVERIFY(screens[0]->SpeechButton->toolTip().contains(QStringLiteral("[Enter]")));
        auto *word = static_cast<F_Eitango *>(screens[1]);
        QVERIFY(word->SpeechButton->toolTip().contains(QStringLiteral("[Ctrl]")));
        // A click leaves the typing where it was.
        QTest::keyClicks(word->Text1, QStringLiteral("e1"));
        click(word);
        QCOMPARE(word->focusWidget(), word->Text1);
        QTest::keyClicks(word->Text1, QStringLiteral("-1"));
        QCOMPARE(word->Text1->text(), eng(1, 1));
    }

    void englishToJapaneseSaysTheQuestionAndEnterTheItemJudged()
    {
        F_SentakuMondai *f = openChoiceTest(*app, 1, 2);
        QVERIFY(f->SpeechButton->isEnabled());
        QCOMPARE(click(f), QStringList{eng(2, 1)});

        QVERIFY(answerWith(f, jpn(2, 1)));
        QCOMPARE(spoken().last(), eng(2, 1)); // Enter says the item it judged, not the next
        QCOMPARE(click(f), QStringList{eng(2, 2)});

        QVERIFY(answerWrong(f, jpn(2, 2)));
        QCOMPARE(spoken().last(), eng(2, 2));
        QVERIFY(f->Label10[1]->isVisible());
        QCOMPARE(click(f), QStringList{eng(2, 2)});
        enter(f); // Enter in the review judges nothing and says nothing
        QCOMPARE(spoken().size(), 5);
        space(f);
        QCOMPARE(click(f), QStringList{eng(2, 3)});

        // A double click judges without a voice.
        QTest::mouseDClick(f->Label7[answers(f).indexOf(jpn(2, 3)) + 1], Qt::LeftButton);
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
        F_SentakuMondai *f = openChoiceTest(*app, 2, 2);
        QVERIFY(!f->SpeechButton->isEnabled());
        QVERIFY(click(f).isEmpty());

        QVERIFY(answerWith(f, eng(2, 1)));
        QCOMPARE(spoken(), QStringList{eng(2, 1)});
        QVERIFY(f->SpeechButton->isEnabled());
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
        QTest::mouseClick(f->Command1, Qt::LeftButton);
        QVERIFY(f->Label4[1]->isVisible());
        QVERIFY(!f->SpeechButton->isVisible());
    }

    void wordTestCtrlSaysTheItemJudgedLastAndTypesNothing()
    {
        F_Eitango *f = openWordTest(*app, 1);
        QVERIFY(!f->SpeechButton->isEnabled());
        ctrl(f->Text1);
        QVERIFY(click(f).isEmpty());
        QVERIFY(spoken().isEmpty());

        answer(f, eng(1, 1));
        QVERIFY(spoken().isEmpty()); // Enter judges in silence
        QVERIFY(f->SpeechButton->isEnabled());
        QTest::keyClicks(f->Text1, QStringLiteral("e1"));
        ctrl(f->Text1);
        QCOMPARE(spoken(), QStringList{eng(1, 1)}); // one press, one voice
        QCOMPARE(f->Text1->text(), QStringLiteral("e1"));
        QCOMPARE(f->focusWidget(), f->Text1);
        // Ctrl with a key is a shortcut of the box, not a request to speak.
        QTest::keyClick(f->Text1, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(f->Text1->selectedText(), QStringLiteral("e1"));
        QCOMPARE(spoken().size(), 1);
        f->Text1->clear();

        answer(f, QStringLiteral("wrong")); // item 2: its review shows e1-2
        QVERIFY(f->Label8[2]->isVisible());
        ctrl(f->Text1);
        QCOMPARE(spoken().last(), eng(1, 2));
        QCOMPARE(click(f), QStringList{eng(1, 2)});
        // The hint shows e1-3; the voice still says the item judged last.
        QTest::keyPress(f->Text1, F_Eitango::kHintKey);
        QCOMPARE(f->Text1->text(), eng(1, 3));
        QCOMPARE(click(f), QStringList{eng(1, 2)});
        QTest::keyRelease(f->Text1, F_Eitango::kHintKey);
        QVERIFY(!spoken().contains(eng(1, 3)));
    }

    void wordTestAfterTheEndAndInTheRetest()
    {
        F_Eitango *f = openWordTest(*app, 2);
        answer(f, QStringLiteral("wrong"));
        answer(f, eng(2, 2));
        answer(f, QStringLiteral("wrong"));
        QVERIFY(f->Command2->isVisible());
        QVERIFY(!f->Text1->isVisible());
        QVERIFY(f->SpeechButton->isVisible() && f->SpeechButton->isEnabled());
        QCOMPARE(click(f), QStringList{eng(2, 3)});
        ctrl(f);
        QCOMPARE(spoken().last(), eng(2, 3));

        QTest::mouseClick(f->Command2, Qt::LeftButton); // the miss list
        QVERIFY(!f->SpeechButton->isVisible());
        QTest::mouseClick(f->Command7, Qt::LeftButton); // the re-test: nothing judged yet
        QVERIFY(f->SpeechButton->isVisible());
        QVERIFY(!f->SpeechButton->isEnabled());
        ctrl(f->Text1);
        QCOMPARE(spoken().size(), 2);
        answer(f, eng(2, 1));
        ctrl(f->Text1);
        QCOMPARE(spoken().last(), eng(2, 1));
        answer(f, eng(2, 3)); // full marks in the re-test
        QCOMPARE(resultShown(f), QStringLiteral("また、挑戦してください。"));
        QCOMPARE(click(f), QStringList{eng(2, 3)});
    }

    void speakingChangesNothingElse()
    {
        F_SentakuMondai *choice = openChoiceTest(*app, 2, 3);
        QVERIFY(answerWith(choice, eng(3, 1))); // passed and stored
        const QByteArray scores = allScoreFiles();
        QVERIFY(scores.contains("100"));
        QStringList texts = screenTexts(choice);
        QCOMPARE(click(choice), QStringList{eng(3, 1)});
        QCOMPARE(screenTexts(choice), texts);
        QCOMPARE(allScoreFiles(), scores);

        F_Eitango *word = openWordTest(*app, 1);
        answer(word, QStringLiteral("wrong"));
        QTest::keyClicks(word->Text1, QStringLiteral("e1-"));
        texts = screenTexts(word);
        const int score = word->Rules.run.Score;
        QCOMPARE(click(word), QStringList{eng(1, 1)});
        ctrl(word->Text1);
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

        F_SentakuMondai *choice = openChoiceTest(*app, 1, 1);
        QVERIFY(!choice->SpeechButton->isEnabled());
        QCOMPARE(choice->SpeechButton->toolTip(), reason);
        QVERIFY(answerWith(choice, jpn(1, 1))); // Enter judges as ever
        QCOMPARE(rightAnswersShown(choice), QStringLiteral("1"));
        QVERIFY(!choice->SpeechButton->isEnabled());

        F_Eitango *word = openWordTest(*app, 1);
        QCOMPARE(word->SpeechButton->toolTip(), reason);
        answer(word, eng(1, 1));
        QVERIFY(!word->SpeechButton->isEnabled());
        click(word);
        ctrl(word->Text1);
        QCOMPARE(word->Text1->text(), QString());
        QCOMPARE(app->dialogs.calls.size(), 0);
        QVERIFY(spoken().isEmpty());
    }

    void aTestThatCannotRunHasNoButton()
    {
        app->course.writeChapter(5, {});
        QVERIFY(!openChoiceTest(*app, 1, 5)->SpeechButton->isVisible());
        QVERIFY(!openWordTest(*app, 9)->SpeechButton->isVisible());
    }
};

QTEST_MAIN(TestSpeechButtons)
#include "tst_speechbuttons.moc"
