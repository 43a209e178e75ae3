#pragma once
// The run of a test that both test screens share: the chapter's items in the order they are
// asked, the position, the counters, the score and the bar texts, the end of a pass, storing
// the score of a first pass, and the compaction of the missed items into a new, shorter list.
// Arrays are indexed from 1 like the items of the chapter file (element 0 is unused).
#include "rules/record/passlog.h"

#include <QString>
#include <array>

struct ChapterQuestions;
struct SharedState;
class DataFolder;
class RandomSource;

class TestRun {
public:
    static constexpr int kSlots = 61; // positions 0 to 60

    std::array<QString, kSlots> Q_Eng;   // English line of each item, in asking order
    std::array<QString, kSlots> Q_Jpn;   // Japanese line
    std::array<QString, kSlots> Q_Third; // third line, carried along, never shown
    std::array<int, kSlots> Q_No{};      // the item's number in the chapter file
    std::array<int, kSlots> Q_Mark{};    // 1 right, -1 wrong (or hinted), 0 not judged
    int Q_Total = 0;
    int Q_Pos = 1;
    int OK_Count = 0;
    int NG_Count = 0;
    int Score = 0;
    int Help_Count = 0; // points taken off the score (hint presses of the word test)
    int Pass_No = 1;
    int Pass_Goal = 50; // a second count of answers that ends a pass
    std::array<QString, 101> Bar_OK; // entry k: k ideographic spaces, k = 0 to 51
    std::array<QString, 101> Bar_NG;
    // The English line of the item whose judgement was shown last; empty before the first of
    // the pass. It is kept as text, because the lists of a re-test move the items around.
    QString lastJudgedEng;
    // The answers of this pass for the learning record.
    PassLog log;

    // Bar texts and item numbers (Q_No(k) = k).
    void prepare();
    // Bar texts only.
    void prepareBars();
    // The items of the chapter, in file order.
    void take(const ChapterQuestions &chapter);
    // Random order: positions 1 to Q_Total take the items of a drawn permutation, Q_No with them.
    void shuffleItems(RandomSource &random);

    // computeScore: Int(OK_Count * 100 / Q_Total - Help_Count), rounded toward minus infinity.
    // Stores the result in Score and returns it; 0 for a list without items.
    int computeScore();

    // The bar texts for the current counts.
    QString okBar() const;
    QString ngBar() const;

    // True once the position has moved past the last item of the list.
    bool isPastEnd() const { return Q_Pos > Q_Total || Q_Pos < 1; }
    // The lines of the item being asked; empty past the end.
    QString currentEng() const { return isPastEnd() ? QString() : Q_Eng[size_t(Q_Pos)]; }
    QString currentJpn() const { return isPastEnd() ? QString() : Q_Jpn[size_t(Q_Pos)]; }
    // The item asked is being judged now: its English becomes lastJudgedEng, and the answer
    // goes into the log.
    void noteJudged(bool right, bool hint = false);

    // End of a pass in the five-answer test: every item answered, or Pass_Goal answered right.
    bool choicePassOver() const;
    // End of a pass in the word test: Pass_Goal or Q_Total answers given.
    bool wordPassOver() const;

    // The end check both tests make after every answer: true exactly once, when the pass is
    // over for the first time (passEnded is the test's own mark that it has ended).
    static bool passEndsNow(bool &passEnded, bool over);
    // A pass with full marks.
    bool passed() const { return Score == 100; }

    bool isFirstPass() const { return Pass_No <= 1; }
    // The score file of this order for the kind: "tenr.." in random order, else "tenj..".
    static QString scoreFileName(const SharedState &m, int kind);
    // Stores Score as the chapter's record when this is the first pass (a re-test never
    // stores). Returns an empty text, or a Japanese message when the file could not be
    // read or written.
    QString storeFirstPassScore(const DataFolder &folder, const SharedState &m, int kind) const;

    // Moves every item not answered right (Q_Mark not 1) to the front, in order, clearing its
    // mark; Pass_Goal becomes the number moved. Q_No moves along when moveNumbers is set.
    // Returns the number of items moved: they stand at positions 1 to that number.
    int compactMisses(bool moveNumbers);

    // Counters back to the start of a pass.
    void resetCounters();
};
