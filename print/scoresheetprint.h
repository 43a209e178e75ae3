#pragma once
// The printed score sheet: the three test kinds on two pages, each kind as its 60 chapters
// in three columns with the in-order (J) and random-order (R) score. Page 1 holds kinds 1
// and 2, page 2 kind 3. It prints what the score sheet screen hands over and changes nothing
// of the screen.
#include "files/questionbank.h"

#include <QString>
#include <array>

class PrintJob;

// What the printed sheet shows of one test kind: its name, the chapter titles and the J and
// R records, chapter n at n (element 0 unused).
struct ScoreSheetKind {
    QString name;
    std::array<QString, kChapterCount + 1> titles;
    std::array<QString, kChapterCount + 1> inOrderRecords;
    std::array<QString, kChapterCount + 1> randomRecords;
};
// Kinds 1 to 3 at 0 to 2.
using ScoreSheetKinds = std::array<ScoreSheetKind, 3>;

class ScoreSheetPrint {
public:
    ScoreSheetPrint(const ScoreSheetKinds &kinds, PrintJob &Printer);

    // printHeading; printUpperHalf of kind 1; printLowerHalf of kind 2; printHeading; printUpperHalf of kind 3.
    void printAllKinds();

    void printHeading(); // the page heading
    void printUpperHalf(); // SheetKind in the upper half; ends the document after kind 3
    void printLowerHalf(); // SheetKind in the lower half, then a new page

    int SheetKind = 1; // the kind printUpperHalf and printLowerHalf print, 1 to 3

    // Layout in twips, element 0 unused. printUpperHalf sets them all, printLowerHalf only HeadY and LineY(1).
    std::array<int, 4> HeadX{};  // x of the J heading, x of the R heading, width of a column
    std::array<int, 2> HeadY{};  // y of the headings
    std::array<int, 4> NumX{};   // x of a chapter line (10-20), of a three-digit J score, of an R one
    std::array<int, 4> ColOff{}; // indent of chapters 1-9, column width, indent of a short score
    std::array<int, 3> LineY{};  // y of row 0, row pitch

private:
    void printKind(int titleY);

    const ScoreSheetKinds &kinds;
    PrintJob &Printer;
};
