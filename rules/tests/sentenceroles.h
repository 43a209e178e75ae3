#pragma once
// The part a word plays in a right answer, read from the words around it: whether a word that
// a typed answer has with or without -s is a noun (its -s is a plural) or a verb after its
// subject (its -s is the third person's), and which do, can, to ... a verb follows, after
// which it is in its base form. The right answer is good English, so a few signs are enough;
// where they do not tell, the role is Unclear and the review says nothing of that kind.
#include <QList>
#include <QString>
#include <QStringList>

class EnglishWords;

class SentenceRoles {
public:
    enum class Role { Unclear, Noun, Verb };

    // words: the words of the answer as written, contractions in their full form; commaAfter:
    // the index of the word before each comma.
    SentenceRoles(const QStringList &words, const QList<int> &commaAfter, const EnglishWords &dictionary);

    // thirdPersonSingular, for a verb: set when its subject is sure to be he, she, it, a name or
    // one thing (my sister), so that the verb is no present form without -s.
    Role roleOf(int at, bool *thirdPersonSingular = nullptr) const;
    // The index of the do, does, can, to ... whose verb the word at `at` is, or -1.
    int auxiliaryOf(int at) const;

    // English, Japanese, French ...: a word that, written with its capital, stands before a noun.
    static bool isNationality(const QString &word);

private:
    QString key(int at) const;
    bool isCapitalised(int at) const;
    // a, the, my, Ken's, these, two, many, English ... : a noun follows.
    bool isDeterminer(int at) const;
    bool isName(int at) const;
    // The first word of a sentence or of a clause (after that, when, and, a comma ...).
    bool isClauseStart(int at) const;
    // The first word of the subject that ends at `end` (he, Ken, Mr. Brown, my (little) sister),
    // or -1 when the words there are none.
    int subjectStart(int end, bool withAdjective = true) const;
    // The first word of "the store", "my sister" (and with withAdjective "Ken's old bike")
    // ending at `end`, or -1.
    int nounPhraseStart(int end, bool withAdjective = true) const;
    int skipAdverbsBack(int at) const;
    bool isSingularNoun(int at) const;

    QStringList words_;
    QStringList keys_;
    QList<int> commaAfter_;
    const EnglishWords &dictionary_;
};
