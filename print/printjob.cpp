#include "print/printjob.h"

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
    if (!usable())
        return;
    if (!drawText(text, x_, y_, stayOnLine)) {
        fail(QString());
        return;
    }
    if (stayOnLine) {
        x_ += textWidth(text);
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
