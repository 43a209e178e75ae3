#include "content/textreader.h"

namespace {
bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }
} // namespace

bool TextReader::atLineEnd() const
{
    return atEnd() || text_[pos_] == u'\r' || text_[pos_] == u'\n';
}

void TextReader::skipLineEnd()
{
    if (atEnd())
        return;
    if (text_[pos_] == u'\r') {
        ++pos_;
        if (!atEnd() && text_[pos_] == u'\n')
            ++pos_;
    } else if (text_[pos_] == u'\n') {
        ++pos_;
    }
}

QString TextReader::readLine()
{
    if (atEnd()) {
        ranShort_ = true;
        return {};
    }
    const qsizetype start = pos_;
    while (!atLineEnd())
        ++pos_;
    QString line = text_.mid(start, pos_ - start);
    skipLineEnd();
    return line;
}

QString TextReader::readField()
{
    if (atEnd()) {
        ranShort_ = true;
        return {};
    }
    while (!atLineEnd() && isBlank(text_[pos_]))
        ++pos_;

    QString field;
    if (!atLineEnd() && text_[pos_] == u'"') {
        ++pos_;
        const qsizetype start = pos_;
        while (!atLineEnd() && text_[pos_] != u'"')
            ++pos_;
        field = text_.mid(start, pos_ - start);
        while (!atLineEnd() && text_[pos_] != u',')
            ++pos_;
    } else {
        const qsizetype start = pos_;
        while (!atLineEnd() && text_[pos_] != u',')
            ++pos_;
        qsizetype end = pos_;
        while (end > start && isBlank(text_[end - 1]))
            --end;
        field = text_.mid(start, end - start);
    }
    if (!atEnd() && text_[pos_] == u',')
        ++pos_;
    else
        skipLineEnd();
    return field;
}

QStringList TextReader::readFields(int n)
{
    QStringList fields;
    fields.reserve(n);
    for (int i = 0; i < n; ++i)
        fields.append(readField());
    return fields;
}

QString joinLinesCrLf(const QStringList &lines)
{
    QString out;
    for (const QString &line : lines) {
        out += line;
        out += QStringLiteral("\r\n");
    }
    return out;
}
