#include "print/wordsheets.h"

#include "print/printjob.h"
#include "print/printprimitives.h"
#include "rules/random.h"
#include "rules/sharedstate.h"

#include <QRegularExpression>

WordSheets::WordSheets(SharedState &m, RandomSource &r) : M(m), random(r) {}

void WordSheets::setChapter(const QList<Question> &chapterItems, const QString &chapterLine)
{
    fileOrder_ = chapterItems.mid(0, kMaxQuestions);
    items = fileOrder_;
    ChapterLine = chapterLine;
}

void WordSheets::chooseMode(int index)
{
    M.PrintMode = index;
    if (index == 2 || index == 4)
        shuffleItems();
    else
        items = fileOrder_;
}

void WordSheets::shuffleItems()
{
    const int n = Q_Total();
    if (n == 0)
        return;
    const QList<int> perm = drawPermutation(random, n);
    QList<Question> shuffled;
    shuffled.reserve(n);
    for (int i = 0; i < n; ++i)
        shuffled.append(items[perm[i] - 1]); // item i becomes the former item perm(i)
    items = shuffled;
}

void WordSheets::chooseHeading()
{
    Heading = M.PrintMode == 3 || M.PrintMode == 4 ? QStringLiteral("次の英語を日本語にしなさい。")
                                                   : QStringLiteral("次の日本語を英語にしなさい。");
}

void WordSheets::printHeading(PrintJob &Printer)
{
    LeftX = 480;
    TopY = 2400;
    setMincho12(Printer);
    Printer.setPosition(9700, 800);
    Printer.write(M.TestKind >= 0 && M.TestKind <= 3 ? M.TestName[M.TestKind] : QString());
    setMincho16(Printer);
    Printer.setPosition(LeftX, 800);
    Printer.write(ChapterLine);
    setMincho12(Printer);
    Printer.setPosition(5000, 1600);
    const QChar space(0x3000);
    Printer.write(QStringLiteral("名前（") + QString(10, space) + QStringLiteral("）") + QString(2, space)
                  + QStringLiteral("採点（") + QString(5, space) + QStringLiteral("点）"));
    setMincho14(Printer);
    Printer.setPosition(LeftX, 2200);
    chooseHeading();
    Printer.write(Heading);
}

void WordSheets::k19(PrintJob &Printer) { Printer.setPosition(LeftX + 120, ItemNo * 520 + TopY); }
void WordSheets::k20(PrintJob &Printer) { Printer.setPosition(LeftX, ItemNo * 520 + TopY); }
void WordSheets::k21(PrintJob &Printer) { Printer.setPosition(LeftX + 5400, (ItemNo - 25) * 520 + TopY); }
void WordSheets::k22(PrintJob &Printer) { Printer.setPosition(LeftX + 600, ItemNo * 520 + TopY + 260); }
void WordSheets::k23(PrintJob &Printer) { Printer.setPosition(LeftX + 600, ItemNo * 520 + TopY + 260); }
void WordSheets::k24(PrintJob &Printer) { Printer.setPosition(LeftX + 6000, (ItemNo - 25) * 520 + TopY + 260); }

void WordSheets::placeItem(PrintJob &Printer)
{
    if (ItemNo <= 9)
        k19(Printer);
    else if (ItemNo <= 25)
        k20(Printer);
    else
        k21(Printer);
}

void WordSheets::placeAnswer(PrintJob &Printer)
{
    if (ItemNo <= 9)
        k22(Printer);
    else if (ItemNo <= 25)
        k23(Printer);
    else
        k24(Printer);
}

void WordSheets::printSheet(PrintJob &Printer, bool japaneseItems, bool withAnswers, bool nCopies)
{
    if (nCopies) {
        Printer.setPaperSize(PaperSize::A4);
        Printer.setCopies(Copies);
    }
    printHeading(Printer);
    // Japanese text in Mincho, English text in Gothic.
    const auto japaneseFont = [&] { setMincho12(Printer); };
    const auto englishFont = [&] { setPGothic12(Printer); };
    // A long item or answer is narrowed to end before the next column (or as far to the
    // right of the second column), never cut: the sheet holds all of it.
    constexpr int kColumnWidth = 5400, kGap = 60;
    for (int n = 1; n <= Q_Total() && n <= kMaxQuestions; ++n) {
        ItemNo = n;
        const Question &q = items[n - 1];
        const int columnEnd = LeftX + (n <= 25 ? 1 : 2) * kColumnWidth - kGap;
        japaneseItems ? japaneseFont() : englishFont();
        placeItem(Printer);
        Printer.writeNarrowed(withLeadingBlank(n) + QStringLiteral(". ") + (japaneseItems ? q.jpn : q.eng),
                            columnEnd - Printer.currentX(), withAnswers);
        if (withAnswers) {
            japaneseItems ? englishFont() : japaneseFont();
            placeAnswer(Printer);
            Printer.writeNarrowed(japaneseItems ? q.eng : q.jpn, columnEnd - Printer.currentX());
        }
    }
    Printer.endDocument();
}

std::optional<int> WordSheets::copiesFromText(const QString &typed)
{
    const QString text = typed.normalized(QString::NormalizationForm_KC).trimmed();
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,3}$"));
    if (!digits.match(text).hasMatch())
        return std::nullopt;
    const int copies = text.toInt();
    if (copies < 1 || copies > kMaxCopies)
        return std::nullopt;
    return copies;
}
