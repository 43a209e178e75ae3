#include "print/printjob.h"

#include <algorithm>

void PrintJob::fail(const QString &problem)
{
    if (problem_.isEmpty())
        problem_ = problem.isEmpty() ? QStringLiteral("印刷できませんでした。") : problem;
}

void PrintJob::setFont(const PrintFont &font)
{
    if (!usable())
        return;
    font_ = font;
    applyFont(font_);
}

void PrintJob::setPosition(double x, double y)
{
    if (!usable())
        return;
    x_ = x;
    y_ = y;
}

void PrintJob::write(const QString &text, bool stayOnLine)
{
    put(text, stayOnLine, 1);
}

void PrintJob::writeWithin(const QString &text, double width, bool stayOnLine)
{
    if (!usable())
        return;
    // Narrowed to half its width at the most, beyond which it would not be read: the rest
    // of a text still wider is cut.
    constexpr double kNarrowest = 0.5;
    writeNarrowed(cutToWidth(text, width / kNarrowest), width, stayOnLine);
}

void PrintJob::writeNarrowed(const QString &text, double width, bool stayOnLine)
{
    if (!usable())
        return;
    const double natural = textWidth(text);
    put(text, stayOnLine, natural > width && width > 0 ? width / natural : 1);
}

QString PrintJob::cutToWidth(const QString &text, double width) const
{
    // Beginnings of growing length first, so that a text of megabytes costs no more than
    // the part of it that fits; then the longest fitting beginning by halving.
    qsizetype fits = 0, tooLong = -1;
    for (qsizetype n = 16; tooLong < 0; n *= 2) {
        const qsizetype length = std::min(n, text.size());
        if (textWidth(text.left(length)) > width)
            tooLong = length;
        else if (length == text.size())
            return text;
        else
            fits = length;
    }
    while (tooLong - fits > 1) {
        const qsizetype mid = (fits + tooLong) / 2;
        (textWidth(text.left(mid)) <= width ? fits : tooLong) = mid;
    }
    if (fits > 0 && text[fits - 1].isHighSurrogate())
        --fits; // never half a character
    return text.left(fits);
}

void PrintJob::put(const QString &text, bool stayOnLine, double narrowing)
{
    if (!usable())
        return;
    if (!drawText(text, x_, y_, stayOnLine, narrowing)) {
        fail(QString());
        return;
    }
    if (stayOnLine) {
        x_ += textWidth(text) * narrowing;
    } else {
        x_ = 0;
        y_ += lineHeight();
    }
}

void PrintJob::setPaperSize(PaperSize size)
{
    if (usable() && !applyPaperSize(size))
        fail(QStringLiteral("プリンターが用紙サイズ A4 を受け付けませんでした。"));
}

void PrintJob::setCopies(int copies)
{
    if (!usable())
        return;
    if (copies < 1 || !applyCopies(copies))
        fail(QStringLiteral("プリンターが印刷部数 %1 を受け付けませんでした。").arg(copies));
}

void PrintJob::newPage()
{
    if (usable() && !startPage())
        fail(QString());
}

void PrintJob::endDocument()
{
    if (ended_)
        return;
    if (problem_.isEmpty() && !finish())
        fail(QString());
    ended_ = true;
}

bool PrintJob::handOver()
{
    if (!ended_ || failed())
        return false;
    if (!deliver())
        fail(QString());
    return !failed();
}
