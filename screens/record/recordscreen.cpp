#include "screens/record/recordscreen.h"

#include "look/fonts.h"
#include "look/palette.h"
#include "print/recordprint.h"
#include "rules/record/passlog.h"
#include "rules/review/weakpass.h"
#include "screens/kit/dialogs.h"
#include "screens/kit/uikit.h"
#include "screens/printing/printrun.h"
#include "screens/record/calendarview.h"
#include "screens/record/chapterchart.h"

#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <QStandardPaths>

namespace {
const QString kTitle = QStringLiteral("学習の記録");
} // namespace

RecordScreen::RecordScreen(AppContext &context) : Screen(context, ScreenId::Record)
{
    setWindowTitle(kTitle);
    setFixedSize(800, 600);
    setWindowColour(this, kMidGrey);

    auto *bar = new Panel(this, kDarkGrey);
    bar->setGeometry(0, 0, 800, 48);
    titleLabel = addLabel(this, kTitle, {8, 6, 300, 38}, fonts::font(fonts::PGothic, 21.75), Qt::white);
    NoteLabel = addLabel(this, QString(), {320, 6, 474, 38}, fonts::font(fonts::PGothic, 10),
                         paletteColour(pal::Yellow));
    NoteLabel->setWordWrap(true);

    const QFont small = fonts::font(fonts::PGothic, 11);
    addLabel(this, QStringLiteral("最近12週間"), {10, 54, 200, 20}, small, Qt::white);
    Calendar = new CalendarView(this);
    Calendar->move(10, 76);
    RunLabel = addLabel(this, QString(), {10, 268, 380, 26}, fonts::font(fonts::PGothic, 15, true),
                        paletteColour(pal::Yellow));
    const QFont totals = fonts::font(fonts::PGothic, 10);
    WeekLabel = addLabel(this, QString(), {10, 298, 390, 20}, totals, Qt::white);
    AllLabel = addLabel(this, QString(), {10, 320, 390, 20}, totals, Qt::white);
    addLabel(this, QStringLiteral("よく間違える問題"), {10, 346, 380, 20}, small, Qt::white);
    MissedList = new QListWidget(this);
    MissedList->setGeometry(10, 368, 385, 180);
    MissedList->setFont(fonts::font(fonts::PGothic, 10));
    MissedList->setAccessibleName(QStringLiteral("よく間違える問題"));

    const QString kindCaptions[] = {QStringLiteral("５拓(英→日）"), QStringLiteral("５拓(日→英）"),
                                    QStringLiteral("英単語")};
    for (int k = 0; k < 3; ++k) {
        QPushButton *b = addButton(this, kindCaptions[k], {405 + k * 130, 52, 125, 32}, small);
        b->setCheckable(true);
        b->setAutoExclusive(true);
        connect(b, &QPushButton::clicked, this, [this, k] { showKind(k + 1); });
        KindButtons[size_t(k)] = b;
    }
    Chapters = new ChapterChart(this);
    BoxLabel = addLabel(this, QString(), {405, 88, 385, 22}, fonts::font(fonts::PGothic, 10), Qt::white);
    Chapters->setGeometry(405, 112, 385, 436);

    printButton = addButton(this, QStringLiteral("印刷"), {5, 556, 110, 36}, small);
    exportButton = addButton(this, QStringLiteral("CSVに書き出す"), {120, 556, 130, 36}, small);
    clearButton = addButton(this, QStringLiteral("記録を消去"), {255, 556, 110, 36}, small);
    scoreSheetButton = addButton(this, QStringLiteral("成績表"), {530, 556, 110, 36}, small);
    menuButton = addButton(this, QStringLiteral("MENUに戻る"), {645, 556, 150, 36}, small);
    connect(printButton, &QPushButton::clicked, this, &RecordScreen::onPrintButtonClicked);
    connect(exportButton, &QPushButton::clicked, this, &RecordScreen::onExportButtonClicked);
    connect(clearButton, &QPushButton::clicked, this, &RecordScreen::onClearButtonClicked);
    connect(scoreSheetButton, &QPushButton::clicked, this, [this] { handOver(ScreenId::ScoreSheet); });
    connect(menuButton, &QPushButton::clicked, this, [this] { handOver(ScreenId::Menu); });

    load();
    showKind(M.TestKind >= 1 && M.TestKind <= 3 ? M.TestKind : 1);
}

void RecordScreen::load()
{
    record_ = LearningRecordReader(ctx.data).readAll();
    summary_ = RecordSummary::of(record_.lines, PassLog::now().date());
    CourseChapters course(ctx.data);
    boxes_ = courseBoxes(record_.lines, course);
    QStringList notes = record_.problems;
    if (record_.skipped > 0)
        notes << QStringLiteral("途中で切れた行や読めない行を%1行読み飛ばしました。").arg(record_.skipped);
    NoteLabel->setText(notes.join(QLatin1Char('\n')));

    Calendar->setCalendar(summary_.calendar);
    RunLabel->setText(QStringLiteral("連続学習 %1日").arg(summary_.studyRun));
    WeekLabel->setText(totalsText(QStringLiteral("今週　"), summary_.thisWeek));
    AllLabel->setText(totalsText(QStringLiteral("全期間"), summary_.allTime));
    MissedList->clear();
    for (const MissedItem &item : summary_.mostMissed)
        MissedList->addItem(QStringLiteral("%1回　No.%2　%3").arg(item.misses).arg(item.chapter).arg(item.english));
    if (summary_.mostMissed.isEmpty())
        MissedList->addItem(QStringLiteral("まだ記録がありません"));
    MissedList->setCurrentRow(0);
    showKind(kind_);
}

void RecordScreen::showKind(int kind)
{
    kind_ = std::clamp(kind, 1, 3);
    KindButtons[size_t(kind_ - 1)]->setChecked(true);
    Chapters->setChapters(summary_.chapters[size_t(kind_ - 1)]);
    BoxLabel->setText(boxCountsText(boxes_.countPerBox(kind_)));
    Chapters->setAccessibleDescription(M.TestName[size_t(kind_)] + QStringLiteral("の章ごとの成績"));
}

void RecordScreen::onPrintButtonClicked()
{
    const std::array<QString, 3> names{M.TestName[1], M.TestName[2], M.TestName[3]};
    printPages(ctx, this, kTitle, [this, &names](PrintJob &job) { RecordPrint(summary_, names, job).printPage(); });
}

void RecordScreen::onExportButtonClicked()
{
    const QString title = QStringLiteral("CSVに書き出す");
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    const std::optional<QString> path =
        ctx.dialogs->askSavePath(this, title, QDir(folder).filePath(QStringLiteral("学習の記録.csv")));
    if (!path)
        return;
    const QString problem = learningrecord::saveExport(*path, learningrecord::exportCsv(record_.lines));
    ctx.dialogs->inform(this,
                        problem.isEmpty() ? QStringLiteral("学習の記録を「%1」に書き出しました。").arg(*path) : problem,
                        title);
}

void RecordScreen::onClearButtonClicked()
{
    const QString title = QStringLiteral("学習の記録の消去");
    if (!ctx.dialogs->confirm(this, QStringLiteral("学習の記録をすべて消去していいですか？（成績表の成績は残ります）"),
                              title))
        return;
    const QString problem = LearningRecordWriter(ctx.data).clear();
    if (!problem.isEmpty())
        ctx.dialogs->inform(this, problem, title);
    load();
}
