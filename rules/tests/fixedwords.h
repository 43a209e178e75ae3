#pragma once
// The course's fixed words: for a Japanese word with more than one English rendering, the one
// the course always writes (写真 → picture). One table, docs/fixed-words.tsv, built into the
// program; the teachers' guide shows the same rows.
#include <QList>
#include <QString>
#include <QStringList>

struct FixedWord {
    QStringList japanese; // the alternatives of the row (写真・絵 → 写真, 絵)
    QString english;      // may hold "～" for the rest of the sentence
};

class FixedWords {
public:
    // Rows of "日本語<TAB>english"; blank lines and lines starting with # are skipped, as is a
    // line without a tab.
    static QList<FixedWord> parse(const QString &text);
    // The program's table, read from its resources on first use.
    static const QList<FixedWord> &shared();

    // The row whose English holds `englishWord` (a word, in any case) and one of whose Japanese
    // alternatives stands in `japaneseLine`; the alternative found goes to `japaneseFound`.
    // Null when there is none.
    static const FixedWord *find(const QList<FixedWord> &table, const QString &japaneseLine,
                                 const QString &englishWord, QString *japaneseFound = nullptr);
};
