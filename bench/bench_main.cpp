// Run with scripts/bench (Release build, offscreen); it reports medians of repeated runs.
#include "files/questionbank.h"
#include "files/scores.h"
#include "look/fonts.h"
#include "print/qtprinter.h"
#include "print/scoresheetprint.h"
#include "print/wordsheets.h"
#include "rules/random.h"
#include "rules/tests/mistakeclassifier.h"
#include "screens/kit/navigator.h"
#include "screens/kit/speech.h"
#include "screens/kit/uikit.h"
#include "screens/record/recordscreen.h"
#include "screens/results/scoresheetscreen.h"
#include "screens/tests/choicetestscreen.h"
#include "screens/tests/feedbackblink.h"
#include "screens/tests/wordtestscreen.h"
#include "shell/outsideworld.h"
#include "shell/screenfactory.h"
#include "shell/startup.h"
#include "support/samplerecord.h"
#include "support/testapp.h"
#include "support/testscreens.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <benchmark/benchmark.h>
#include <functional>
#include <memory>

namespace {

// The bundled course in a temporary folder, with chapter 1 made 50 items long from the
// items of its first chapters, so that every measured screen shows real Japanese text.
void useBundledCourse(TestApp &app)
{
    const DataFolder bundled(QStringLiteral(EITANGO_BUILD_DIR "/course/E1"));
    for (const QString &name : QDir(bundled.root()).entryList(QDir::Files))
        app.course.writeBytes(name, bundled.read(name).bytes);
    QList<TestQuestion> fifty;
    for (int n = 1; n <= 60; ++n) {
        app.course.writeBytes(levelFileName(n), bundled.read(levelFileName(n)).bytes);
        for (const Question &q : readChapter(bundled, n).items) {
            if (fifty.size() < 50)
                fifty.append({q.eng, q.jpn, q.third});
        }
    }
    app.course.writeChapter(1, fifty, false);
}

// Notes every window that has been drawn since it was made; offscreen, drawing happens on
// posted update requests, so every figure below includes the first paint. Make it before
// the window is shown.
class PaintWatch : public QObject {
public:
    PaintWatch() { qApp->installEventFilter(this); }
    ~PaintWatch() override { qApp->removeEventFilter(this); }
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() == QEvent::Paint && o->isWidgetType())
            painted_.insert(static_cast<QWidget *>(o)->window());
        return false;
    }
    void waitUntilPainted(QWidget *w)
    {
        while (!w->isVisible() || !painted_.contains(w->window()))
            QCoreApplication::processEvents();
    }
private:
    QSet<QWidget *> painted_;
};

int fakeArgc = 1;
char fakeName[] = "eitango_bench";
char *fakeArgv[] = {fakeName, nullptr};

// The application every benchmark after the start-up ones shares.
void ensureApp()
{
    if (!QCoreApplication::instance()) {
        new QApplication(fakeArgc, fakeArgv);
        fonts::install();
    }
}

// The program on the bundled course, in the shared application.
std::unique_ptr<TestApp> programOnBundledCourse()
{
    ensureApp();
    auto app = std::make_unique<TestApp>(false);
    useBundledCourse(*app);
    return app;
}

