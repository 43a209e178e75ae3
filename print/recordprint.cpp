#include "print/recordprint.h"

#include "print/printjob.h"
#include "print/printprimitives.h"

#include <QLocale>

namespace {
constexpr int kGap = 60; // the white kept between a text and the next one to its right
const QString kGothic = QStringLiteral("ＭＳ Ｐゴシック");
const QString kWeekdays[] = {QStringLiteral("月"), QStringLiteral("火"), QStringLiteral("水"), QStringLiteral("木"),
                             QStringLiteral("金"), QStringLiteral("土"), QStringLiteral("日")};
} // namespace

RecordPrint::RecordPrint(const RecordSummary &summary, const std::array<QString, 3> &kindNames, PrintJob &printer)
    : summary_(summary), kindNames_(kindNames), Printer(printer)
{
}

void RecordPrint::printPage()
{
    Printer.setPaperSize(PaperSize::A4);
    heading();
    calendar(1300);
    totals(4300);
    chapters(5300);
    Printer.endDocument();
}

void RecordPrint::heading()
{
    setMincho16(Printer);
    Printer.setPosition(kLeft, 540);
    Printer.write(QStringLiteral("学習の記録"));
    setMincho12(Printer);
    const QDate today = summary_.calendar.today;
    Printer.setPosition(8200, 600);
    Printer.write(QStringLiteral("%1年%2月%3日現在").arg(today.year()).arg(today.month()).arg(today.day()));
}

void RecordPrint::calendar(int top)
{
    const StudyCalendar &cal = summary_.calendar;
    setMincho12(Printer);
    Printer.setPosition(kLeft, top);
    Printer.write(QStringLiteral("最近12週間の解答数（1日ごと）　連続学習 %1日").arg(summary_.studyRun));
    Printer.setFont({kGothic, 10});
    const int weeksTop = top + 400;
    for (int w = 0; w < StudyCalendar::kWeeks; ++w) {
        const QDate monday = cal.firstDay.addDays(7 * w);
        Printer.setPosition(kCalendarLeft + w * kDayColumn, weeksTop);
        Printer.writeWithin(QStringLiteral("%1/%2").arg(monday.month()).arg(monday.day()), kDayColumn - kGap);
    }
    for (int d = 0; d < 7; ++d) {
        const int y = weeksTop + 300 + d * 300;
        Printer.setPosition(kLeft + 200, y);
        Printer.write(kWeekdays[d]);
        for (int w = 0; w < StudyCalendar::kWeeks; ++w) {
            const QDate day = cal.firstDay.addDays(7 * w + d);
            if (day > cal.today)
                continue;
            const int n = cal.answersOn(day);
            Printer.setPosition(kCalendarLeft + w * kDayColumn, y);
            Printer.writeWithin(n > 0 ? QString::number(n) : QStringLiteral("・"), kDayColumn - kGap);
        }
    }
}

void RecordPrint::totals(int top)
{
    setMincho12(Printer);
    Printer.setPosition(kLeft, top);
    Printer.write(totalsText(QStringLiteral("今週　"), summary_.thisWeek));
    Printer.setPosition(kLeft, top + 350);
    Printer.write(totalsText(QStringLiteral("全期間"), summary_.allTime));
}

void RecordPrint::chapters(int top)
{
    const int half = kKindColumn / 2;
    // Within a half column: the chapter, the last score, the best score, the passes.
    const int offsets[] = {0, 520, 900, 1280};
    const int widths[] = {520, 380, 380, half - 1280};
    for (int k = 0; k < 3; ++k) {
        const int left = kLeft + k * kKindColumn;
        Printer.setFont({QStringLiteral("ＭＳ 明朝"), 10});
        Printer.setPosition(left, top);
        Printer.writeWithin(kindNames_[size_t(k)], kKindColumn - kGap);
        Printer.setFont({kGothic, 9});
        const QList<ChapterStudy> &studied = summary_.chapters[size_t(k)];
        const int halves = studied.size() > kChapterRows ? 2 : 1;
        for (int h = 0; h < halves; ++h) {
            const QString heads[] = {QStringLiteral("章"), QStringLiteral("最新"), QStringLiteral("最高"),
                                     QStringLiteral("回数")};
            for (int c = 0; c < 4; ++c) {
                Printer.setPosition(left + h * half + offsets[c], top + 400);
                Printer.writeWithin(heads[c], widths[c] - kGap);
            }
        }
        if (studied.isEmpty()) {
            Printer.setPosition(left, top + 400 + kRowPitch);
            Printer.write(QStringLiteral("まだ記録がありません"));
        }
        for (qsizetype i = 0; i < studied.size() && i < 2 * kChapterRows; ++i) {
            const ChapterStudy &c = studied[i];
            const int x = left + int(i / kChapterRows) * half;
            const int y = top + 400 + kRowPitch * (1 + int(i % kChapterRows));
            const QString cells[] = {QStringLiteral("No.%1").arg(c.chapter), QString::number(c.last()),
                                     QString::number(c.best()), QStringLiteral("%1回").arg(c.passes())};
            for (int col = 0; col < 4; ++col) {
                Printer.setPosition(x + offsets[col], y);
                Printer.writeWithin(cells[col], widths[col] - kGap);
            }
        }
    }
}
