#pragma once
// Where a typed answer differs from the right one, letter by letter, for the review after a
// miss: the letters of the typed answer that are not in the right one, the letters of the
// right answer that were left out or got wrong, and a short Japanese line where the only
// differences are letter case, blanks or the final punctuation mark.
#include <QList>
#include <QString>

struct AnswerDiff {
    QList<bool> typedMarks; // one per character of the typed answer
    QList<bool> rightMarks; // one per character of the right answer
    QString note;           // empty unless only case, blanks or the final mark differ

    static AnswerDiff compare(const QString &typed, const QString &right);
};
