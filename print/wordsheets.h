#pragma once
// F_印刷_英単語's rules: the chapter's items in the order of the chosen print mode, and the
// test and answer sheets they are printed on. One page each: a heading block, then up to
// 50 numbered items in two columns of 25. All positions in twips.
#include "files/questionbank.h"

#include <QList>
#include <QString>
#include <optional>

struct Module1;
class PrintJob;
class RandomSource;

class WordSheets {
public:
    WordSheets(Module1 &M, RandomSource &random);

    // The chapter as SEKUSHONE read it, and the chapter line shown on the screen.
    void setChapter(const QList<Question> &items, const QString &chapterLine);

    QList<Question> items; // Q_Eng, Q_Jpn, Q_Third of item i at i - 1, in printing order
    int Q_Total() const { return int(items.size()); }
    QString ChapterLine;
    int LeftX = 0;   // left margin, set by STARTMENU
    int TopY = 0;    // y origin of the item rows, set by STARTMENU
    QString Heading; // the instruction above the items, set by INSATUS1
    int ItemNo = 0;  // the item being printed
    int Copies = 0;  // the copy count of an N-copy print while it prints; 0 otherwise

    // Modes 1 and 3 put the items back into file order; 2 and 4 shuffle the current order.
    void Opt_Click(int index);
    void JUNBI3();

    void STARTMENU(PrintJob &Printer);
    void INSATUS1();
    // Positions of item n = ItemNo: item lines (k19 1-9, k20 10-25, k21 26-50) and the
    // answer lines under them (k22, k23, k24).
    void k19(PrintJob &Printer);
    void k20(PrintJob &Printer);
    void k21(PrintJob &Printer);
    void k22(PrintJob &Printer);
    void k23(PrintJob &Printer);
    void k24(PrintJob &Printer);

    // Test sheets of Japanese (J) or English (E) items, answer sheets (KOTAE); the N-copy
    // variants first set A4 paper and Copies copies.
    void INSATU_J1(PrintJob &Printer) { printSheet(Printer, true, false, false); }
    void INSATU_JN(PrintJob &Printer) { printSheet(Printer, true, false, true); }
    void INSATU_E1(PrintJob &Printer) { printSheet(Printer, false, false, false); }
    void INSATU_EN(PrintJob &Printer) { printSheet(Printer, false, false, true); }
    void KOTAE_J1(PrintJob &Printer) { printSheet(Printer, true, true, false); }
    void KOTAE_JN(PrintJob &Printer) { printSheet(Printer, true, true, true); }
    void KOTAE_E1(PrintJob &Printer) { printSheet(Printer, false, true, false); }
    void KOTAE_EN(PrintJob &Printer) { printSheet(Printer, false, true, true); }

    // A typed copy count: a whole number from 1 to 99 (full-width digits and blanks around
    // it allowed); nothing otherwise.
    static std::optional<int> copiesFromText(const QString &typed);
    static constexpr int kMaxCopies = 99;

private:
    void printSheet(PrintJob &Printer, bool japaneseItems, bool withAnswers, bool nCopies);
    void placeItem(PrintJob &Printer);
    void placeAnswer(PrintJob &Printer);

    Module1 &M;
    RandomSource &random;
    QList<Question> fileOrder_;
};
