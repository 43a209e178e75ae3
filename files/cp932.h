#pragma once
// Conversion between the data files' code page 932 (Windows-31J) bytes and text.
// Decoding never fails: a byte sequence that is not code page 932 becomes U+FFFD at that spot.
// Encoding fails, visibly, on the first character that code page 932 cannot hold.
#include <QByteArray>
#include <QString>
#include <optional>

namespace cp932 {

QString decode(QByteArrayView bytes);

struct EncodeResult {
    QByteArray bytes;
    std::optional<QString> badCharacter; // set when the text cannot be written
    bool ok() const { return !badCharacter.has_value(); }
};

EncodeResult encode(QStringView text);

// A short Japanese description of a character that cannot be written, e.g. "「😀」(U+1F600)".
QString describeCharacter(const QString &character);

} // namespace cp932
