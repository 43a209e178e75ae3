#include "screens/record/chapterchart.h"

#include "look/fonts.h"
#include "look/palette.h"

#include <QKeyEvent>
#include <QPainter>
#include <QWheelEvent>

namespace {
// Columns: chapter, last, best, passes, the line of scores.
constexpr int kColumns[] = {6, 64, 112, 160, 210};
} // namespace

ChapterChart::ChapterChart(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleDescription(QStringLiteral("章ごとの成績。上下の矢印キーで章を選びます。"));
}

QString ChapterChart::rowText(const ChapterStudy &c)
{
    QStringList scores;
    for (int s : c.scores)
        scores << QString::number(s);
    return QStringLiteral("No.%1　最新 %2点　最高 %3点　%4回　推移 %5")
        .arg(c.chapter)
        .arg(c.last())
        .arg(c.best())
        .arg(c.passes())
        .arg(scores.join(QStringLiteral(", ")));
}

void ChapterChart::setChapters(const QList<ChapterStudy> &chapters)
{
    chapters_ = chapters;
    first_ = 0;
    chosen_ = -1;
    choose(0);
    if (chapters_.isEmpty())
        setAccessibleName(QStringLiteral("まだ記録がありません"));
    update();
}

void ChapterChart::choose(int row)
{
    if (chapters_.isEmpty())
        return;
    chosen_ = std::clamp(row, 0, int(chapters_.size()) - 1);
    if (chosen_ < first_)
        first_ = chosen_;
    if (chosen_ >= first_ + rowsShown())
        first_ = chosen_ - rowsShown() + 1;
    setAccessibleName(rowText(chapters_[chosen_]));
    update();
}

void ChapterChart::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), kDarkGrey);
    p.setFont(fonts::font(fonts::PGothic, 10));
    p.setPen(paletteColour(pal::Green));
    const QString heads[] = {QStringLiteral("章"), QStringLiteral("最新"), QStringLiteral("最高"), QStringLiteral("回数"),
                             QStringLiteral("推移")};
    for (int c = 0; c < 5; ++c)
        p.drawText(QRect(kColumns[c], 0, 60, kHeadHeight), Qt::AlignVCenter, heads[c]);
    if (chapters_.isEmpty()) {
        p.setPen(Qt::white);
        p.drawText(QRect(kColumns[0], kHeadHeight, width(), kRowHeight), Qt::AlignVCenter,
                   QStringLiteral("まだ記録がありません"));
        return;
    }
    const int lineWidth = width() - kColumns[4] - 8;
    for (int r = 0; r < rowsShown() && first_ + r < chapters_.size(); ++r) {
        const int i = first_ + r;
        const ChapterStudy &c = chapters_[i];
        const QRect row(0, kHeadHeight + r * kRowHeight, width(), kRowHeight);
        if (i == chosen_)
            p.fillRect(row, hasFocus() ? paletteColour(pal::Navy) : QColor(90, 90, 90));
        p.setPen(Qt::white);
        const QString cells[] = {QStringLiteral("No.%1").arg(c.chapter), QString::number(c.last()),
                                 QString::number(c.best()), QStringLiteral("%1回").arg(c.passes())};
        for (int col = 0; col < 4; ++col)
            p.drawText(QRect(kColumns[col], row.y(), kColumns[col + 1] - kColumns[col] - 4, kRowHeight),
                       Qt::AlignVCenter, cells[col]);
        // The scores pass by pass, 0 at the bottom of the row and 100 at its top; the last
        // twenty passes when there are more.
        const qsizetype n = std::min<qsizetype>(c.scores.size(), 20);
        const QList<int> shown = c.scores.mid(c.scores.size() - n);
        const auto at = [&](qsizetype k) {
            const double x = kColumns[4] + (n == 1 ? lineWidth / 2.0 : double(k) * lineWidth / double(n - 1));
            return QPointF(x, row.bottom() - 3 - shown[k] * (kRowHeight - 7) / 100.0);
        };
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(paletteColour(pal::Cyan), 1.5));
        for (qsizetype k = 1; k < n; ++k)
            p.drawLine(at(k - 1), at(k));
        p.setBrush(paletteColour(pal::Yellow));
        p.setPen(Qt::NoPen);
        p.drawEllipse(at(n - 1), 2.5, 2.5);
        p.setRenderHint(QPainter::Antialiasing, false);
    }
}

void ChapterChart::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Up: choose(chosen_ - 1); break;
    case Qt::Key_Down: choose(chosen_ + 1); break;
    case Qt::Key_PageUp: choose(chosen_ - rowsShown()); break;
    case Qt::Key_PageDown: choose(chosen_ + rowsShown()); break;
    case Qt::Key_Home: choose(0); break;
    case Qt::Key_End: choose(int(chapters_.size()) - 1); break;
    default: QWidget::keyPressEvent(event);
    }
}

void ChapterChart::wheelEvent(QWheelEvent *event)
{
    const int maxFirst = std::max(0, int(chapters_.size()) - rowsShown());
    first_ = std::clamp(first_ - event->angleDelta().y() / 40, 0, maxFirst);
    update();
}

void ChapterChart::mousePressEvent(QMouseEvent *event)
{
    const int y = event->position().toPoint().y() - kHeadHeight;
    if (y >= 0)
        choose(first_ + y / kRowHeight);
    setFocus();
}
