#include "print/scoresheetprint.h"

#include "files/scores.h"
#include "print/printjob.h"
#include "print/printprimitives.h"
#include "rules/select/chaptercursor.h"
#include "rules/sharedstate.h"

namespace {
// The white left between a text and the next one to its right: about one blank.
constexpr int kGap = 60;
} // namespace

ScoreSheetPrint::ScoreSheetPrint(const ScoreSheetKinds &k, PrintJob &printer) : kinds(k), Printer(printer) {}

void ScoreSheetPrint::printAllKinds()
{
    // A4 as the rows are laid out for: on Letter paper the last rows would be lost.
    Printer.setPaperSize(PaperSize::A4);
    SheetKind = 1;
    printHeading();
    printUpperHalf();
    SheetKind = 2;
    printLowerHalf();
    SheetKind = 3;
    printHeading();
    printUpperHalf();
}

void ScoreSheetPrint::printHeading()
{
    setMincho12(Printer);
    Printer.setPosition(480, 540);
    Printer.write(QStringLiteral("＜＜全て＞＞") + QStringLiteral("の成績結果"));
    Printer.setPosition(9200, 540);
    Printer.write(QStringLiteral("英語テスト成績表"));
}

void ScoreSheetPrint::printUpperHalf()
{
    HeadX = {0, 3220, 3620, 3600};
    HeadY = {0, 2100};
    NumX = {0, 360, 3100, 3500};
    ColOff = {0, 120, 3600, 110};
    LineY = {0, 2100, 300};
    printKind(1500);
    if (SheetKind == 3)
        Printer.endDocument();
}

void ScoreSheetPrint::printLowerHalf()
{
    HeadY[1] = 9400;
    LineY[1] = 9400;
    printKind(8800);
    Printer.newPage();
}

void ScoreSheetPrint::printKind(int titleY)
{
    const ScoreSheetKind &kind = kinds[size_t(SheetKind - 1)];
    setMincho16(Printer);
    Printer.setPosition(480, titleY);
    Printer.write(kind.name);

    setPGothic12(Printer);
    for (int column = 0; column < kBlocks; ++column) {
        Printer.setPosition(HeadX[1] + column * HeadX[3], HeadY[1]);
        Printer.write(QStringLiteral("J"));
        Printer.setPosition(HeadX[2] + column * HeadX[3], HeadY[1]);
        Printer.write(QStringLiteral("R"));
    }

    for (int n = 1; n <= kChapterCount; ++n) {
        const int column = (n - 1) / kBlockSize;
        const int row = n - column * kBlockSize;
        const int y = LineY[1] + row * LineY[2];
        int x = column * ColOff[2] + NumX[1];
        if (n < 10)
            x = ColOff[1] + NumX[1];
        Printer.setPosition(x, y);
        setMincho12(Printer);
        // A long title is cut where the J scores begin, as the screen clips it to its cell.
        const QString line = withLeadingBlank(n) + QStringLiteral(". ") + kind.titles[size_t(n)];
        Printer.write(Printer.cutToWidth(line, column * HeadX[3] + NumX[2] - kGap - x), true);
        setPGothic12(Printer);

        // Three-digit scores stand further left; scores of 10 and below are not printed.
        // A J score ends before the R scores begin, an R score before the next column; a
        // score too wide for that (full marks a thousand times and more) is narrowed.
        const auto score = [&](const QString &text, int longX, int endX) {
            const double v = numericValue(text);
            if (v > 99)
                Printer.setPosition(column * HeadX[3] + longX, y);
            else if (v > 10)
                Printer.setPosition(column * HeadX[3] + longX + ColOff[3], y);
            else
                return;
            Printer.writeWithin(text, endX - kGap - Printer.currentX());
        };
        score(kind.inOrderRecords[size_t(n)], NumX[2], column * HeadX[3] + NumX[3]);
        score(kind.randomRecords[size_t(n)], NumX[3], (column + 1) * ColOff[2] + NumX[1]);
    }
}
