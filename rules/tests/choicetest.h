#pragma once
// The rules of the five-answer test (選択問題), without any widget: the five answers of an
// item, the highlighted answer and the key map, judging, the review of a wrong answer, the
// end of the pass and the miss list. Kind 1 asks the English line and offers Japanese
// answers; kind 2 asks the Japanese line and offers English answers.
#include "rules/tests/testrun.h"

#include <QStringList>
#include <array>
#include <functional>

class RandomSource;

class ChoiceTest {
public:
    explicit ChoiceTest(int kind);

    TestRun run;
    const int kind;
    int Sel = 1;       // highlighted answer, 1 to 5
    int Review_On = 0; // 1 while the review of a wrong answer is shown
    int Pass_Done = 0; // 1 after a passed test
    int Mis_Done = 0;  // 1 once the miss list was built
    bool passEnded = false; // the pass is over (passed or failed): nothing more is judged
    std::array<QString, 6> Choice; // Choice(1) to Choice(5): the answers offered for the item asked
    QString lastAnswer; // the answer judged wrong last, for the review
    // Where the wrong answers of the item at a position come from when not from the other
    // items of the list (a 苦手な問題 pass takes them from the item's own chapter).
    std::function<QStringList(int position)> otherAnswers;

    // The line asked and the line to answer, by kind.
    QString questionLine(int position) const;
    QString answerLine(int position) const;

    // The five answers of the item at Q_Pos: the answers of the first four other items of the
    // list around the right one (other, right, other, other, other), the filled ones shuffled.
    void buildItem(RandomSource &random);

    // The effect of a key pressed anywhere on the screen (qtKey is a Qt::Key, keypad true for
    // a key of the numeric keypad). Highlight means Sel changed and the answers are redrawn.
    enum class KeyEffect { None, Highlight, Judge, LeaveReview };
    KeyEffect keyEffect(int qtKey, bool keypad);
    // onAnswerClicked: highlight answer i.
    void select(int i) { Sel = i; }

    bool canJudge() const;
    bool isRightAnswer() const;
    // A right answer: marks it, counts it and moves on. True when there is a next item to show.
    bool takeRightAnswer();
    // A wrong answer: marks it, counts it and opens the review; the position stays.
    void takeWrongAnswer();
    // checkPassEnd: true exactly once, when the pass has just ended.
    bool checkPassEnd();
    bool passed() const { return run.passed(); }
    void onFullMarks();
    void onMissedMarks();

    // Leaving the review (leaveReview): true when a next item is to be built and shown.
    bool leaveReview();

    // missListLines: the lines of the miss list ("1. question → answer"), built once per failed
    // pass; empty when it was built already.
    QStringList missListLines();

private:
    QString lineOf(int position, bool question) const;
};
