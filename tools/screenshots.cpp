// Makes docs/screenshots/*.png: every screen of the program on the bundled course, in the
// states a learner sees. Run by scripts/screenshots after any change to a screen.
#include "files/learningrecord.h"
#include "files/questionbank.h"
#include "look/fonts.h"
#include "print/qtprinter.h"
#include "print/wordsheets.h"
#include "screens/editor/editorscreen.h"
#include "screens/help/helpscreen.h"
#include "screens/kit/uikit.h"
#include "screens/menu/menuscreen.h"
#include "screens/printing/printscreen.h"
#include "screens/record/recordscreen.h"
#include "screens/results/notescreen.h"
#include "screens/results/scoresheetscreen.h"
#include "screens/select/chapterselectscreen.h"
#include "screens/select/questionselectscreen.h"
#include "screens/tests/choicetestscreen.h"
#include "screens/tests/feedbackblink.h"
#include "screens/tests/wordtestscreen.h"
#include "support/samplerecord.h"
#include "support/testapp.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <cstdio>

namespace {

QString outputDir;

void copyBundledCourse(TestCourse &course)
{
    const QString bundled = QStringLiteral(EITANGO_SOURCE_DIR "/course/E1");
    QDirIterator it(bundled, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        course.writeBytes(QDir(bundled).relativeFilePath(path), file.readAll());
    }
}

void save(QWidget *screen, const QString &name)
{
    TestApp::settle();
    const QString path = QDir(outputDir).filePath(name + QStringLiteral(".png"));
    if (!screen->grab().save(path))
        std::fprintf(stderr, "could not write %s\n", qPrintable(path));
    else
        std::printf("%s\n", qPrintable(path));
}

template <class T> T *open(TestApp &app, ScreenId id)
{
    return qobject_cast<T *>(app.start(id));
}

// A score file of a learner who has worked through the first chapters: full marks, good,
// middling and poor scores, then chapters not yet taken.
QStringList learnerScores(std::initializer_list<int> scores)
{
    QStringList records;
    for (int score : scores)
        records << QString::number(score);
    return records;
}

// A printed sheet, written as a PDF file beside the pictures (scripts/screenshots turns its
// page into a picture and removes it).
void printSheet(TestApp &app, int chapter, void (WordSheets::*sheet)(PrintJob &), const QString &name)
{
    WordSheets sheets(app.ctx.state, app.random);
    app.ctx.state.chosenChapter = chapter;
    sheets.setChapter(readChapter(app.ctx.data, chapter).items, QStringLiteral("No. %1").arg(chapter));
    QtPrinterProvider printers;
    const QString path = QDir(outputDir).filePath(name + QStringLiteral(".pdf"));
    std::unique_ptr<PrintJob> job = printers.startPdf(path, name);
    (sheets.*sheet)(*job);
    if (job->failed())
        std::fprintf(stderr, "could not print %s: %s\n", qPrintable(path), qPrintable(job->problem()));
    else
        std::printf("%s\n", qPrintable(path));
}

} // namespace

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    fonts::install();
    outputDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(EITANGO_SOURCE_DIR "/docs/screenshots");
    QDir().mkpath(outputDir);

    TestApp app(false);
    copyBundledCourse(app.course);
    // A learner part of the way through the course.
    app.course.writeScores(QStringLiteral("tenj01.dat"),
                           learnerScores({100, 100, 100, 95, 100, 85, 100, 70, 100, 60, 90, 45, 100, 30, 80, 100, 20, 100, 75, 55, 100, 100, 65, 40}));
    app.course.writeScores(QStringLiteral("tenr01.dat"),
                           learnerScores({100, 100, 90, 100, 80, 100, 70, 100, 9, 100, 100, 50, 85, 100, 100, 35}));
    SharedState &m = app.ctx.state;

    auto *help = open<HelpScreen>(app, ScreenId::Help);
    save(help, QStringLiteral("help"));
    QTest::mouseClick(help->RulesLink, Qt::LeftButton);
    save(help, QStringLiteral("help-rules"));
    save(open<MenuScreen>(app, ScreenId::Menu), QStringLiteral("menu"));

    m.TestKind = 1;
    auto *chapters = open<ChapterSelectScreen>(app, ScreenId::ChapterSelect);
    QTest::keyClick(chapters, Qt::Key_Down);
    QTest::keyClick(chapters, Qt::Key_Down);
    save(chapters, QStringLiteral("chapter-select"));

    m.TestKind = 3;
    m.chosenChapter = 34;
    m.chapterBlock = 2;
    save(open<QuestionSelectScreen>(app, ScreenId::QuestionSelect), QStringLiteral("question-select"));

    auto *note = open<NoteScreen>(app, ScreenId::Note);
    QTest::keyClick(note, Qt::Key_Down);
    QTest::keyClick(note, Qt::Key_Down);
    save(note, QStringLiteral("note"));

    // The tests, with the feedback blink ended at once so that every picture is settled.
    FeedbackBlink::setStandardDurationMs(0);
    m.TestKind = 1;
    m.chosenChapter = 19;
    auto *choice = open<ChoiceTestScreen>(app, ScreenId::ChoiceTest);
    save(choice, QStringLiteral("choice-test"));
    QTest::keyClick(choice, Qt::Key_Return); // the first answer offered is never the right one
    save(choice, QStringLiteral("choice-test-review"));

    m.TestKind = 3;
    m.chosenChapter = 16;
    auto *word = open<WordTestScreen>(app, ScreenId::WordTest);
    // A learner's slip: the right answer with its third letter left out.
    QTest::keyClicks(word->answerBox, word->Rules.run.currentEng().remove(2, 1));
    QTest::keyClick(word->answerBox, Qt::Key_Return);
    save(word, QStringLiteral("word-test-review"));
    const int total = word->totalNumber->text().toInt();
    for (int i = 1; i < total - 1; ++i) {
        QTest::keyClicks(word->answerBox, QStringLiteral("x"));
        QTest::keyClick(word->answerBox, Qt::Key_Return);
    }
    // The last answer with a slip of letter case: its note stays beside the result.
    QTest::keyClicks(word->answerBox, word->Rules.run.currentEng().toLower());
    QTest::keyClick(word->answerBox, Qt::Key_Return);
    save(word, QStringLiteral("word-test-failed"));
    QTest::mouseClick(word->allMissesButton, Qt::LeftButton);
    save(word, QStringLiteral("word-test-miss-list"));
    // A re-test after a wrong answer: the note under the bars, the result message above.
    QTest::mouseClick(word->retestButton, Qt::LeftButton);
    QTest::keyClicks(word->answerBox, word->Rules.run.currentEng() + QStringLiteral("s"));
    QTest::keyClick(word->answerBox, Qt::Key_Return);
    save(word, QStringLiteral("word-test-retest"));

    // 苦手な問題: items of several chapters missed on the days before, due today.
    QList<AnswerLine> missed;
    const QDate today = QDate::currentDate();
    for (int chapter : {4, 9, 12, 17, 23, 31}) {
        const QList<Question> items = readChapter(app.ctx.data, chapter).items;
        for (int item : {2, 5}) {
            AnswerLine a;
            a.passStart = ClockTime(today.addDays(-1 - chapter % 3), QTime(19, 0));
            a.kind = 3;
            a.chapter = chapter;
            a.item = item;
            a.english = items.value(item - 1).eng;
            missed << a;
        }
    }
    LearningRecordWriter(app.ctx.data).append(missed);
    m.TestKind = 3;
    m.WeakMode = 1;
    auto *weak = open<WordTestScreen>(app, ScreenId::WordTest);
    QTest::keyClicks(weak->answerBox, weak->Rules.run.currentEng());
    QTest::keyClick(weak->answerBox, Qt::Key_Return);
    // A slip on the second: the review shows it as in a chapter's test.
    QTest::keyClicks(weak->answerBox, weak->Rules.run.currentEng().remove(0, 1));
    QTest::keyClick(weak->answerBox, Qt::Key_Return);
    save(weak, QStringLiteral("weak-pass"));
    m.WeakMode = 0;

    auto *editor = open<EditorScreen>(app, ScreenId::Editor);
    QTest::mouseClick(editor->nextSlotButton, Qt::LeftButton);
    save(editor, QStringLiteral("editor"));

    m.TestKind = 3;
    m.chosenChapter = 7;
    auto *print = open<PrintScreen>(app, ScreenId::PrintWordSheets);
    save(print, QStringLiteral("print"));
    printSheet(app, 7, &WordSheets::testSheetJapanese, QStringLiteral("test-sheet"));
    printSheet(app, 7, &WordSheets::answerSheetJapanese, QStringLiteral("answer-sheet"));

    m.TestKind = 1;
    save(open<ScoreSheetScreen>(app, ScreenId::ScoreSheet), QStringLiteral("score-sheet"));

    // Ten weeks of study, a day of rest now and then, with the learner's last passes today.
    LearningRecordWriter(app.ctx.data).append(sampleRecord(app.ctx.data, QDate::currentDate(), 70, 60, 6));
    m.TestKind = 3;
    save(open<RecordScreen>(app, ScreenId::Record), QStringLiteral("record"));
    return 0;
}
