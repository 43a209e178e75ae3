#include "content/scores.h"

#include "content/cp932.h"
#include "content/datafolder.h"
#include "content/questionbank.h"
#include "content/textreader.h"

#include <cmath>

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
    return ok && std::isfinite(value) ? value : 0;
}

ScoreFile readScores(const DataFolder &folder, const QString &fileName)
{
    ScoreFile file;
    const DataFolder::Read raw = folder.read(fileName);
    file.missing = raw.status == DataFolder::Read::Missing;
    file.unreadable = raw.status == DataFolder::Read::Failed;
    if (!raw.ok())
        file.problem = raw.problem;
    TextReader reader(cp932::decode(raw.bytes));
    file.records = reader.readFields(kChapterCount);
    if (raw.ok() && reader.ranShort())
        file.problem = QStringLiteral("成績ファイル「%1」の行が60行に足りません。足りない章は未受験として扱います。")
                           .arg(folder.displayName(fileName));
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
    if (current.unreadable)
        return current.problem; // never overwrite a file that could not be read
    if (const auto next = updatedScores(current.records, chapter, score))
        return writeScores(folder, fileName, *next);
    return {};
}
