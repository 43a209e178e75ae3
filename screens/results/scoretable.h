#pragma once
// The colour table of 成績表 (tableBox): three blocks of 20 chapters, each row a number,
// a title and the J and R score cells, drawn in pixels into an image that the screen shows.
// Text is drawn without smoothing, so drawing the same table again changes no pixel.
#include "files/questionbank.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>
#include <array>

class QPainter;
class ScoreSheet;

class ScoreTable {
public:
    static constexpr int kWidth = 790;
    static constexpr int kHeight = 497;

    explicit ScoreTable(ScoreSheet &sheet);

    const QImage &image() const { return image_; }
    int drawCount() const { return drawCount_; } // how often drawTable ran

    // Headings, grid, numbers, titles and scores of all 60 chapters, over what is there.
    void drawTable();
    // Blanks the inside of every title, J and R cell (not the numbers, not the grid).
    void blankCells();
    // True when the last drawTable drew exactly the titles and scores the sheet holds now.
    bool showsSheet() const;

    // Layout in pixels, set at the start of every drawTable.
    int OrgX = 0, RowH = 0, BlockW = 0, CellTop = 0, CellBottom = 0, OrgY = 0;

private:
    void setLayout();
    // The cell routines work on chapter RowNo of the sheet.
    const QString &record(bool randomColumn) const;
    void printFullMarkRuns(bool randomColumn);
    void printStored(bool randomColumn);
    void fillScoreCell(bool randomColumn);
    void scoreCell(bool randomColumn);

    int left() const;  // L: left edge of RowNo's block
    int row() const;   // r: RowNo's row in its block, 1 to 20
    void fillInside(int x1, int x2);

    // The drawing surface: current colour, font size and position, as the table routines use them.
    void setFontSize(int points);
    void print(const QString &text);
    void box(int x1, int y1, int x2, int y2);     // outline, both corners included
    void fillBox(int x1, int y1, int x2, int y2); // filled, both corners included

    ScoreSheet &sheet_;
    QImage image_;
    QPainter *painter_ = nullptr;
    QColor ForeColor;
    QFont font_;
    int CurrentX = 0;
    int CurrentY = 0;
    int drawCount_ = 0;
    bool drawn_ = false;
    std::array<QString, kChapterCount + 1> drawnTitles_, drawnJ_, drawnR_;
};
