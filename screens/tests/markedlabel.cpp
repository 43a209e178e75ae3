#include "screens/tests/markedlabel.h"

#include "look/markcolours.h"

#include <QPainter>

void MarkedLabel::setMarks(const QList<bool> &marks)
{
    marks_ = marks;
    update();
}

bool MarkedLabel::hasMarks() const
{
    return marks_.size() == text().size() && marks_.contains(true);
}

void MarkedLabel::paintEvent(QPaintEvent *event)
{
    if (!hasMarks()) {
        ClickLabel::paintEvent(event);
        return;
    }
    // Drawn run by run, left-aligned and centred in height as the plain label draws it.
    QPainter painter(this);
    const QRect area = contentsRect();
    const QFontMetrics metrics(font());
    const int baseline = area.top() + (area.height() - metrics.height()) / 2 + metrics.ascent();
    const QString line = text();
    const MarkColours mark = markcolours::forLine(textColour());
    int x = area.left();
    for (qsizetype start = 0; start < line.size();) {
        qsizetype end = start;
        while (end < line.size() && marks_[end] == marks_[start])
            ++end;
        const QString run = line.mid(start, end - start);
        const int width = metrics.horizontalAdvance(run);
        if (marks_[start])
            painter.fillRect(x, area.top(), width, area.height(), mark.background);
        painter.setPen(marks_[start] ? mark.letters : textColour());
        painter.drawText(x, baseline, run);
        x += width;
        start = end;
    }
}
