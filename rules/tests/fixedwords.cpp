#include "rules/tests/fixedwords.h"

#include <QFile>

QList<FixedWord> FixedWords::parse(const QString &text)
{
    QList<FixedWord> rows;
    for (const QString &line : text.split(u'\n')) {
        const QString row = line.endsWith(u'\r') ? line.chopped(1) : line;
        if (row.isEmpty() || row.startsWith(u'#'))
            continue;
        const qsizetype tab = row.indexOf(u'\t');
        if (tab < 0)
            continue;
        rows.append({row.left(tab).split(u'・', Qt::SkipEmptyParts), row.mid(tab + 1).trimmed()});
    }
    return rows;
}

const QList<FixedWord> &FixedWords::shared()
{
    static const QList<FixedWord> table = [] {
        QFile file(QStringLiteral(":/fixed-words.tsv"));
        return file.open(QIODevice::ReadOnly) ? parse(QString::fromUtf8(file.readAll())) : QList<FixedWord>();
    }();
    return table;
}

namespace {
// A verb or adjective is found in any of its forms (見る in 見ました, 難しい in 難しかった):
// its ending is left out of the search.
QString withoutEnding(const QString &piece)
{
    if (piece.size() > 2 && piece.endsWith(QStringLiteral("する")))
        return piece.chopped(2);
    static const QString endings = QStringLiteral("るうくすつぬむぶぐいな");
    if (piece.size() > 1 && endings.contains(piece.back()))
        return piece.chopped(1);
    return piece;
}

// A Japanese entry found in the line: "～" stands for any words, so each piece between them
// must be there in order; brackets that only explain the entry (（情報を）) need not be.
bool standsIn(const QString &entry, const QString &line)
{
    QString bare = entry;
    static const QString open = QStringLiteral("（"), close = QStringLiteral("）");
    for (qsizetype from = bare.indexOf(open); from >= 0; from = bare.indexOf(open)) {
        const qsizetype to = bare.indexOf(close, from);
        if (to < 0)
            break;
        bare.remove(from, to - from + 1);
    }
    qsizetype at = 0;
    bool any = false;
    for (const QString &piece : bare.split(u'～', Qt::SkipEmptyParts)) {
        const QString stem = withoutEnding(piece);
        at = line.indexOf(stem, at);
        if (at < 0)
            return false;
        at += stem.size();
        any = true;
    }
    return any;
}
} // namespace

const FixedWord *FixedWords::find(const QList<FixedWord> &table, const QString &japaneseLine,
                                  const QString &englishWord, QString *japaneseFound)
{
    const QString word = englishWord.toLower();
    for (const FixedWord &row : table) {
        if (!row.english.toLower().split(u' ', Qt::SkipEmptyParts).contains(word))
            continue;
        for (const QString &jp : row.japanese) {
            if (standsIn(jp, japaneseLine)) {
                if (japaneseFound)
                    *japaneseFound = jp;
                return &row;
            }
        }
    }
    return nullptr;
}
