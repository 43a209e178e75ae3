#pragma once
// "学習の記録": what was studied when, from the learning record. The calendar of the last
// 12 weeks with the run of study days, the totals of this week and of all time, the items
// missed most often and, per test kind, the chapters studied with their scores pass by pass.
// It prints one A4 page, exports the record as CSV and clears it.
#include "files/learningrecord.h"
#include "rules/record/recordsummary.h"
#include "rules/review/reviewboxes.h"
#include "screens/kit/screen.h"

class CalendarView;
class ChapterChart;
class ClickLabel;
class QListWidget;
class QPushButton;

class RecordScreen : public Screen {    // 学習の記録
    Q_OBJECT
public:
    explicit RecordScreen(AppContext &ctx);

    ClickLabel *titleLabel;  // 学習の記録
    ClickLabel *NoteLabel;   // lines skipped, files unreadable
    CalendarView *Calendar;
    ClickLabel *RunLabel;    // 連続学習 N日
    ClickLabel *WeekLabel;   // this week's totals
    ClickLabel *AllLabel;    // all time
    QListWidget *MissedList; // the items missed most often
    std::array<QPushButton *, 3> KindButtons; // the test kind the chapters are shown for
    ClickLabel *BoxLabel;    // 苦手な問題: the kind's items in each box
    ChapterChart *Chapters;
    QPushButton *printButton; // 印刷
    QPushButton *exportButton; // CSVに書き出す
    QPushButton *clearButton; // 記録を消去
    QPushButton *scoreSheetButton; // 成績表
    QPushButton *menuButton; // MENUに戻る

    const RecordSummary &summary() const { return summary_; }
    int kindShown() const { return kind_; }
    void showKind(int kind);

    void onPrintButtonClicked();
    void onExportButtonClicked();
    void onClearButtonClicked();

private:
    void load();

    LearningRecordReader::Result record_;
    RecordSummary summary_;
    ReviewBoxes boxes_;
    int kind_ = 1;
};
