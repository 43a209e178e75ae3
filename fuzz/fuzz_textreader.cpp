// Line and field reads over any bytes, and the code page 932 round trip.
#include "files/cp932.h"
#include "files/textreader.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString text = cp932::decode(bytes);

    TextReader lines(text);
    qsizetype consumed = 0;
    while (!lines.atEnd()) {
        consumed += lines.readLine().size();
        if (consumed > text.size())
            abort(); // a line read never yields more than the text holds
    }
    TextReader fields(text);
    for (int i = 0; i < 200 && !fields.atEnd(); ++i) {
        const QString f = fields.readField();
        if (f.contains(u'\r') || f.contains(u'\n'))
            abort(); // a field never spans a line end
    }

    const cp932::EncodeResult encoded = cp932::encode(text);
    if (encoded.ok() && cp932::decode(encoded.bytes) != text)
        abort(); // what was written reads back the same
    return 0;
}