// Start-up is measured from the creation of the application object to the first window
// drawn; closing the application is not counted. The start-up benchmarks run first, before
// the shared application exists. The reference: a bare window of the same size, started
// the same way (range 0). A second reference (range 1) adds one line of Japanese text in
// the program's font: most of a start is the text system's first use (the font
// configuration, the font files, the glyphs), which a window without text never pays for.
void BM_StartBareWindow(benchmark::State &state)
{
    const bool withText = state.range(0) == 1;
    state.SetLabel(withText ? "with one line of Japanese" : "no text");
    for (auto _ : state) {
        auto app = std::make_unique<QApplication>(fakeArgc, fakeArgv);
        if (withText)
            fonts::install();
        auto watch = std::make_unique<PaintWatch>();
        auto w = std::make_unique<QWidget>();
        w->setFixedSize(800, 600);
        if (withText)
            new QLabel(QStringLiteral("英単語・英作文が身につくソフト"), w.get());
        w->show();
        watch->waitUntilPainted(w.get());
        state.PauseTiming();
        w.reset();
        watch.reset();
        app.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartBareWindow)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The program's start: application, fonts, translations, the data folder check, its
// context, the navigator and the help screen with the course title.
void BM_StartUpToFirstScreen(benchmark::State &state)
{
    TestCourse course;
    course.writeStandard();
    for (auto _ : state) {
        auto app = std::make_unique<QApplication>(fakeArgc, fakeArgv);
        {
            PaintWatch watch;
            QApplication::setApplicationName(QStringLiteral("eitango"));
            fonts::install();
            loadJapaneseTranslations(*app);
            ScriptedDialogs dialogs;
            if (!ensureDataFolder(dialogs, course.root()))
                state.SkipWithError("no data folder");
            OutsideWorld world;
            AppContext ctx;
            world.wire(ctx, course.root(), dialogs);
            Navigator navigator(ctx, createScreen);
            std::unique_ptr<Screen> first(navigator.start(ScreenId::Help));
            watch.waitUntilPainted(first.get());
            state.PauseTiming();
        }
        app.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartUpToFirstScreen)->Unit(benchmark::kMillisecond);

struct Transition {
    ScreenId from, to;
    int testKind;
};

const Transition kTransitions[] = {
    {ScreenId::Help, ScreenId::Menu, 0},
    {ScreenId::Menu, ScreenId::Help, 0},
    {ScreenId::Menu, ScreenId::ChapterSelect, 3},
    {ScreenId::Menu, ScreenId::ScoreSheet, 0},
    {ScreenId::ChapterSelect, ScreenId::QuestionSelect, 3},
    {ScreenId::ChapterSelect, ScreenId::ScoreSheet, 3},
    {ScreenId::ChapterSelect, ScreenId::Menu, 0},
    {ScreenId::QuestionSelect, ScreenId::ChoiceTest, 1},
    {ScreenId::QuestionSelect, ScreenId::WordTest, 3},
    {ScreenId::QuestionSelect, ScreenId::Note, 3},
    {ScreenId::QuestionSelect, ScreenId::PrintWordSheets, 3},
    {ScreenId::QuestionSelect, ScreenId::Editor, 3},
    {ScreenId::QuestionSelect, ScreenId::ChapterSelect, 3},
    {ScreenId::ChoiceTest, ScreenId::QuestionSelect, 1},
    {ScreenId::WordTest, ScreenId::QuestionSelect, 3},
    {ScreenId::ScoreSheet, ScreenId::Menu, 0},
    {ScreenId::Note, ScreenId::QuestionSelect, 3},
    {ScreenId::PrintWordSheets, ScreenId::QuestionSelect, 3},
    {ScreenId::Editor, ScreenId::QuestionSelect, 3},
    {ScreenId::QuestionSelect, ScreenId::Menu, 3},
    {ScreenId::ChoiceTest, ScreenId::ChapterSelect, 2},
    {ScreenId::WordTest, ScreenId::ChapterSelect, 3},
    {ScreenId::ScoreSheet, ScreenId::ChapterSelect, 1},
    {ScreenId::Note, ScreenId::ChapterSelect, 3},
    {ScreenId::Note, ScreenId::Menu, 3},
    {ScreenId::PrintWordSheets, ScreenId::ChapterSelect, 3},
    {ScreenId::PrintWordSheets, ScreenId::Menu, 3},
    {ScreenId::Editor, ScreenId::ChapterSelect, 3},
    {ScreenId::Editor, ScreenId::Menu, 3},
};

const char *screenName(ScreenId id)
{
    switch (id) {
    case ScreenId::Help: return "Help";
    case ScreenId::Menu: return "Menu";
    case ScreenId::ChapterSelect: return "ChapterSelect";
    case ScreenId::QuestionSelect: return "QuestionSelect";
    case ScreenId::ChoiceTest: return "ChoiceTest";
    case ScreenId::WordTest: return "WordTest";
    case ScreenId::ScoreSheet: return "ScoreSheet";
    case ScreenId::Note: return "Note";
    case ScreenId::PrintWordSheets: return "PrintWordSheets";
    case ScreenId::Editor: return "Editor";
    }
    return "?";
}

// One hand-over: show the target (created afresh), close the source.
void BM_HandOver(benchmark::State &state)
{
    const Transition t = kTransitions[state.range(0)];
    state.SetLabel(std::string(screenName(t.from)) + " -> " + screenName(t.to));
    auto owner = programOnBundledCourse();
    TestApp &app = *owner;
    SharedState &m = app.ctx.state;
    for (auto _ : state) {
        state.PauseTiming();
        m.TestKind = t.testKind;
        m.chosenChapter = 1;
        m.chapterBlock = 1;
        m.RandomMode = 0;
        PaintWatch watch;
        Screen *source = app.start(t.from);
        watch.waitUntilPainted(source);
        state.ResumeTiming();
        Screen *target = app.ctx.navigator->handOver(source, t.to);
        watch.waitUntilPainted(target);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.PauseTiming();
        delete target;
        state.ResumeTiming();
    }
}
BENCHMARK(BM_HandOver)->DenseRange(0, int(std::size(kTransitions)) - 1)->Unit(benchmark::kMillisecond);

void BM_ReadFiftyItemChapter(benchmark::State &state)
{
    auto owner = programOnBundledCourse();
    TestApp &app = *owner;
    for (auto _ : state)
        benchmark::DoNotOptimize(readChapter(app.ctx.data, 1));
}
BENCHMARK(BM_ReadFiftyItemChapter)->Unit(benchmark::kMicrosecond);

void BM_ReadAllSixScoreFiles(benchmark::State &state)
{
    auto owner = programOnBundledCourse();
    TestApp &app = *owner;
    for (auto _ : state) {
        for (int kind = 1; kind <= 3; ++kind) {
            benchmark::DoNotOptimize(readScores(app.ctx.data, app.ctx.state.inOrderScoreFile[kind]));
            benchmark::DoNotOptimize(readScores(app.ctx.data, app.ctx.state.randomScoreFile[kind]));
        }
    }
}
BENCHMARK(BM_ReadAllSixScoreFiles)->Unit(benchmark::kMicrosecond);

// The next item after a right answer, up to its first paint: judging, counting, building
// the item (and, in the five-answer test, its five answers) and drawing it. The blink is
// switched off. A pass that has ended is started again outside the measurement.
template <class Form>
void measureNextItem(benchmark::State &state, const std::function<Form *(TestApp &)> &open,
                     void (*prepare)(Form *), void (*judge)(Form *))
{
    FeedbackBlink::setStandardDurationMs(0);
    auto owner = programOnBundledCourse();
    TestApp &app = *owner;
    PaintWatch watch;
    Form *f = nullptr;
    for (auto _ : state) {
        state.PauseTiming();
        if (!f || f->Rules.passEnded || f->Rules.run.isPastEnd()) {
            delete f;
            f = open(app);
            watch.waitUntilPainted(f);
        }
        prepare(f);
        QCoreApplication::processEvents();
        state.ResumeTiming();
        judge(f);
        f->repaint();
    }
    delete f;
}

// The right answer is picked on the keypad; Enter judges it.
void pickRightAnswer(ChoiceTestScreen *f)
{
    const QString right = f->Rules.kind == 1 ? f->Rules.run.currentJpn() : f->Rules.run.currentEng();
    pad(f, int(answers(f).indexOf(right)) + 1);
}

void BM_NextItemChoiceTest(benchmark::State &state)
{
    const int kind = int(state.range(0));
    state.SetLabel(kind == 1 ? "English -> Japanese" : "Japanese -> English");
    measureNextItem<ChoiceTestScreen>(
        state, [kind](TestApp &app) { return openChoiceTest(app, kind, 1); }, pickRightAnswer,
        [](ChoiceTestScreen *f) { enter(f); });
}
BENCHMARK(BM_NextItemChoiceTest)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// The right English is put in the answer box; Enter judges it.
void BM_NextItemWordTest(benchmark::State &state)
{
    measureNextItem<WordTestScreen>(
        state, [](TestApp &app) { return openWordTest(app, 1); },
        [](WordTestScreen *f) { f->answerBox->setText(f->Rules.run.currentEng()); },
        [](WordTestScreen *f) { QTest::keyClick(f->answerBox, Qt::Key_Return); });
}
BENCHMARK(BM_NextItemWordTest)->Unit(benchmark::kMicrosecond);

// Naming the kind of mistake of one wrong typed answer (the note under the review), with the
// word list already read: each iteration classifies one answer of a mix of word and sentence
// answers with every kind of mistake.
void BM_ClassifyTypedMistake(benchmark::State &state)
{
    struct Answer {
        QString japanese, expected, typed;
    };
    const QList<Answer> answers = {
        {QStringLiteral("彼はテニスをします。"), QStringLiteral("He plays tennis."), QStringLiteral("he play tenis")},
        {QStringLiteral("私は学生です。"), QStringLiteral("I am a student."), QStringLiteral("I'm student.")},
        {QStringLiteral("私は昨日公園でテニスをしました。"), QStringLiteral("I played tennis in the park yesterday."),
         QStringLiteral("I goed to play tennis yesterday in the park")},
        {QStringLiteral("私はその写真を見ました。"), QStringLiteral("I saw the picture."), QStringLiteral("I see the photo.")},
        {QStringLiteral("私には子どもが二人います。"), QStringLiteral("I have two children."), QStringLiteral("I have 2 childs.")},
        {QStringLiteral("美しい"), QStringLiteral("beautiful"), QStringLiteral("beautifull")},
        {QStringLiteral("これは私の本です。"), QStringLiteral("This is my book."), QStringLiteral("What is your favorite color?")},
    };
    const MistakeClassifier classifier;
    if (classifier.classify(answers[0].japanese, answers[0].expected, answers[0].typed).isEmpty())
        state.SkipWithError("no mistake named");
    qsizetype i = 0;
    for (auto _ : state) {
        const Answer &a = answers[i];
        benchmark::DoNotOptimize(classifier.classify(a.japanese, a.expected, a.typed));
        i = (i + 1) % answers.size();
    }
}
BENCHMARK(BM_ClassifyTypedMistake)->Unit(benchmark::kMicrosecond);

// A full redraw of the score sheet: a kind button clicked, its titles and both score files
// read, the table of 60 chapters drawn.
void BM_ScoreSheetRedraw(benchmark::State &state)
{
    auto owner = programOnBundledCourse();
    TestApp &app = *owner;
    app.ctx.state.TestKind = 0;
    PaintWatch watch;
    auto *f = qobject_cast<ScoreSheetScreen *>(app.start(ScreenId::ScoreSheet));
    watch.waitUntilPainted(f);
    int kind = 1;
    for (auto _ : state) {
        QPushButton *button = kind == 1 ? f->englishToJapaneseButton : kind == 2 ? f->japaneseToEnglishButton : f->wordTestButton;
        QTest::mouseClick(button, Qt::LeftButton);
        f->repaint();
        kind = kind % 3 + 1;
    }
}
BENCHMARK(BM_ScoreSheetRedraw)->Unit(benchmark::kMicrosecond);

// The learning record screen on five years of daily study (about 350,000 answers in the
// yearly files): every file read, the record summed up and the whole screen drawn.
void BM_RecordScreenFiveYears(benchmark::State &state)
{
    auto owner = programOnBundledCourse();
    TestApp &app = *owner;
    const QDate today = QDate::currentDate();
    const QList<AnswerLine> lines = sampleRecord(app.ctx.data, today, 5 * 365, 192, 0);
    const QString problem = LearningRecordWriter(app.ctx.data).append(lines);
    if (!problem.isEmpty())
        state.SkipWithError(qPrintable(problem));
    state.counters["lines"] = double(lines.size());
    state.counters["files"] = double(LearningRecordReader(app.ctx.data).fileNames().size());
    int shown = 0;
    for (auto _ : state) {
        RecordScreen f(app.ctx);
        benchmark::DoNotOptimize(f.grab());
        shown = f.summary().allTime.answers;
    }
    if (shown != lines.size())
        state.SkipWithError(qPrintable(QStringLiteral("the screen showed %1 answers of %2: %3").arg(shown).arg(lines.size()).arg(LearningRecordReader(app.ctx.data).readAll().problems.join(u' '))));
}
BENCHMARK(BM_RecordScreenFiveYears)->Unit(benchmark::kMillisecond);

// Printing into a PDF file through the real print layer, to the file written and closed.
template <class Pages>
void printToPdf(benchmark::State &state, const QString &name, Pages pages)
{
    QTemporaryDir dir;
    QtPrinterProvider printers;
    const QString path = dir.filePath(name + QStringLiteral(".pdf"));
    for (auto _ : state) {
        std::unique_ptr<PrintJob> job = printers.startPdf(path, name);
        pages(*job);
        if (job->failed()) {
            state.SkipWithError("the print job failed");
            break;
        }
    }
}

void BM_PrintScoreSheetToPdf(benchmark::State &state)
{
    auto owner = programOnBundledCourse();
    TestApp &app = *owner;
    ScoreSheet sheet(app.ctx.state, app.ctx.data);
    // The files are read for every print, as the screen reads them when its print button is pressed.
    printToPdf(state, QStringLiteral("score-sheet"), [&](PrintJob &job) {
        ScoreSheetKinds kinds;
        for (int kind = 1; kind <= 3; ++kind) {
            kinds[size_t(kind - 1)].name = app.ctx.state.TestName[size_t(kind)];
            kinds[size_t(kind - 1)].titles = sheet.TitleLine;
            sheet.readKindScores(kind, kinds[size_t(kind - 1)].inOrderRecords, kinds[size_t(kind - 1)].randomRecords);
        }
        ScoreSheetPrint(kinds, job).printAllKinds();
    });
}
BENCHMARK(BM_PrintScoreSheetToPdf)->Unit(benchmark::kMillisecond);

void BM_PrintFiftyItemAnswerSheetToPdf(benchmark::State &state)
{
    auto owner = programOnBundledCourse();
    TestApp &app = *owner;
    app.ctx.state.chosenChapter = 1;
    WordSheets sheets(app.ctx.state, app.random);
    sheets.setChapter(readChapter(app.ctx.data, 1).items, QStringLiteral("第1章"));
    if (sheets.Q_Total() != 50)
        state.SkipWithError("chapter 1 does not have 50 items");
    printToPdf(state, QStringLiteral("answer-sheet"), [&](PrintJob &job) { sheets.answerSheetJapanese(job); });
}
BENCHMARK(BM_PrintFiftyItemAnswerSheetToPdf)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
