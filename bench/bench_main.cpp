// Run with scripts/bench (Release build, offscreen); it reports medians of repeated runs.
#include "app/fonts.h"
#include "app/random.h"
#include "app/speech.h"
#include "app/startup.h"
#include "app/navigator.h"
#include "content/questionbank.h"
#include "content/scores.h"
#include "support/testapp.h"

#include <QApplication>
#include <QDir>
#include <benchmark/benchmark.h>

namespace {

// The bundled course in a temporary folder, with chapter 1 made 50 items long.
void useBundledCourse(TestApp &app)
{
    const QDir bundled(QStringLiteral(EITANGO_BUILD_DIR "/course/E1"));
    for (const QString &name : bundled.entryList(QDir::Files))
        app.course.writeBytes(name, DataFolder(bundled.path()).read(name).bytes);
    for (int n = 1; n <= 60; ++n)
        app.course.writeBytes(levelFileName(n), DataFolder(bundled.path()).read(levelFileName(n)).bytes);
    app.course.writeChapter(1, TestCourse::numbered(1, 50), false);
}

void waitUntilShown(QWidget *w)
{
    while (!w->isVisible())
        QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

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

// Start-up is measured from the creation of the application object to the first window
// shown, so the start-up benchmarks run first, before the shared application exists.
// The reference: a bare window of the same size.
void BM_StartBareWindow(benchmark::State &state)
{
    for (auto _ : state) {
        QApplication app(fakeArgc, fakeArgv);
        QWidget w;
        w.setFixedSize(800, 600);
        w.show();
        waitUntilShown(&w);
    }
}
BENCHMARK(BM_StartBareWindow)->Unit(benchmark::kMillisecond);

// The program's start: application, fonts, translations, the data folder check, its
// context, the navigator and the help screen with the course title.
void BM_StartUpToFirstScreen(benchmark::State &state)
{
    TestCourse course;
    course.writeStandard();
    for (auto _ : state) {
        QApplication app(fakeArgc, fakeArgv);
        fonts::install();
        loadJapaneseTranslations(app);
        ScriptedDialogs dialogs;
        if (!ensureDataFolder(dialogs, course.root()))
            state.SkipWithError("no data folder");
        ClockRandom random;
        EspeakSpeech speech;
        AppContext ctx;
        ctx.data = DataFolder(course.root());
        ctx.dialogs = &dialogs;
        ctx.random = &random;
        ctx.speech = &speech;
        Navigator navigator(ctx, createScreen);
        Screen *first = navigator.start(ScreenId::Help);
        waitUntilShown(first);
        delete first;
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
    ensureApp();
    TestApp app(false);
    useBundledCourse(app);
    Module1 &m = app.ctx.state;
    for (auto _ : state) {
        state.PauseTiming();
        m.TestKind = t.testKind;
        m.KomokuNo = 1;
        m.KomokuPage = 1;
        m.RandomMode = 0;
        Screen *source = app.start(t.from);
        waitUntilShown(source);
        state.ResumeTiming();
        Screen *target = app.ctx.navigator->handOver(source, t.to);
        waitUntilShown(target);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.PauseTiming();
        delete target;
        state.ResumeTiming();
    }
}
BENCHMARK(BM_HandOver)->DenseRange(0, int(std::size(kTransitions)) - 1)->Unit(benchmark::kMillisecond);

void BM_ReadFiftyItemChapter(benchmark::State &state)
{
    ensureApp();
    TestApp app(false);
    useBundledCourse(app);
    for (auto _ : state)
        benchmark::DoNotOptimize(SEKUSHON(app.ctx.data, 1));
}
BENCHMARK(BM_ReadFiftyItemChapter)->Unit(benchmark::kMicrosecond);

void BM_ReadAllSixScoreFiles(benchmark::State &state)
{
    ensureApp();
    TestApp app(false);
    useBundledCourse(app);
    for (auto _ : state) {
        for (int kind = 1; kind <= 3; ++kind) {
            benchmark::DoNotOptimize(readScores(app.ctx.data, app.ctx.state.TenjFile[kind]));
            benchmark::DoNotOptimize(readScores(app.ctx.data, app.ctx.state.TenrFile[kind]));
        }
    }
}
BENCHMARK(BM_ReadAllSixScoreFiles)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
