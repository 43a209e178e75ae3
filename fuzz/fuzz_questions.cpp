// The question reader over any file content.
#include "files/cp932.h"
#include "files/questionbank.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const ChapterQuestions chapter = parseQuestions(cp932::decode(bytes));
    if (chapter.items.size() > kMaxQuestions)
        abort();
    if (chapter.endedByMarker && chapter.ranShort)
        abort();
    for (const Question &q : chapter.items) {
        if (q.eng == QStringLiteral("*"))
            abort(); // the marker is never a question
    }
    return 0;
}
