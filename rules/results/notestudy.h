#pragma once
// The stepping of the note screen: for each question of the chapter, in file order, first
// the question, then a hint (the first character of the answer), then the answer, one step
// per forward action; a back action returns to the question before.
#include "files/questionbank.h"

#include <QList>
#include <QString>

class NoteStudy {
public:
    // What the screen shows; each text belongs to one label.
    struct View {
        QString number;   // numberLabel: number of the question shown
        QString question; // questionLabel
        QString hint;     // hintLabel
        QString answer;   // answerLabel
    };

    // Kind 1 asks the English side and answers with the Japanese; kinds 2 and 3 the other way.
    NoteStudy(int testKind, QList<Question> questions);

    void stepForward(); // forward: the step NoteStep names
    void stepBack();  // back: the question before, its hint next

    const View &view() const { return view_; }
    int Q_Total() const { return int(questions_.size()); }
    int NoteNo() const { return noteNo_; }
    int NoteStep() const { return noteStep_; }
    int NoteBack() const { return noteBack_; }
    // Every question has been answered (also true at once for a chapter without questions).
    bool pastLastQuestion() const { return noteNo_ == Q_Total() + 1; }

private:
    void JJ(); // the question
    void HH(); // the hint
    void EE(); // the answer
    const Question &shown() const { return questions_[noteNo_ - 1]; }

    int testKind_;
    QList<Question> questions_;
    int noteNo_ = 1;   // the question shown, 1-based
    int noteStep_ = 1; // the step of the next forward action: 1 question, 2 hint, 3 answer, 4 = start at 1
    int noteBack_ = 0; // 1 after a back action: the next forward action shows the hint
    View view_;
};
