#include "screens/results/scoretable.h"

#include "files/questionbank.h"
#include "files/scores.h"
#include "look/fonts.h"
#include "look/palette.h"
#include "rules/results/scoresheet.h"
#include "rules/select/chaptercursor.h"

#include <QFontMetrics>
#include <QPainter>

namespace {
constexpr int kDotsPerMeter96 = 3780; // 96 dots an inch: points to pixels as on the screen
} // namespace

ScoreTable::ScoreTable(ScoreSheet &sheet) : sheet_(sheet), image_(kWidth, kHeight, QImage::Format_RGB32)
{
    image_.setDotsPerMeterX(kDotsPerMeter96);
    image_.setDotsPerMeterY(kDotsPerMeter96);
    image_.fill(Qt::black);
    setFontSize(10);
}

int ScoreTable::left() const
{
    return OrgX + (sheet_.RowNo - 1) / kBlockSize * BlockW;
}

int ScoreTable::row() const
{
    return sheet_.RowNo - (sheet_.RowNo - 1) / kBlockSize * kBlockSize;
}

void ScoreTable::setFontSize(int points)
{
    font_ = fonts::font(fonts::PGothic, points);
    font_.setStyleStrategy(QFont::NoAntialias);
}

void ScoreTable::print(const QString &text)
{
    painter_->setFont(font_);
    painter_->setPen(ForeColor);
    const QFontMetrics metrics(font_, &image_);
    painter_->drawText(QPoint(CurrentX, CurrentY + metrics.ascent()), text);
    CurrentX += metrics.horizontalAdvance(text);
}

void ScoreTable::box(int x1, int y1, int x2, int y2)
{
    fillBox(x1, y1, x2, y1);
    fillBox(x1, y2, x2, y2);
    fillBox(x1, y1, x1, y2);
    fillBox(x2, y1, x2, y2);
}

void ScoreTable::fillBox(int x1, int y1, int x2, int y2)
{
    painter_->fillRect(QRect(QPoint(x1, y1), QPoint(x2, y2)), ForeColor);
}

void ScoreTable::fillInside(int x1, int x2)
{
    const int r = row();
    fillBox(x1, r * RowH - CellTop + OrgY + 1, x2, r * RowH + CellBottom + OrgY - 1);
}

// The J or the R cell of chapter RowNo, one pixel inside the green outline.
void ScoreTable::fillScoreCell(bool randomColumn)
{
    const int x = left() + (randomColumn ? 224 : 197);
    fillInside(x, x + 25);
}

// The table's layout in pixels of the table area.
void ScoreTable::setLayout()
{
    OrgX = 19;
    RowH = 22;
    BlockW = 250;
    CellTop = 6;
    CellBottom = 16;
    OrgY = 20;
}

void ScoreTable::blankCells()
{
    QPainter painter(&image_);
    painter_ = &painter;
    setLayout(); // as drawTable sets it, also before the first drawTable
    ForeColor = paletteColour(pal::Black);
    const int shown = sheet_.RowNo;
    for (int n = 1; n <= kChapterCount; ++n) {
        sheet_.RowNo = n;
        fillInside(left() + 21, left() + 195);
        fillInside(left() + 197, left() + 222);
        fillInside(left() + 224, left() + 249);
    }
    sheet_.RowNo = shown;
    painter_ = nullptr;
}

const QString &ScoreTable::record(bool randomColumn) const
{
    return randomColumn ? sheet_.randomScores[sheet_.RowNo] : sheet_.inOrderScores[sheet_.RowNo];
}

// The part above 100 of the record, in the current colour.
void ScoreTable::printFullMarkRuns(bool randomColumn)
{
    print(QString::number(numericValue(record(randomColumn)) - 100));
}

// The record as stored, in white.
void ScoreTable::printStored(bool randomColumn)
{
    ForeColor = paletteColour(pal::White);
    print(record(randomColumn));
}

void ScoreTable::scoreCell(bool randomColumn)
{
    const double v = numericValue(record(randomColumn));
    const int column = randomColumn ? 27 : 0; // the R cell stands 27 pixels right of the J cell
    auto fill = [&] { fillScoreCell(randomColumn); };
    auto writeStored = [&] { printStored(randomColumn); };
    CurrentY = row() * RowH + OrgY;

    if (v > 100) {
        // Full marks again: the number of further full-mark runs on magenta.
        ForeColor = paletteColour(pal::Magenta);
        fill();
        ForeColor = paletteColour(pal::White);
        CurrentX = left() + (v > 109 ? 207 : 214) + column;
        printFullMarkRuns(randomColumn);
    } else if (v == 100) {
        ForeColor = paletteColour(pal::Blue);
        fill();
        CurrentX = left() + 200 + column;
        writeStored();
    } else if (v > 79) {
        ForeColor = paletteColour(pal::Navy);
        fill();
        CurrentX = left() + 207 + column;
        writeStored();
    } else if (v > 9) {
        CurrentX = left() + 207 + column;
        writeStored();
    }
}

void ScoreTable::drawTable()
{
    setLayout();
    QPainter painter(&image_);
    painter_ = &painter;

    setFontSize(12);
    for (int block = 0; block < 3; ++block) {
        const int L = OrgX + block * BlockW;
        ForeColor = paletteColour(pal::Green);
        CurrentY = RowH - 6;
        CurrentX = L + 24;
        print(QStringLiteral("項目名"));
        CurrentX = L + 206;
        print(QStringLiteral("J"));
        CurrentX = L + 233;
        print(QStringLiteral("R"));
    }

    setFontSize(10);
    ForeColor = paletteColour(pal::Green);
    for (int r = 1; r <= kBlockSize; ++r) {
        const int top = r * RowH - CellTop + OrgY;
        const int bottom = r * RowH + CellBottom + OrgY;
        for (int block = 0; block < kBlocks; ++block) {
            const int L = OrgX + block * BlockW;
            box(L, top, L + 20, bottom);
            box(L + 20, top, L + 196, bottom);
            box(L + 196, top, L + 223, bottom);
            box(L + 223, top, L + 250, bottom);
        }
    }

    for (int n = 1; n <= kChapterCount; ++n) {
        sheet_.RowNo = n;
        const int L = left();
        const int r = row();
        ForeColor = paletteColour(pal::Green);
        CurrentX = n < 10 ? L + 12 : L + 5;
        CurrentY = r * RowH + OrgY;
        print(QString::number(n));

        // A long title stays inside its own cell instead of running over the scores.
        ForeColor = paletteColour(pal::White);
        setFontSize(11);
        CurrentX = L + 26;
        CurrentY = r * RowH + 18;
        painter.setClipRect(QRect(QPoint(L + 21, r * RowH - CellTop + OrgY + 1), QPoint(L + 195, r * RowH + CellBottom + OrgY - 1)));
        print(sheet_.TitleLine[n]);
        painter.setClipping(false);
        setFontSize(10);

        scoreCell(false);
        scoreCell(true);
    }

    painter_ = nullptr;
    ++drawCount_;
    drawn_ = true;
    drawnTitles_ = sheet_.TitleLine;
    drawnJ_ = sheet_.inOrderScores;
    drawnR_ = sheet_.randomScores;
}

bool ScoreTable::showsSheet() const
{
    return drawn_ && drawnTitles_ == sheet_.TitleLine && drawnJ_ == sheet_.inOrderScores && drawnR_ == sheet_.randomScores;
}
