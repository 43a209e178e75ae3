// What the "音声" button and its key may say in each state of the two tests, and the lone
// Ctrl of the word test, on the rules alone.
#include "files/questionbank.h"
#include "rules/tests/choicetest.h"
#include "rules/tests/speakableenglish.h"
#include "rules/tests/wordtest.h"
#include "screens/tests/keytap.h"

#include <QTest>

namespace {
// Items "e1", "e2", ... with Japanese "日1", ...; `english` replaces the English lines given.
ChapterQuestions chapterOf(int n, const QStringList &english = {})
{
    ChapterQuestions chapter;
    for (int i = 1; i <= n; ++i)
        chapter.items.append({english.value(i - 1, QStringLiteral("e%1").arg(i)), QStringLiteral("日%1").arg(i), QString()});
    chapter.endedByMarker = true;
    return chapter;
}

template <class Test> void load(Test &test, const ChapterQuestions &chapter)
{
    test.run.prepare();
    test.run.take(chapter);
    test.run.Q_Pos = 1;
}

// One judgement of the five-answer test, as the screen makes it after the blink.
void judgeChoice(ChoiceTest &t, bool right)
{
    if (right)
        t.takeRightAnswer();
    else
        t.takeWrongAnswer();
    t.checkPassEnd();
}

void judgeWord(WordTest &w, bool right)
{
    const WordTest::Verdict verdict = w.judge(right ? w.run.currentEng() : QStringLiteral("wrong"));
    QVERIFY(verdict == (right ? WordTest::Verdict::Right : WordTest::Verdict::Wrong));
    if (right)
        w.takeRightAnswer();
    else
        w.takeWrongAnswer();
    w.endCheck();
}
} // namespace

class TestSpeakableEnglish : public QObject {
    Q_OBJECT
private slots:
    void englishToJapaneseSaysTheQuestionAskedAndThenTheItemJudged()
    {
        ChoiceTest t(1);
        load(t, chapterOf(3));
        QCOMPARE(SpeakableEnglish::choiceTest(t), QStringLiteral("e1"));
        QCOMPARE(SpeakableEnglish::choiceTestJudged(t), QString()); // nothing judged yet

        judgeChoice(t, true);
        QCOMPARE(SpeakableEnglish::choiceTest(t), QStringLiteral("e2")); // the next question
        QCOMPARE(SpeakableEnglish::choiceTestJudged(t), QStringLiteral("e1")); // what Enter says

        judgeChoice(t, false); // the review of item 2
        QCOMPARE(SpeakableEnglish::choiceTest(t), QStringLiteral("e2"));
        t.leaveReview();
        QCOMPARE(SpeakableEnglish::choiceTest(t), QStringLiteral("e3"));

        judgeChoice(t, true); // the last item: the pass is over, nothing is asked
        QVERIFY(t.passEnded && t.run.isPastEnd());
        QCOMPARE(SpeakableEnglish::choiceTest(t), QStringLiteral("e3"));
        // The miss list moves the missed item to the front; the item judged last stays.
        QCOMPARE(t.missListLines().size(), 1);
        QCOMPARE(SpeakableEnglish::choiceTest(t), QStringLiteral("e3"));
    }

    void japaneseToEnglishNeverSaysTheAnswerAsked()
    {
        ChoiceTest t(2);
        load(t, chapterOf(4, {QStringLiteral("apple"), QStringLiteral("Apple."), QStringLiteral("pear")}));
        QCOMPARE(SpeakableEnglish::choiceTest(t), QString()); // before any judgement

        judgeChoice(t, true);
        // Item 2 asks for "Apple.", which sounds just like the item judged: nothing is said.
        QCOMPARE(SpeakableEnglish::choiceTest(t), QString());
        QCOMPARE(SpeakableEnglish::choiceTestJudged(t), QString());

        judgeChoice(t, false); // its review shows "Apple." as the right answer
        QCOMPARE(SpeakableEnglish::choiceTest(t), QStringLiteral("Apple."));
        t.leaveReview(); // item 3 asks for "pear"
        QCOMPARE(SpeakableEnglish::choiceTest(t), QStringLiteral("Apple."));

        judgeChoice(t, true);
        QCOMPARE(SpeakableEnglish::choiceTest(t), QStringLiteral("pear"));
        QCOMPARE(SpeakableEnglish::choiceTestJudged(t), QStringLiteral("pear"));
        judgeChoice(t, false); // the last item, wrong: the pass ends in its review
        QVERIFY(t.passEnded);
        QCOMPARE(SpeakableEnglish::choiceTest(t), QStringLiteral("e4"));
        t.leaveReview();
        QCOMPARE(SpeakableEnglish::choiceTest(t), QStringLiteral("e4"));
    }

