#include "files/scores.h"

#include "files/cp932.h"
#include "files/datafolder.h"
#include "files/questionbank.h"
#include "files/textreader.h"

#include <cmath>
#include <limits>

double numericValue(QStringView text)
{
    const auto isDigit = [&](qsizetype at) { return at < text.size() && text[at] >= u'0' && text[at] <= u'9'; };
    qsizetype i = 0;
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    const bool negative = i < text.size() && text[i] == u'-';
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+'))
        ++i;
    bool anyDigit = isDigit(i);
    while (isDigit(i) && text[i] == u'0')
        ++i;
    const qsizetype whole = i;
    while (isDigit(i))
        ++i;
    const qsizetype wholeDigits = i - whole;
    qsizetype fraction = i, fractionDigits = 0;
    if (i < text.size() && text[i] == u'.') {
        fraction = ++i;
        while (isDigit(i))
            ++i;
        fractionDigits = i - fraction;
        anyDigit = anyDigit || fractionDigits > 0;
    }
    if (!anyDigit)
        return 0;
    // A whole part of hundreds of digits is beyond a double but still larger than any score,
    // not 0 (a lower score must not replace it). Only the first digits of a fraction count;
    // the rest need not be converted (a record can be megabytes of digits).
    const double largest = std::numeric_limits<double>::max();
    constexpr qsizetype kDoubleDigits = 309;
    if (wholeDigits > kDoubleDigits)
        return negative ? -largest : largest;
    QString number = text.mid(whole, wholeDigits).toString();
    if (fractionDigits > 0)
        number += QLatin1Char('.') + text.mid(fraction, std::min<qsizetype>(fractionDigits, 40)).toString();
    bool ok = false;
    double value = number.isEmpty() ? 0 : number.toDouble(&ok);
    if (!std::isfinite(value) || (!ok && wholeDigits > 0))
        value = largest;
    else if (!ok)
        value = 0; // a fraction too small for a double
    return negative ? -value : value;
}

ScoreFile readScores(const DataFolder &folder, const QString &fileName)
{
    ScoreFile file;
    const DataFolder::Read raw = folder.read(fileName);
    file.missing = raw.status == DataFolder::Read::Missing;
    file.unreadable = raw.status == DataFolder::Read::Failed;
    if (!raw.ok())
        file.problem = raw.problem;
    const QString text = cp932::decode(raw.bytes);
    TextReader reader(text);
    file.records = reader.readFields(kChapterCount);
    if (raw.ok() && reader.ranShort())
        file.problem = QStringLiteral("成績ファイル「%1」の行が60行に足りません。足りない章は未受験として扱います。")
                           .arg(folder.displayName(fileName));
    // Written back, such a file would lose the bytes that could not be read.
    if (DataFolder::undecodable(text)) {
        file.undecodable = true;
        file.problem = folder.undecodableProblem(fileName) + QStringLiteral("このファイルには成績を書き込みません。");
    }
    return file;
}

std::optional<QStringList> updatedScores(const QStringList &records, int chapter, int score)
{
    if (chapter < 1 || chapter > kChapterCount || records.size() < kChapterCount)
        return std::nullopt;
    QStringList next = records;
    QString &record = next[chapter - 1];
    const double value = numericValue(record);
    // Rounded half to even, as the record is held in a whole number.
    const double old = std::nearbyint(value);

    if (score == 100 && old >= 100) {
        if (old >= kScoreRecordMax)
            return std::nullopt; // stays at the largest value a record holds
        record = QString::number(qint64(old) + 1);
        return next;
    }
    if (value < score) {
        record = QString::number(score);
        return next;
    }
    return std::nullopt;
}

bool isFinished(const QString &inOrderRecord, const QString &randomRecord)
{
    return numericValue(inOrderRecord) > 99 && numericValue(randomRecord) > 99;
}

QString writeScores(const DataFolder &folder, const QString &fileName, const QStringList &records)
{
    return folder.writeLines(fileName, records.mid(0, kChapterCount));
}

QString clearScores(const DataFolder &folder, const QString &inOrderFile, const QString &randomFile)
{
    const QStringList empty(kChapterCount, QString());
    QString problem = writeScores(folder, inOrderFile, empty);
    if (!problem.isEmpty())
        return problem;
    return writeScores(folder, randomFile, empty);
}

QString storeScore(const DataFolder &folder, const QString &fileName, int chapter, int score)
{
    const ScoreFile current = readScores(folder, fileName);
    if (current.unreadable || current.undecodable)
        return current.problem; // never overwrite a file that could not be read
    if (const auto next = updatedScores(current.records, chapter, score))
        return writeScores(folder, fileName, *next);
    return {};
}
