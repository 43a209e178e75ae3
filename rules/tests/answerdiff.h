#pragma once
// Where a typed answer differs from the right one, letter by letter, for the review after a
// miss: the letters of the typed answer that are not in the right one, and the letters of the
// right answer that were left out or got wrong. (What kind of mistake it was is the
// MistakeClassifier's.)
#include <QList>
#include <QString>

struct AnswerDiff {
    QList<bool> typedMarks; // one per character of the typed answer
    QList<bool> rightMarks; // one per character of the right answer

    static AnswerDiff compare(const QString &typed, const QString &right);
};
