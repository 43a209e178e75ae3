// The course title, chapter names and chapter titles over any file content.
#include "files/coursefiles.h"
#include "files/datafolder.h"

#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    const DataFolder folder(dir.path());
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    for (const QString &name : {kCourseTitleFile, kChapterNamesFile, kChapterTitlesFile}) {
        if (!folder.write(name, bytes).isEmpty())
            abort();
    }
    readCourseTitle(folder);
    if (readChapterLines(folder, kChapterNamesFile).size() > 60)
        abort();
    if (readChapterFields(folder, kChapterTitlesFile).size() != 60)
        abort();
    return 0;
}