    void aChapterWithoutItemsSaysNothing()
    {
        for (int kind : {1, 2}) {
            ChoiceTest t(kind);
            load(t, chapterOf(0));
            QCOMPARE(SpeakableEnglish::choiceTest(t), QString());
        }
        WordTest w;
        load(w, chapterOf(0));
        QCOMPARE(SpeakableEnglish::wordTest(w), QString());
    }

    void wordTestSaysOnlyTheItemJudgedLast()
    {
        WordTest w;
        load(w, chapterOf(4, {QStringLiteral("dog"), QStringLiteral("cat"), QStringLiteral("CAT")}));
        QCOMPARE(SpeakableEnglish::wordTest(w), QString());
        w.hintDown(); // the hint shows the English asked; the voice still says nothing
        QCOMPARE(SpeakableEnglish::wordTest(w), QString());
        w.hintUp();

        judgeWord(w, true);
        QCOMPARE(SpeakableEnglish::wordTest(w), QStringLiteral("dog"));
        judgeWord(w, false); // the review shows "cat"; "CAT" is asked now
        QCOMPARE(w.run.currentEng(), QStringLiteral("CAT"));
        QCOMPARE(SpeakableEnglish::wordTest(w), QString());
        judgeWord(w, false);
        QCOMPARE(SpeakableEnglish::wordTest(w), QStringLiteral("CAT"));
        judgeWord(w, true); // the last item: the pass failed
        QVERIFY(w.passEnded);
        QCOMPARE(SpeakableEnglish::wordTest(w), QStringLiteral("e4"));

        // The miss list puts the hinted and missed items first: "dog", "cat", "CAT". The last
        // item may still be heard, until the re-test starts with nothing judged.
        QCOMPARE(w.gatherMisses().size(), 3);
        QCOMPARE(SpeakableEnglish::wordTest(w), QStringLiteral("e4"));
        w.startRetest();
        QCOMPARE(SpeakableEnglish::wordTest(w), QString());
        judgeWord(w, true);
        QCOMPARE(SpeakableEnglish::wordTest(w), QStringLiteral("dog"));
        judgeWord(w, true);
        // "CAT" is asked, and "cat" sounds the same.
        QCOMPARE(w.run.currentEng(), QStringLiteral("CAT"));
        QCOMPARE(SpeakableEnglish::wordTest(w), QString());
        judgeWord(w, true);
        QVERIFY(w.passEnded);
        w.onFullMarks();
        QCOMPARE(SpeakableEnglish::wordTest(w), QStringLiteral("CAT"));
    }

    void soundAlike_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<bool>("alike");
        QTest::newRow("case and full stop") << "Apple." << "apple" << true;
        QTest::newRow("blanks and apostrophe") << "I'm  fine" << "Im fine!" << true;
        QTest::newRow("one letter more") << "apple" << "apples" << false;
        QTest::newRow("digits count") << "room 1" << "room 2" << false;
        QTest::newRow("full-width letters") << "ａｐｐｌｅ" << "apple" << false;
    }
    void soundAlike()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(bool, alike);
        QCOMPARE(SpeakableEnglish::soundAlike(a, b), alike);
        QCOMPARE(SpeakableEnglish::soundAlike(b, a), alike);
    }

    void aLoneCtrlIsTappedOnce()
    {
        KeyTap ctrl(Qt::Key_Control);
        QVERIFY(ctrl.watches(Qt::Key_Control) && !ctrl.watches(Qt::Key_A));
        QVERIFY(!ctrl.release(Qt::Key_Control, false)); // a release with no press before it

        ctrl.press(Qt::Key_Control, false);
        ctrl.press(Qt::Key_Control, true); // held: the repeats change nothing
        QVERIFY(!ctrl.release(Qt::Key_Control, true));
        QVERIFY(ctrl.release(Qt::Key_Control, false));
        QVERIFY(!ctrl.release(Qt::Key_Control, false)); // once per press

        // Ctrl+V: another key while it is held.
        ctrl.press(Qt::Key_Control, false);
        ctrl.press(Qt::Key_V, false);
        QVERIFY(!ctrl.release(Qt::Key_V, false));
        QVERIFY(!ctrl.release(Qt::Key_Control, false));

        // A key held before Ctrl does not spoil the tap; one pressed after it does.
        ctrl.press(Qt::Key_A, false);
        ctrl.press(Qt::Key_Control, false);
        QVERIFY(ctrl.release(Qt::Key_Control, false));
    }
};

QTEST_GUILESS_MAIN(TestSpeakableEnglish)
#include "tst_speakableenglish.moc"
