// Measures the word test's note on a labelled set of typed answers: how many answers it names
// right and how many wrong claims it makes, per tag and in total, and which rows it got wrong.
//
//   eitango_mistake_eval [--all] labelled.tsv
//
// With --all every row is listed with its note, not only the rows it got wrong.
//
// The file is UTF-8, one answer a line: japanese<TAB>expected<TAB>typed<TAB>tags, where tags
// are the tag names without brackets, joined by commas, or 遠い for an answer far from the
// expected one; lines starting with # are comments.
#include "rules/tests/mistakeclassifier.h"

#include <QCoreApplication>
#include <QFile>
#include <QMap>
#include <QSet>
#include <QStringList>
#include <QTextStream>

#include <cstdio>

namespace {

const QString kFar = QStringLiteral("遠い");

struct Tally {
    int rows = 0;
    int right = 0;
    int wrongClaims = 0;
};

void print(const QString &line)
{
    std::fputs(line.toUtf8().constData(), stdout);
    std::fputc('\n', stdout);
}

QString percent(int part, int whole)
{
    return whole == 0 ? QStringLiteral("-") : QString::number(100.0 * part / whole, 'f', 1) + u'%';
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const bool listAll = argc == 3 && QByteArray(argv[1]) == "--all";
    if (argc != 2 && !listAll) {
        std::fputs("使い方: eitango_mistake_eval [--all] ラベル付きの答え.tsv\n", stderr);
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[argc - 1]);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "%s を開けません: %s\n", qPrintable(path), qPrintable(file.errorString()));
        return 2;
    }
    const QStringList tags = {MistakeClassifier::Case,      MistakeClassifier::Punctuation, MistakeClassifier::Space,
                              MistakeClassifier::Contraction, MistakeClassifier::Number,    MistakeClassifier::Spelling,
                              MistakeClassifier::Article,   MistakeClassifier::Plural,      MistakeClassifier::ThirdPerson,
                              MistakeClassifier::VerbForm,  MistakeClassifier::WordOrder,   MistakeClassifier::Word,
                              kFar};
    const MistakeClassifier classifier;
    QMap<QString, Tally> perTag;
    Tally total;
    QStringList misses;
    int lineNo = 0;
    for (const QByteArray &raw : file.readAll().split('\n')) {
        ++lineNo;
        QString line = QString::fromUtf8(raw);
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.trimmed().isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList cols = line.split(u'\t');
        if (cols.size() != 4) {
            std::fprintf(stderr, "%d行目: 列が4つではありません（%lld列）。\n", lineNo, qlonglong(cols.size()));
            return 2;
        }
        QSet<QString> label;
        for (const QString &t : cols[3].split(u',', Qt::SkipEmptyParts)) {
            const QString tag = t.trimmed();
            if (!tags.contains(tag)) {
                std::fprintf(stderr, "%d行目: 「%s」というタグはありません。\n", lineNo, qPrintable(tag));
                return 2;
            }
            label.insert(tag);
        }
        if (label.isEmpty()) {
            std::fprintf(stderr, "%d行目: タグがありません。\n", lineNo);
            return 2;
        }
        const QList<MistakeNote> notes = classifier.classify(cols[0], cols[1], cols[2].trimmed());
        QSet<QString> claimed;
        for (const MistakeNote &n : notes)
            claimed.insert(n.tag);
        const bool far = label.contains(kFar);
        QStringList wrong;
        for (const QString &c : std::as_const(claimed)) {
            if (far ? MistakeClassifier::isSmallKind(c) : !label.contains(c))
                wrong << c;
        }
        const bool right = far ? wrong.isEmpty() : claimed == label;
        ++total.rows;
        total.right += right ? 1 : 0;
        total.wrongClaims += int(wrong.size());
        for (const QString &l : std::as_const(label)) {
            ++perTag[l].rows;
            perTag[l].right += right ? 1 : 0;
        }
        for (const QString &w : std::as_const(wrong))
            ++perTag[w].wrongClaims;
        if (listAll || !right || !wrong.isEmpty()) {
            misses << QStringLiteral("%1%2行目\t%3\t%4\tラベル: %5\t→ %6").arg(right && wrong.isEmpty() ? QStringLiteral("  ") : QStringLiteral("✗ ")).arg(lineNo).arg(cols[1], cols[2], cols[3],
                                                                               notes.isEmpty() ? QStringLiteral("（なし）")
                                                                                               : MistakeClassifier::noteLine(notes));
        }
    }
    print(QStringLiteral("タグ\t行\t正しく\t誤った指摘"));
    for (const QString &tag : tags) {
        const Tally t = perTag.value(tag);
        if (t.rows == 0 && t.wrongClaims == 0)
            continue;
        print(QStringLiteral("%1\t%2\t%3 (%4)\t%5").arg(tag).arg(t.rows).arg(t.right).arg(percent(t.right, t.rows)).arg(t.wrongClaims));
    }
    print(QStringLiteral("合計\t%1\t%2 (%3)\t%4 (%5)")
              .arg(total.rows)
              .arg(total.right)
              .arg(percent(total.right, total.rows))
              .arg(total.wrongClaims)
              .arg(percent(total.wrongClaims, total.rows)));
    if (!misses.isEmpty()) {
        print(QString());
        print(listAll ? QStringLiteral("すべての行（✗ はまちがえた行）:") : QStringLiteral("まちがえた行:"));
        for (const QString &m : std::as_const(misses))
            print(m);
    }
    return 0;
}
