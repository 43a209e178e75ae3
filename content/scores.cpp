#include "content/scores.h"

#include "content/cp932.h"
#include "content/datafolder.h"
#include "content/questionbank.h"
#include "content/textreader.h"

#include <cmath>
#include <limits>

double numericValue(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    const qsizetype start = i;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+'))
        ++i;
    const qsizetype digitsStart = i;
    while (i < text.size() && text[i] >= u'0' && text[i] <= u'9')
        ++i;
    bool anyDigit = i > digitsStart;
    if (i < text.size() && text[i] == u'.') {
        ++i;
        const qsizetype fraction = i;
        while (i < text.size() && text[i] >= u'0' && text[i] <= u'9')
            ++i;
        anyDigit = anyDigit || i > fraction;
    }
    if (!anyDigit)
        return 0;
    bool ok = false;
    const double value = text.mid(start, i - start).toString().toDouble(&ok);
    if (ok && std::isfinite(value))
        return value;
    // Out of the range of a double: a whole part of hundreds of digits is still larger than
    // any score, not 0 (a lower score must not replace it); a fraction that small is 0.
    for (qsizetype d = digitsStart; d < text.size() && text[d] >= u'0' && text[d] <= u'9'; ++d) {
        if (text[d] != u'0')
            return text[start] == u'-' ? -std::numeric_limits<double>::max() : std::numeric_limits<double>::max();
    }
    return 0;
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
