// The score file reader and the update rule over any file content.
#include "files/datafolder.h"
#include "files/scores.h"

#include <QDir>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    const DataFolder folder(dir.path());
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    if (!folder.write(QStringLiteral("tenj01.dat"), bytes).isEmpty())
        abort();
    const ScoreFile file = readScores(folder, QStringLiteral("tenj01.dat"));
    if (file.records.size() != 60)
        abort();
    const int chapter = size > 0 ? 1 + data[0] % 60 : 1;
    const int score = size > 1 ? data[1] % 101 : 100;
    const auto next = updatedScores(file.records, chapter, score);
    if (next) {
        // The rule never lowers a record and never touches another chapter.
        if (numericValue(next->at(chapter - 1)) < numericValue(file.records[chapter - 1]))
            abort();
        for (int i = 0; i < 60; ++i) {
            if (i != chapter - 1 && next->at(i) != file.records[i])
                abort();
        }
        if (numericValue(next->at(chapter - 1)) > kScoreRecordMax)
            abort();
    }
    return 0;
}
