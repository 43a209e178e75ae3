#pragma once
// What kind of mistake a wrong typed answer is, for the note under the word test's review: at
// most two tags (the main one first), each with a short Japanese sentence that names the
// words. The answers are compared word by word first, then letter by letter inside a word
// that differs. An answer far from the right one gets no tag of the small kinds (spelling,
// letter case, punctuation, blanks): a wrong claim teaches the wrong thing. The note changes
// no verdict and no score.
#include "rules/tests/englishwords.h"
#include "rules/tests/fixedwords.h"

#include <QList>
#include <QString>

struct MistakeNote {
    QString tag;      // the tag's name without its brackets: 三単現
    QString sentence; // 主語が三人称単数なので「plays」と -s を付けます。
};

class MistakeClassifier {
public:
    // The tags' names, as the note shows them between 【】.
    static const QString Case, Punctuation, Space, Contraction, Number, Spelling, Article, Plural,
        ThirdPerson, VerbForm, WordOrder, Word;
    // The tags that name a small slip; none of them is claimed for an answer far from the right one.
    static bool isSmallKind(const QString &tag);

    explicit MistakeClassifier(const EnglishWords &words = EnglishWords::shared(),
                               const QList<FixedWord> &fixedWords = FixedWords::shared());

    // The mistakes of `typed` (blanks at its ends already taken off) against `expected`, the
    // English line of the item whose Japanese line is `japanese`; empty when they are equal or
    // the answer is too far off to say.
    QList<MistakeNote> classify(const QString &japanese, const QString &expected, const QString &typed) const;

    // The note: "【三単現】sentence　【つづり】sentence", the mistakes joined by `between`.
    static QString noteLine(const QList<MistakeNote> &notes, const QString &between = QStringLiteral("　"));
    // The tags alone: "【三単現】【つづり】".
    static QString tagLine(const QList<MistakeNote> &notes);

private:
    const EnglishWords &words_;
    const QList<FixedWord> &fixedWords_;
};
