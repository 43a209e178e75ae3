#pragma once
// The rules of the word test (英単語), without any widget: judging a typed answer, the hint
// and its cost, the end of a pass, the miss list and the re-test of exactly the missed and
// hinted items.
#include "rules/tests/mistakeclassifier.h"
#include "rules/tests/testrun.h"

#include <QStringList>

class WordTest {
public:
    WordTest();

    TestRun run;
    int Hint_On = 0;  // 1 once the hint was shown for the item asked
    bool judgedWithHint = false; // the answer judged last was given after the hint
    int Finished = 0; // 1 after a passed test: Enter and the hint do nothing
    bool passEnded = false; // from the end of a pass until a re-test starts
    bool hintShown = false; // the hint button (or key) is being held
    // What kind of mistake the answer judged last was; empty after a right answer.
    QList<MistakeNote> lastMistakes;
    // The tags of each item's last wrong answer, by its number in the chapter file (Q_No).
    std::array<QString, TestRun::kSlots> missTags;

    // Blanks (U+0020 and the ideographic space U+3000 an input method types) before the text.
    static QString withoutLeadingBlanks(const QString &text);
    // Blanks removed at both ends.
    static QString trimmedAnswer(const QString &text);

    // The count shown as 全問題数: the chapter's items on the first pass, the re-tested ones after.
    int shownTotal() const { return run.Pass_No == 1 ? run.Q_Total : run.Pass_Goal; }

    // Enter is taken (judged, or at least refreshing the display) only while a pass runs.
    bool takesEnter() const { return Finished == 0 && !passEnded && !hintShown; }

    enum class Verdict { None, Right, Wrong };
    // The judging part of judgeAnswer on what the box holds (leading blanks already removed):
    // marks the item (a hinted right answer is marked -1, so it stays on the miss list) and
    // clears Hint_On. Counters move in At and Hz.
    Verdict judge(const QString &typed);
    // A right answer: next position, counted, scored. True when the list is now done.
    bool takeRightAnswer();
    // A wrong answer: next position, counted, scored.
    void takeWrongAnswer();
    // The end check of judgeAnswer: true exactly once, when the pass has just ended.
    bool endCheck();
    bool passed() const { return run.passed(); }
    void onFullMarks() { Finished = 1; }

    // onHintButtonPressed: true when the hint is shown (it costs a point).
    bool hintDown();
    // onHintButtonReleased: true when a shown hint was taken back.
    bool hintUp();

    // gatherMisses: the missed and hinted items move to the front as the list of the re-test;
    // returns their lines ("Japanese　→　English", and the tags of a missed item's mistake).
    QStringList gatherMisses();
    // retestButton: counters back to 0 and the re-test begins at its first item.
    void startRetest();
    // questionSelectButton / chapterSelectButton: nothing of the run is kept.
    void leave();
};
