#include "scorefiles.h"

#include "files/questionbank.h"

QStringList scoreRecords(std::initializer_list<std::pair<int, QString>> chapters)
{
    QStringList records(kChapterCount, QString());
    for (const auto &[chapter, text] : chapters)
        records[chapter - 1] = text;
    return records;
}

QByteArray scoreFileBytes(const QStringList &records)
{
    QByteArray out;
    for (const QString &record : records)
        out += record.toLatin1() + "\r\n";
    return out;
}

QByteArray emptyScoreFile()
{
    return QByteArray("\r\n").repeated(kChapterCount);
}
