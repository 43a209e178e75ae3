#pragma once
// The editor's hold on a chapter's 50 record slots: which slot the text boxes show, the
// moves among slots 1 to 50, and the edits of the slot shown. Edits stay here until saved.
#include "files/questionbank.h"

#include <QList>
#include <QString>

class QuestionEditor {
public:
    explicit QuestionEditor(QList<Question> records = {}); // padded to 50 slots; no slot shown yet

    int Slot() const { return slot_; } // 0 before the first move, else 1 to 50
    const Question &shown() const;     // the slot shown (an empty record before the first move)
    const QList<Question> &records() const { return records_; }
    // The records as saved; the same slot stays shown.
    void setRecords(QList<Question> records);

    // Each returns true when the slot is to be shown again: "＜" on slot 1 and "＞" on
    // slot 50 stay where they are.
    bool first();    // ＜＜
    bool previous(); // ＜
    bool next();     // ＞
    bool last();     // ＞＞

    // The text boxes copy every change into the slot shown.
    void setEng(const QString &text);
    void setJpn(const QString &text);
    void setThird(const QString &text);

    // Rows copied from a spreadsheet, to go into the slots from the one shown on: each row
    // is English, Japanese and an optional third column, parted by tabs. Either the rows or,
    // when any row cannot be taken, why (in Japanese, naming the row); then nothing is pasted.
    struct Paste {
        int from = 0;
        QList<Question> rows;
        QString problem;
        QString notice; // to be read before pasting: the rows go after the end marker
    };
    Paste planPaste(const QString &clipboard) const;
    // Fills the slots as typing would. Where the rows cover the end marker "*", the chapter
    // grows by them: the marker moves to the slot after the last row (none after slot 50).
    void paste(const Paste &plan);

private:
    Question *current();

    QList<Question> records_;
    int slot_ = 0;
};
