#pragma once
// The printed score sheet: the three test kinds on two pages, each kind as its 60 chapters
// in three columns with the in-order (J) and random-order (R) score. Page 1 holds kinds 1
// and 2, page 2 kind 3.
#include <array>

struct Module1;
class PrintJob;
class ScoreSheet;

class ScoreSheetPrint {
public:
    ScoreSheetPrint(ScoreSheet &sheet, const Module1 &M, PrintJob &Printer);

    // ProNo1; STARTMENU; INSATU1; ProNo2; INSATU2; ProNo3; STARTMENU; INSATU1.
    // Leaves the sheet holding kind 3.
    void printAllKinds();

    void STARTMENU(); // the page heading
    void INSATU1();   // SheetKind in the upper half; ends the document after kind 3
    void INSATU2();   // SheetKind in the lower half, then a new page

    // Layout in twips, element 0 unused. INSATU1 sets them all, INSATU2 only HeadY and LineY(1).
    std::array<int, 4> HeadX{};  // x of the J heading, x of the R heading, width of a column
    std::array<int, 2> HeadY{};  // y of the headings
    std::array<int, 4> NumX{};   // x of a chapter line (10-20), of a three-digit J score, of an R one
    std::array<int, 4> ColOff{}; // indent of chapters 1-9, column width, indent of a short score
    std::array<int, 3> LineY{};  // y of row 0, row pitch

private:
    void printKind(int titleY);

    ScoreSheet &sheet;
    const Module1 &M;
    PrintJob &Printer;
};
