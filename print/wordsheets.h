#pragma once
// The print screen's rules: the chapter's items in the order of the chosen print mode, and the
// test and answer sheets they are printed on. One page each: a heading block, then up to
// 50 numbered items in two columns of 25. All positions in twips.
#include "files/questionbank.h"

#include <QList>
#include <QString>
#include <optional>

struct SharedState;
class PrintJob;
class RandomSource;

class WordSheets {
public:
    WordSheets(SharedState &M, RandomSource &random);

    // The chapter as readChapterToPrint read it, and the chapter line shown on the screen.
    void setChapter(const QList<Question> &items, const QString &chapterLine);

    QList<Question> items; // Q_Eng, Q_Jpn, Q_Third of item i at i - 1, in printing order
    int Q_Total() const { return int(items.size()); }
    QString ChapterLine;
    int LeftX = 0;   // left margin, set by printHeading
    int TopY = 0;    // y origin of the item rows, set by printHeading
    QString Heading; // the instruction above the items, set by chooseHeading
    int ItemNo = 0;  // the item being printed
    int Copies = 0;  // the copy count of an N-copy print while it prints; 0 otherwise

    // Modes 1 and 3 put the items back into file order; 2 and 4 shuffle the current order.
    void chooseMode(int index);
    void shuffleItems();

    void printHeading(PrintJob &Printer);
    void chooseHeading();
    // Positions of item n = ItemNo: item lines (k19 1-9, k20 10-25, k21 26-50) and the
    // answer lines under them (k22, k23, k24).
    void k19(PrintJob &Printer);
    void k20(PrintJob &Printer);
    void k21(PrintJob &Printer);
    void k22(PrintJob &Printer);
    void k23(PrintJob &Printer);
    void k24(PrintJob &Printer);

    // Test sheets of Japanese (J) or English (E) items, answer sheets; the N-copy
    // variants first set A4 paper and Copies copies.
    void testSheetJapanese(PrintJob &Printer) { printSheet(Printer, true, false, false); }
    void testSheetsJapanese(PrintJob &Printer) { printSheet(Printer, true, false, true); }
    void testSheetEnglish(PrintJob &Printer) { printSheet(Printer, false, false, false); }
    void testSheetsEnglish(PrintJob &Printer) { printSheet(Printer, false, false, true); }
    void answerSheetJapanese(PrintJob &Printer) { printSheet(Printer, true, true, false); }
    void answerSheetsJapanese(PrintJob &Printer) { printSheet(Printer, true, true, true); }
    void answerSheetEnglish(PrintJob &Printer) { printSheet(Printer, false, true, false); }
    void answerSheetsEnglish(PrintJob &Printer) { printSheet(Printer, false, true, true); }

    // A typed copy count: a whole number from 1 to 99 (full-width digits and blanks around
    // it allowed); nothing otherwise.
    static std::optional<int> copiesFromText(const QString &typed);
    static constexpr int kMaxCopies = 99;

private:
    void printSheet(PrintJob &Printer, bool japaneseItems, bool withAnswers, bool nCopies);
    void placeItem(PrintJob &Printer);
    void placeAnswer(PrintJob &Printer);

    SharedState &M;
    RandomSource &random;
    QList<Question> fileOrder_;
};
