#include "content/questioneditor.h"

QuestionEditor::QuestionEditor(QList<Question> records) : records_(std::move(records))
{
    records_.resize(kMaxQuestions);
}

void QuestionEditor::setRecords(QList<Question> records)
{
    records_ = std::move(records);
    records_.resize(kMaxQuestions);
}

const Question &QuestionEditor::shown() const
{
    static const Question none;
    return slot_ >= 1 ? records_[slot_ - 1] : none;
}

Question *QuestionEditor::current()
{
    return slot_ >= 1 ? &records_[slot_ - 1] : nullptr;
}

bool QuestionEditor::first()
{
    slot_ = 1;
    return true;
}

bool QuestionEditor::previous()
{
    if (slot_ <= 1)
        return false;
    --slot_;
    return true;
}

bool QuestionEditor::next()
{
    if (slot_ >= kMaxQuestions)
        return false;
    ++slot_;
    return true;
}

bool QuestionEditor::last()
{
    slot_ = kMaxQuestions;
    return true;
}

void QuestionEditor::setEng(const QString &text)
{
    if (Question *q = current())
        q->eng = text;
}

void QuestionEditor::setJpn(const QString &text)
{
    if (Question *q = current())
        q->jpn = text;
}

void QuestionEditor::setThird(const QString &text)
{
    if (Question *q = current())
        q->third = text;
}
