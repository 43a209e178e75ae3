#include "rules/results/notestudy.h"

namespace {
// The first character of a text; a character outside the basic plane is not cut in half.
QString firstCharacter(const QString &text)
{
    if (text.isEmpty())
        return {};
    const bool pair = text.size() > 1 && text[0].isHighSurrogate() && text[1].isLowSurrogate();
    return text.left(pair ? 2 : 1);
}
} // namespace

NoteStudy::NoteStudy(int testKind, QList<Question> questions)
    : testKind_(testKind), questions_(std::move(questions))
{
}

void NoteStudy::JJ() { view_.question = testKind_ == 1 ? shown().eng : shown().jpn; }
void NoteStudy::HH() { view_.hint = firstCharacter(testKind_ == 1 ? shown().jpn : shown().eng); }
void NoteStudy::EE() { view_.answer = testKind_ == 1 ? shown().jpn : shown().eng; }

void NoteStudy::stepForward()
{
    if (noteStep_ == 4)
        noteStep_ = 1;
    if (noteBack_ == 1) {
        noteStep_ = 2;
        noteBack_ = 0;
    }
    // Past the last question there is nothing to show, whether or not the file ended in
    // its marker (a chapter of 50 questions has none).
    if (noteNo_ > Q_Total())
        return;
    view_.number = QString::number(noteNo_);
    switch (noteStep_) {
    case 1:
        JJ();
        view_.hint.clear();
        view_.answer.clear();
        break;
    case 2:
        HH();
        view_.answer.clear();
        break;
    case 3:
        EE();
        ++noteNo_;
        break;
    }
    ++noteStep_;
}

void NoteStudy::stepBack()
{
    if (noteNo_ > 1) {
        --noteNo_;
        if (noteNo_ <= Q_Total())
            view_.number = QString::number(noteNo_);
        view_.question.clear();
        view_.hint.clear();
        view_.answer.clear();
        JJ();
    }
    noteBack_ = 1;
}
