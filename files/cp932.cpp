#include "files/cp932.h"

#include <QList>

#include <cerrno>
#include <iconv.h>

namespace cp932 {
namespace {

// glibc's "CP932" matches Windows for every byte, control bytes included, and maps the
// look-alike characters that Linux input methods produce (U+301C, U+2212, ...) onto
// their code page 932 bytes. "SHIFT_JIS" would be strict JIS and turn 0x5C into a yen sign.
constexpr const char *kCodePage = "CP932";
constexpr const char *kUtf16 = "UTF-16LE";

class Converter {
public:
    Converter(const char *to, const char *from) : cd_(iconv_open(to, from)) {}
    ~Converter() { if (valid()) iconv_close(cd_); }
    Converter(const Converter &) = delete;
    Converter &operator=(const Converter &) = delete;
    bool valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
    iconv_t handle() const { return cd_; }
private:
    iconv_t cd_;
};

} // namespace

QString decode(QByteArrayView bytes)
{
    QString out;
    if (bytes.isEmpty())
        return out;
    Converter conv(kUtf16, kCodePage);
    if (!conv.valid())
        return QString::fromLatin1(bytes);
    out.reserve(bytes.size());

    QByteArray buffer(bytes.size() * 4 + 16, Qt::Uninitialized);
    char *in = const_cast<char *>(bytes.data());
    size_t inLeft = size_t(bytes.size());
    while (inLeft > 0) {
        char *outPtr = buffer.data();
        size_t outLeft = size_t(buffer.size());
        const size_t rc = iconv(conv.handle(), &in, &inLeft, &outPtr, &outLeft);
        const qsizetype produced = buffer.size() - qsizetype(outLeft);
        out.append(reinterpret_cast<const QChar *>(buffer.constData()), produced / 2);
        if (rc == size_t(-1)) {
            if (errno == E2BIG)
                continue;
            // EILSEQ: not code page 932; EINVAL: a lead byte cut off at the end of the file.
            out.append(QChar::ReplacementCharacter);
            ++in;
            --inLeft;
            iconv(conv.handle(), nullptr, nullptr, nullptr, nullptr);
        }
    }
    return out;
}

EncodeResult encode(QStringView text)
{
    EncodeResult result;
    if (text.isEmpty())
        return result;
    Converter conv(kCodePage, kUtf16);
    if (!conv.valid()) {
        result.badCharacter = QString();
        return result;
    }
    QByteArray buffer(text.size() * 2 + 16, Qt::Uninitialized);
    char *in = reinterpret_cast<char *>(const_cast<QChar *>(text.data()));
    size_t inLeft = size_t(text.size()) * 2;
    while (inLeft > 0) {
        char *outPtr = buffer.data();
        size_t outLeft = size_t(buffer.size());
        const size_t rc = iconv(conv.handle(), &in, &inLeft, &outPtr, &outLeft);
        result.bytes.append(buffer.constData(), buffer.size() - qsizetype(outLeft));
        if (rc == size_t(-1)) {
            if (errno == E2BIG)
                continue;
            const qsizetype at = text.size() - qsizetype(inLeft / 2);
            const bool pair = at + 1 < text.size() && text[at].isHighSurrogate() && text[at + 1].isLowSurrogate();
            result.badCharacter = text.mid(at, pair ? 2 : 1).toString();
            result.bytes.clear();
            return result;
        }
    }
    return result;
}

QString describeCharacter(const QString &character)
{
    if (character.isEmpty())
        return QStringLiteral("（文字コードの変換ができません）");
    const char32_t code = character.toUcs4().value(0);
    return QStringLiteral("「%1」(U+%2)").arg(character, QString::number(uint(code), 16).toUpper().rightJustified(4, u'0'));
}

} // namespace cp932
