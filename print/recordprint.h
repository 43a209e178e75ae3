#pragma once
// The learning record on one A4 page, for a parents' meeting: the answers of every day of the
// last 12 weeks with the current run of study days, the totals, and every chapter studied per
// test kind with its last and best score and its number of passes.
#include "rules/record/recordsummary.h"

#include <QString>
#include <array>

class PrintJob;

class RecordPrint {
public:
    // kindNames: the names of test kinds 1 to 3 at 0 to 2.
    RecordPrint(const RecordSummary &summary, const std::array<QString, 3> &kindNames, PrintJob &printer);
    void printPage();

    // Layout in twips.
    static constexpr int kLeft = 480;
    static constexpr int kDayColumn = 780;    // one week of the calendar
    static constexpr int kCalendarLeft = 1100;
    static constexpr int kKindColumn = 3650;  // one test kind of the chapters' table
    static constexpr int kChapterRows = 30;   // rows of a kind's half column; two halves a kind
    static constexpr int kRowPitch = 270;

private:
    void heading();
    void calendar(int top);
    void totals(int top);
    void chapters(int top);

    const RecordSummary &summary_;
    const std::array<QString, 3> &kindNames_;
    PrintJob &Printer;
};
