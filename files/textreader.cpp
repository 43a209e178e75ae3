#include "files/textreader.h"

namespace {
bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }
bool isLineEnd(QChar c) { return c == u'\r' || c == u'\n'; }

// The first position from `from` whose character ends a line or is `stop` (the text's size
// when none). On the raw characters: a file can be megabytes long.
qsizetype scan(const QString &text, qsizetype from, QChar stop)
{
    const QChar *data = text.constData();
    const qsizetype size = text.size();
    while (from < size && !isLineEnd(data[from]) && data[from] != stop)
        ++from;
    return from;
}
} // namespace

bool TextReader::atLineEnd() const
{
    return atEnd() || isLineEnd(text_[pos_]);
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
    pos_ = scan(text_, pos_, u'\n');
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
        pos_ = scan(text_, pos_, u'"');
        field = text_.mid(start, pos_ - start);
        pos_ = scan(text_, pos_, u',');
    } else {
        const qsizetype start = pos_;
        pos_ = scan(text_, pos_, u',');
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
