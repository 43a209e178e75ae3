// Damaged data folders, one fault at a time on an otherwise good course, against every
// screen: no crash, no hang, a Japanese message naming the file wherever something cannot
// be shown as it is, and every file byte for byte as it was unless the learner saved.
#include "files/cp932.h"
#include "files/learningrecord.h"
#include "files/questionbank.h"
#include "screens/editor/editorscreen.h"
#include "screens/help/helpscreen.h"
#include "screens/kit/uikit.h"
#include "screens/printing/printscreen.h"
#include "screens/results/scoresheetscreen.h"
#include "screens/tests/choicetestscreen.h"
#include "screens/tests/feedbackblink.h"
#include "screens/tests/wordtestscreen.h"
#include "support/scorefiles.h"
#include "support/testapp.h"
#include "support/testscreens.h"
#include "support/watchdog.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <ctime>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <mutex>
#include <thread>

#include <sys/stat.h>

namespace {

const QString kTitle = QStringLiteral("DAIMOKU");
const QString kNames = QStringLiteral("LVNAME");
const QString kTitles = QStringLiteral("E1.DAT");
const QString kLevel = QStringLiteral("T/LEVEL.1");
const QString kInOrder = QStringLiteral("tenj03.dat");
const QString kRandom = QStringLiteral("tenr03.dat");

// Every entry below the folder that holds E1: path, and the hash of a file's bytes. The
// learning record, which every answer adds to, is left out (a pass checks it on its own).
QMap<QString, QByteArray> snapshot(const QString &top)
{
    QMap<QString, QByteArray> entries;
    QDirIterator it(top, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    const QDir base(top);
    while (it.hasNext()) {
        const QString path = it.next();
        if (learningrecord::isRecordFileName(it.fileName()))
            continue;
        QByteArray hash = "folder";
        if (!it.fileInfo().isDir() && !it.fileInfo().isFile()) {
            hash = "special"; // never opened: a pipe would wait, a device never end
        } else if (it.fileInfo().size() > DataFolder::kMaxFileBytes) {
            hash = "size " + QByteArray::number(it.fileInfo().size());
        } else if (!it.fileInfo().isDir()) {
            QFile file(path);
            hash = file.open(QIODevice::ReadOnly)
                       ? QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1).toHex()
                       : QByteArray("unreadable");
        }
        entries.insert(base.relativeFilePath(path), hash);
    }
    return entries;
}

QString differences(const QMap<QString, QByteArray> &before, const QMap<QString, QByteArray> &after)
{
    QStringList out;
    for (auto it = before.cbegin(); it != before.cend(); ++it) {
        if (!after.contains(it.key()))
            out << QStringLiteral("gone: ") + it.key();
        else if (after.value(it.key()) != it.value())
            out << QStringLiteral("changed: ") + it.key();
    }
    for (auto it = after.cbegin(); it != after.cend(); ++it) {
        if (!before.contains(it.key()))
            out << QStringLiteral("new: ") + it.key();
    }
    return out.join(QStringLiteral(", "));
}

QByteArray encoded(const QString &text)
{
    const cp932::EncodeResult e = cp932::encode(text);
    if (!e.ok())
        qFatal("test text not encodable");
    return e.bytes;
}

bool isLineEnd(QChar c) { return c == u'\r' || c == u'\n'; }

// The file cut off inside a line (at a character boundary), near its middle.
QByteArray cutInLine(const QByteArray &bytes)
{
    const QString text = cp932::decode(bytes);
    for (qsizetype p = text.size() / 2; p > 0; --p) {
        if (!isLineEnd(text[p - 1]) && p < text.size() && !isLineEnd(text[p]))
            return encoded(text.left(p));
    }
    qFatal("no line to cut");
}

// The file cut off after the first byte of a two-byte character.
QByteArray cutInCharacter(const QByteArray &bytes)
{
    const QString text = cp932::decode(bytes);
    for (qsizetype p = text.size() / 2; p >= 0; --p) {
        const QByteArray one = encoded(text.mid(p, 1));
        if (one.size() == 2)
            return encoded(text.left(p)) + one.left(1);
    }
    qFatal("no two-byte character to cut");
}

// Bytes that are not code page 932 (a lead byte with a byte that cannot follow it) at the
// start of the second line, or of the only one.
QByteArray withForeignBytes(const QByteArray &bytes)
{
    QByteArray out = bytes;
    qsizetype at = out.indexOf("\r\n") + 2;
    if (at >= out.size())
        at = 0; // a file of one line
    out.insert(at, "\x81\x7f\xff");
    return out;
}

// The largest files read: a little room under the size limit for what a file holds besides.
constexpr qsizetype kHugeBytes = DataFolder::kMaxFileBytes - 64 * 1024;

// Megabytes of well-formed records, far more than 50, without the end marker.
const QByteArray &hugeQuestionFile()
{
    static const QByteArray bytes = [] {
        QByteArray out;
        out.reserve(kHugeBytes + 64);
        for (int i = 1; out.size() < kHugeBytes; ++i)
            out += "e" + QByteArray::number(i) + "\r\n" + encoded(QStringLiteral("日%1").arg(i)) + "\r\nnote\r\n";
        return out;
    }();
    return bytes;
}

const QByteArray &hugeLine()
{
    static const QByteArray bytes(kHugeBytes, '7');
    return bytes;
}

// A question file whose first English line alone is ten megabytes.
const QByteArray &hugeLineQuestionFile()
{
    static const QByteArray bytes = hugeLine() + "\r\n" + encoded(QStringLiteral("日1\r\nnote\r\n*\r\n\r\n\r\n"));
    return bytes;
}

// 100 000 lines of names.
const QByteArray &hugeNameFile()
{
    static const QByteArray bytes = [] {
        QByteArray out;
        for (int i = 1; i <= 100000; ++i)
            out += encoded(QStringLiteral("名前%1").arg(i)) + "\r\n";
        return out;
    }();
    return bytes;
}

const QByteArray &hugeScoreFile()
{
    static const QByteArray bytes = QByteArray("55\r\n").repeated(100000);
    return bytes;
}

QStringList scoreLines(std::initializer_list<const char *> first)
{
    QStringList lines;
    for (const char *line : first)
        lines << QString::fromUtf8(line);
    while (lines.size() < 60)
        lines << QString();
    return lines;
}

// Scores worth showing: chapter 1 finished in both orders, chapter 2 begun.
void writeGoodScores(TestCourse &course)
{
    course.writeLines(kInOrder, scoreLines({"101", "55"}));
    course.writeLines(kRandom, scoreLines({"100", "20"}));
}

void transform(TestCourse &course, const QString &name, const std::function<QByteArray(const QByteArray &)> &change)
{
    course.writeBytes(name, change(course.bytes(name)));
}

void removeFile(TestCourse &course, const QString &name) { QFile::remove(QDir(course.root()).filePath(name)); }

void renameEntry(TestCourse &course, const QString &from, const QString &to)
{
    QDir root(course.root());
    if (!root.rename(from, to))
        qFatal("cannot rename %s", qPrintable(from));
}

const QList<ScreenId> kScreens = {ScreenId::Menu,     ScreenId::Help,      ScreenId::ChapterSelect, ScreenId::QuestionSelect,
                                  ScreenId::ChoiceTest, ScreenId::WordTest, ScreenId::ScoreSheet,   ScreenId::Note,
                                  ScreenId::PrintWordSheets, ScreenId::Editor};

const char *screenName(ScreenId id)
{
    switch (id) {
    case ScreenId::Help: return "help";
    case ScreenId::Menu: return "menu";
    case ScreenId::ChapterSelect: return "chapter selection";
    case ScreenId::QuestionSelect: return "question selection";
    case ScreenId::ChoiceTest: return "choice test";
    case ScreenId::WordTest: return "word test";
    case ScreenId::ScoreSheet: return "score sheet";
    case ScreenId::Note: return "note";
    case ScreenId::PrintWordSheets: return "print";
    case ScreenId::Editor: return "editor";
    }
    return "?";
}

// The files a screen reads as it opens (chapter 1, kind 3; the choice test kind 1).
QStringList filesOpenedBy(ScreenId id)
{
    switch (id) {
    case ScreenId::Help: return {kTitle};
    case ScreenId::ChapterSelect: return {kTitle, kNames, kInOrder, kRandom};
    case ScreenId::ChoiceTest:
    case ScreenId::WordTest:
    case ScreenId::Note:
    case ScreenId::PrintWordSheets: return {kLevel};
    case ScreenId::ScoreSheet: return {kTitles, kInOrder, kRandom};
    case ScreenId::Editor: return {kLevel, kNames, kTitles};
    case ScreenId::Menu:
    case ScreenId::QuestionSelect: break;
    }
    return {};
}

QList<ScreenId> openersOf(const QString &file)
{
    QList<ScreenId> out;
    for (ScreenId id : kScreens) {
        if (file.isEmpty() ? !filesOpenedBy(id).isEmpty() : filesOpenedBy(id).contains(file))
            out << id;
    }
    return out;
}

struct Fault {
    QString name;
    QString file;            // the file damaged; empty for the whole folder
    QList<ScreenId> tellOn;  // the screens that must name the file in a message
    std::function<void(TestCourse &)> apply;
};

QList<Fault> makeFaults()
{
    QList<Fault> faults;
    const QStringList textFiles = {kTitle, kNames, kTitles, kLevel};
    const QStringList allFiles = textFiles + QStringList{kInOrder, kRandom};

    faults << Fault{QStringLiteral("folder missing"), QString(), openersOf(QString()),
                    [](TestCourse &c) { QDir(c.root()).removeRecursively(); }};

    for (const QString &file : allFiles) {
        // A missing score file is what a new folder holds until the first test writes it:
        // only the score sheet, which shows the scores themselves, says so.
        const bool score = file == kInOrder || file == kRandom;
        faults << Fault{file + QStringLiteral(" missing"), file,
                        score ? QList<ScreenId>{ScreenId::ScoreSheet} : openersOf(file),
                        [file](TestCourse &c) { removeFile(c, file); }};
    }

    // Empty files: a score file with no lines is short; an empty question file holds no
    // question; empty names, titles or course title are merely empty.
    for (const QString &file : allFiles) {
        QList<ScreenId> tell;
        if (file == kInOrder || file == kRandom)
            tell = openersOf(file);
        else if (file == kLevel)
            tell = openersOf(file);
        faults << Fault{file + QStringLiteral(" empty"), file, tell,
                        [file](TestCourse &c) { c.writeBytes(file, QByteArray()); }};
    }

    // Cut off inside a line: the question file then ends before its marker; a score file
    // has fewer than 60 lines; a names or titles file merely has fewer lines.
    for (const QString &file : allFiles) {
        QList<ScreenId> tell;
        if (file == kLevel || file == kInOrder || file == kRandom)
            tell = openersOf(file);
        faults << Fault{file + QStringLiteral(" cut in a line"), file, tell,
                        [file](TestCourse &c) { transform(c, file, cutInLine); }};
    }

    // Cut inside a two-byte character, and bytes that are not code page 932: the text
    // cannot be shown as it is, wherever it is shown.
    for (const QString &file : textFiles) {
        faults << Fault{file + QStringLiteral(" cut in a character"), file, openersOf(file),
                        [file](TestCourse &c) { transform(c, file, cutInCharacter); }};
    }
    for (const QString &file : allFiles) {
        faults << Fault{file + QStringLiteral(" not code page 932"), file, openersOf(file),
                        [file](TestCourse &c) { transform(c, file, withForeignBytes); }};
    }

    // A folder where the file should be: it exists but cannot be read.
    for (const QString &file : allFiles) {
        faults << Fault{file + QStringLiteral(" is a folder"), file, openersOf(file), [file](TestCourse &c) {
                            removeFile(c, file);
                            QDir(c.root()).mkpath(file);
                        }};
    }

    // Saved by a modern editor in UTF-8: the Japanese is not code page 932.
    for (const QString &file : textFiles) {
        faults << Fault{file + QStringLiteral(" in UTF-8"), file, openersOf(file), [file](TestCourse &c) {
                            transform(c, file, [](const QByteArray &b) { return cp932::decode(b).toUtf8(); });
                        }};
    }

    // Control characters, NUL among them, are code page 932 like any other byte.
    faults << Fault{QStringLiteral("T/LEVEL.1 control characters"), kLevel, {}, [](TestCourse &c) {
                        transform(c, kLevel, [](const QByteArray &b) { return QByteArray(b).replace("e1-1", QByteArray("e\0\x01\x1b\x7f-1", 8)); });
                    }};
    faults << Fault{QStringLiteral("T/LEVEL.1 CR line ends"), kLevel, {}, [](TestCourse &c) {
                        transform(c, kLevel, [](const QByteArray &b) { return QByteArray(b).replace("\r\n", "\r"); });
                    }};

    // Far too long.
    faults << Fault{QStringLiteral("T/LEVEL.1 4 MB of records"), kLevel, {ScreenId::Editor},
                    [](TestCourse &c) { c.writeBytes(kLevel, hugeQuestionFile()); }};
    faults << Fault{QStringLiteral("T/LEVEL.1 one 4 MB line"), kLevel, openersOf(kLevel),
                    [](TestCourse &c) { c.writeBytes(kLevel, hugeLineQuestionFile()); }};
    faults << Fault{QStringLiteral("LVNAME 100 000 lines"), kNames, {ScreenId::Editor},
                    [](TestCourse &c) { c.writeBytes(kNames, hugeNameFile()); }};
    faults << Fault{QStringLiteral("E1.DAT 100 000 lines"), kTitles, {ScreenId::Editor},
                    [](TestCourse &c) { c.writeBytes(kTitles, hugeNameFile()); }};
    // One line of megabytes first in every other file (the editor says that a names or
    // titles file now has a line past the 60th).
    for (const QString &file : {kTitle, kNames, kTitles, kInOrder}) {
        const QList<ScreenId> tell = file == kNames || file == kTitles ? QList<ScreenId>{ScreenId::Editor} : QList<ScreenId>{};
        faults << Fault{file + QStringLiteral(" one 4 MB line"), file, tell, [file](TestCourse &c) {
                            transform(c, file, [](const QByteArray &b) { return hugeLine() + "\r\n" + b; });
                        }};
    }
    faults << Fault{QStringLiteral("tenj03.dat 100 000 lines"), kInOrder, {},
                    [](TestCourse &c) { c.writeBytes(kInOrder, hugeScoreFile()); }};

    // Not a file to read whole, or at all: a sparse gigabyte, an endless device, a pipe no
    // one writes to (opening it for reading would wait for ever).
    for (const QString &file : {kLevel, kInOrder}) {
        faults << Fault{file + QStringLiteral(" 1 GB sparse"), file, openersOf(file), [file](TestCourse &c) {
                            QFile big(QDir(c.root()).filePath(file));
                            if (!big.open(QIODevice::WriteOnly | QIODevice::Truncate) || !big.resize(qint64(1) << 30))
                                qFatal("cannot make a sparse file");
                        }};
        faults << Fault{file + QStringLiteral(" linked to /dev/zero"), file, openersOf(file), [file](TestCourse &c) {
                            removeFile(c, file);
                            if (!QFile::link(QStringLiteral("/dev/zero"), QDir(c.root()).filePath(file)))
                                qFatal("cannot link");
                        }};
    }
    for (const QString &file : {kLevel, kTitle}) {
        faults << Fault{file + QStringLiteral(" a FIFO"), file, openersOf(file), [file](TestCourse &c) {
                            removeFile(c, file);
                            if (mkfifo(QFile::encodeName(QDir(c.root()).filePath(file)).constData(), 0600) != 0)
                                qFatal("cannot make a FIFO");
                        }};
    }

    // Score records outside the format, in a file of 60 lines.
    const QByteArray nines(400, '9');
    const std::pair<const char *, QStringList> records[] = {
        {"fewer than 60 lines", {QStringLiteral("101"), QStringLiteral("55")}},
        {"non-numeric records", scoreLines({"abc", "五十", "1x", "."})},
        {"negative records", scoreLines({"-5", "-100", "-32768"})},
        {"records at 32767", scoreLines({"32767", "32767"})},
        {"records beyond 32767", scoreLines({"99999", "4294967296", "99999999999999999999999999999999999999999", nines.constData()})},
    };
    for (const auto &[what, lines] : records) {
        const bool isShort = lines.size() < 60;
        const QStringList content = lines;
        faults << Fault{kInOrder + QStringLiteral(" ") + QLatin1String(what), kInOrder,
                        isShort ? openersOf(kInOrder) : QList<ScreenId>{},
                        [content](TestCourse &c) { c.writeLines(kInOrder, content); }};
    }

    faults << Fault{QStringLiteral("T/LEVEL.1 without marker, 3 records"), kLevel, openersOf(kLevel),
                    [](TestCourse &c) { c.writeChapter(1, TestCourse::numbered(1, 3), false); }};

    for (const QString &file : allFiles) {
        faults << Fault{file + QStringLiteral(" LF line ends"), file, {},
                        [file](TestCourse &c) { transform(c, file, [](const QByteArray &b) { return QByteArray(b).replace("\r\n", "\n"); }); }};
    }

    faults << Fault{QStringLiteral("commas and quotes in names, titles and course title"), QString(), {}, [](TestCourse &c) {
                        QStringList names, titles;
                        for (int n = 1; n <= 60; ++n) {
                            names << QStringLiteral("名前,その%1").arg(n);
                            titles << QStringLiteral("\"題\",%1").arg(n);
                        }
                        names[1] = QStringLiteral("\"引用\"の名前");
                        c.writeLines(kNames, names);
                        c.writeLines(kTitles, titles);
                        c.writeLines(kTitle, {QStringLiteral("\"教材,その一\"")});
                    }};

    // Names in other letter case, as a folder copied from Windows may hold them: they are
    // the course's files, found and used, never doubled by a second file of the exact name.
    faults << Fault{QStringLiteral("names in other letter case"), QString(), {}, [](TestCourse &c) {
                        renameEntry(c, QStringLiteral("T/LEVEL.1"), QStringLiteral("T/level.1"));
                        renameEntry(c, QStringLiteral("T"), QStringLiteral("t"));
                        renameEntry(c, kInOrder, QStringLiteral("TENJ03.DAT"));
                        renameEntry(c, kNames, QStringLiteral("Lvname"));
                        renameEntry(c, kTitle, QStringLiteral("daimoku"));
                        renameEntry(c, kTitles, QStringLiteral("e1.dat"));
                    }};
    return faults;
}

const QList<Fault> &faults()
{
    static const QList<Fault> all = makeFaults();
    return all;
}

// What the screen said: every message box, and every label shown.
QStringList said(const TestApp &app)
{
    QStringList out;
    for (const ScriptedDialogs::Call &call : app.dialogs.calls)
        out << call.text;
    if (const Screen *screen = app.current()) {
        for (const QLabel *label : screen->findChildren<QLabel *>()) {
            if (label->isVisible())
                out << label->text();
        }
    }
    return out;
}

bool namesFile(const QStringList &texts, const QString &file)
{
    const QString shown = QStringLiteral("E1/") + file;
    for (const QString &text : texts) {
        if (file.isEmpty() ? text.contains(QStringLiteral("E1/")) : text.contains(shown, Qt::CaseInsensitive))
            return true;
    }
    return false;
}

bool isJapanese(const QString &text)
{
    for (QChar c : text) {
        if (c.unicode() >= 0x3040 && c.unicode() <= 0x9FFF)
            return true;
    }
    return false;
}

void prepareState(TestApp &app, ScreenId screen)
{
    SharedState &m = app.ctx.state;
    m.TestKind = screen == ScreenId::Menu || screen == ScreenId::Help ? 0 : screen == ScreenId::ChoiceTest ? 1 : 3;
    m.chosenChapter = 1;
    m.chapterBlock = 1;
    m.RandomMode = 0;
    m.courseTitle = QStringLiteral("テスト教材");
    app.nameChapters();
}

// A few things a learner does on each screen that save nothing: pages, keys, moves, the
// hint, one answer (a wrong one, which ends no pass with a score to store), printing.
void actAsALearner(TestApp &app, ScreenId id)
{
    Screen *screen = app.current();
    switch (id) {
    case ScreenId::Help:
        QTest::mouseClick(static_cast<HelpScreen *>(screen)->nextButton, Qt::LeftButton);
        break;
    case ScreenId::ChapterSelect:
        for (Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_F2, Qt::Key_Up})
            QTest::keyClick(screen, key);
        break;
    case ScreenId::ChoiceTest: {
        auto *test = static_cast<ChoiceTestScreen *>(screen);
        for (int i = 1; i <= 5; ++i) {
            if (test->answerLabels[i]->isVisible() && test->answerLabels[i]->text() != QStringLiteral("日1-1")) {
                QTest::mouseDClick(test->answerLabels[i], Qt::LeftButton);
                break;
            }
        }
        break;
    }
    case ScreenId::WordTest: {
        auto *test = static_cast<WordTestScreen *>(screen);
        QTest::mousePress(test->hintButton, Qt::LeftButton);
        QTest::mouseRelease(test->hintButton, Qt::LeftButton);
        QTest::keyClicks(test->answerBox, QStringLiteral("wrong"));
        QTest::keyClick(test->answerBox, Qt::Key_Return);
        break;
    }
    case ScreenId::ScoreSheet: {
        auto *sheet = static_cast<ScoreSheetScreen *>(screen);
        for (QPushButton *button : {sheet->englishToJapaneseButton, sheet->japaneseToEnglishButton, sheet->wordTestButton, sheet->printButton})
            QTest::mouseClick(button, Qt::LeftButton); // the three kinds, then print (answered OK)
        break;
    }
    case ScreenId::Note:
        for (Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Up})
            QTest::keyClick(screen, key);
        break;
    case ScreenId::PrintWordSheets:
        QTest::mouseClick(static_cast<PrintScreen *>(screen)->oneTestButton, Qt::LeftButton);       // one copy, OK
        break;
    case ScreenId::Editor: {
        auto *editor = static_cast<EditorScreen *>(screen);
        for (QPushButton *button : {editor->nextSlotButton, editor->lastSlotButton, editor->firstSlotButton})
            QTest::mouseClick(button, Qt::LeftButton);
        break;
    }
    case ScreenId::Menu:
    case ScreenId::QuestionSelect:
        break; // every button leaves the screen
    }
}

qint64 processorTimeMs()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return qint64(now.tv_sec) * 1000 + now.tv_nsec / 1'000'000;
}

// A row (opening the screen and acting on it) that takes longer is as good as a hang for
// the learner. Under the sanitizers everything runs several times slower.
#if defined(__SANITIZE_ADDRESS__)
constexpr qint64 kRowLimitMs = 20000;
#else
constexpr qint64 kRowLimitMs = 4000;
#endif

} // namespace

class TestHostileFolders : public QObject {
    Q_OBJECT

    qint64 slowestMs_ = 0;
    QByteArray slowestRow_;

private slots:
    void initTestCase() { FeedbackBlink::setStandardDurationMs(0); }
    void cleanupTestCase() { qInfo("slowest row: %lld ms of processor time (%s)", slowestMs_, slowestRow_.constData()); }

    void everyScreenOnADamagedFolder_data()
    {
        QTest::addColumn<int>("fault");
        QTest::addColumn<int>("screen");
        for (qsizetype f = 0; f < faults().size(); ++f) {
            for (ScreenId screen : kScreens) {
                QTest::newRow(qPrintable(faults()[f].name + QStringLiteral(" / ") + QLatin1String(screenName(screen))))
                    << int(f) << int(screen);
            }
        }
    }

    void everyScreenOnADamagedFolder()
    {
        QFETCH(int, fault);
        QFETCH(int, screen);
        const Fault &damage = faults()[fault];
        const auto id = ScreenId(screen);

        TestApp app;
        writeGoodScores(app.course);
        damage.apply(app.course);
        prepareState(app, id);
        const auto before = snapshot(app.course.workingDir());

        // The program's own processor time, so that other work on a loaded machine does not
        // count against it; the watchdog still ends a real hang by the wall clock.
        const qint64 started = processorTimeMs();
        {
            const Watchdog guard(QTest::currentDataTag(), std::chrono::milliseconds(3 * kRowLimitMs));
            QVERIFY(app.start(id));
            TestApp::settle();
            actAsALearner(app, id);
            TestApp::settle();
        }
        const qint64 took = processorTimeMs() - started;
        if (took > slowestMs_) {
            slowestMs_ = took;
            slowestRow_ = QTest::currentDataTag();
        }

        QVERIFY(app.current());
        QCOMPARE(app.current()->id(), id);
        QVERIFY(app.current()->isVisible());
        QVERIFY2(took < kRowLimitMs, qPrintable(QStringLiteral("took %1 ms").arg(took)));

        const QStringList texts = said(app);
        const bool told = namesFile(texts, damage.file);
        const bool mustTell = damage.tellOn.contains(id);
        QVERIFY2(told == mustTell, qPrintable((mustTell ? QStringLiteral("nothing names %1; it said: ")
                                                        : QStringLiteral("a message about %1 that should not be: "))
                                                  .arg(damage.file.isEmpty() ? QStringLiteral("the folder") : damage.file)
                                              + texts.join(QStringLiteral(" | ")).left(600)));
        for (const ScriptedDialogs::Call &call : app.dialogs.calls)
            QVERIFY2(isJapanese(call.text), qPrintable(call.text));

        QCOMPARE(differences(before, snapshot(app.course.workingDir())), QString());
    }

    // A full-mark pass (chapter 1 in file order) of the word test or the choice test on a
    // damaged score file: a file that cannot be read whole is never written; a readable one
    // gets the new best score in the chapter's line and nothing else of it changes but the
    // line ends.
    void aPassOnADamagedScoreFile_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("name");      // the score file as it lies on disk
        QTest::addColumn<QByteArray>("before"); // its bytes; empty: a folder in its place
        QTest::addColumn<QByteArray>("after");  // its bytes after the pass; empty: unchanged
        QTest::addColumn<bool>("told");

        const QByteArray rest = QByteArray("\r\n").repeated(58);
        const QByteArray nines(400, '9');
        const auto word = [](const char *what) -> QTestData & { return QTest::newRow(qPrintable(QStringLiteral("word test, ") + QLatin1String(what))) << 3; };
        word("a folder in its place") << kInOrder << QByteArray() << QByteArray() << true;
        word("bytes not code page 932 in another line") << kInOrder << "55\r\n\x81\x7f\r\n" + rest << QByteArray() << true;
        word("cut in a two-byte character") << kInOrder << QByteArray("55\r\n\x93") << QByteArray() << true;
        word("fewer than 60 lines") << kInOrder << QByteArray("90\r\n80\r\n") << "100\r\n80\r\n" + rest << false;
        word("non-numeric records") << kInOrder << "abc\r\n" + encoded(QStringLiteral("五十\r\n")) + rest
                                    << "100\r\n" + encoded(QStringLiteral("五十\r\n")) + rest << false;
        word("negative record") << kInOrder << "-5\r\n-7\r\n" + rest << "100\r\n-7\r\n" + rest << false;
        word("full marks again") << kInOrder << "100\r\n\r\n" + rest << "101\r\n\r\n" + rest << false;
        word("record at 32767") << kInOrder << "32767\r\n\r\n" + rest << QByteArray() << false;
        word("record at 99999") << kInOrder << "99999\r\n\r\n" + rest << QByteArray() << false;
        word("record of 400 digits") << kInOrder << nines + "\r\n\r\n" + rest << QByteArray() << false;
        word("LF line ends") << kInOrder << "90\n80\n" + QByteArray("\n").repeated(58) << "100\r\n80\r\n" + rest << false;
        word("name in capitals") << QStringLiteral("TENJ03.DAT") << "90\r\n80\r\n" + rest << "100\r\n80\r\n" + rest << false;

        const QString choiceFile = QStringLiteral("tenj01.dat");
        const auto choice = [](const char *what) -> QTestData & { return QTest::newRow(qPrintable(QStringLiteral("choice test, ") + QLatin1String(what))) << 1; };
        choice("bytes not code page 932 in another line") << choiceFile << "55\r\n\x81\x7f\r\n" + rest << QByteArray() << true;
        choice("fewer than 60 lines") << choiceFile << QByteArray("90\r\n80\r\n") << "100\r\n80\r\n" + rest << false;
        choice("record of 400 digits") << choiceFile << nines + "\r\n\r\n" + rest << QByteArray() << false;
    }

    void aPassOnADamagedScoreFile()
    {
        QFETCH(int, kind);
        QFETCH(QString, name);
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        QFETCH(bool, told);

        TestApp app;
        writeGoodScores(app.course);
        removeFile(app.course, name.toLower());
        if (before.isEmpty())
            QVERIFY(QDir(app.course.root()).mkdir(name));
        else
            app.course.writeBytes(name, before);
        prepareState(app, kind == 1 ? ScreenId::ChoiceTest : ScreenId::WordTest);
        auto expected = snapshot(app.course.workingDir());
        if (!after.isEmpty())
            expected[QStringLiteral("E1/") + name] = QCryptographicHash::hash(after, QCryptographicHash::Sha1).toHex();

        if (kind == 1) {
            app.start(ScreenId::ChoiceTest);
            auto *test = app.currentAs<ChoiceTestScreen>();
            QVERIFY(test);
            app.dialogs.calls.clear(); // what opening the test said is not the point here
            for (int n = 1; n <= 10; ++n) {
                const QString right = QStringLiteral("日1-%1").arg(n);
                int at = 1;
                while (at < 5 && test->answerLabels[at]->text() != right)
                    ++at;
                QCOMPARE(test->answerLabels[at]->text(), right);
                QTest::mouseDClick(test->answerLabels[at], Qt::LeftButton);
            }
            QCOMPARE(scoreShown(test), QStringLiteral("100"));
        } else {
            app.start(ScreenId::WordTest);
            auto *test = app.currentAs<WordTestScreen>();
            QVERIFY(test);
            app.dialogs.calls.clear();
            for (int n = 1; n <= 10; ++n) {
                QTest::keyClicks(test->answerBox, QStringLiteral("e1-%1").arg(n));
                QTest::keyClick(test->answerBox, Qt::Key_Return);
            }
            QCOMPARE(scoreShown(test), QStringLiteral("100"));
        }

        QStringList messages;
        for (const ScriptedDialogs::Call &call : app.dialogs.calls)
            messages << call.text;
        QVERIFY2(namesFile(messages, name) == told, qPrintable(messages.join(QStringLiteral(" | "))));
        if (told)
            QVERIFY(messages.join(QString()).contains(QStringLiteral("今回の成績を保存できませんでした")));
        QCOMPARE(differences(expected, snapshot(app.course.workingDir())), QString());
        if (!after.isEmpty())
            QCOMPARE(app.course.bytes(name), after);
        QCOMPARE(LearningRecordReader(app.ctx.data).readAll().lines.size(), 10); // the pass, whatever the score file
    }

    // The editor's boxes hold at most 32767 characters: a longer line is shown cut, and a save
    // must not write the cut text in place of the line.
    void theEditorNeverSavesALineCutByItsBox()
    {
        TestApp app;
        const QString longLine(40000, u'x');
        app.course.writeChapter(1, {{longLine, QStringLiteral("日1"), QStringLiteral("note")}, {QStringLiteral("e2"), QStringLiteral("日2"), QString()}});
        prepareState(app, ScreenId::Editor);
        const QByteArray before = app.course.bytes(kLevel);
        app.start(ScreenId::Editor);
        auto *editor = app.currentAs<EditorScreen>();
        QVERIFY(editor);
        QVERIFY(namesFile(said(app), kLevel)); // told on opening
        app.dialogs.calls.clear();
        QTest::mouseClick(editor->saveButton, Qt::LeftButton); // 登録する
        QCOMPARE(app.dialogs.count(QStringLiteral("inform")), 1);
        QVERIFY(namesFile(said(app), kLevel));
        QCOMPARE(app.course.bytes(kLevel), before);
        // What the other screens read of it: the line cut to what a box holds, and said so.
        const ChapterQuestions read = readChapter(app.course.folder(), 1);
        QCOMPARE(read.longLine, 1);
        QCOMPARE(read.items[0].eng, longLine.left(kMaxLineLength));
        QVERIFY(readingNotice(app.course.folder(), 1, read, QString()).contains(QStringLiteral("1行目")));
    }

    // A chapter saved as UTF-8, saved again by the editor untouched: the Japanese stays the
    // same UTF-8 (nothing is lost to the misreading), and the editor still says what the file is.
    void theEditorKeepsAUtf8ChapterAsItWas()
    {
        TestApp app;
        transform(app.course, kLevel, [](const QByteArray &b) { return cp932::decode(b).toUtf8(); });
        prepareState(app, ScreenId::Editor);
        app.start(ScreenId::Editor);
        auto *editor = app.currentAs<EditorScreen>();
        QVERIFY(editor);
        QVERIFY(editor->problemLabel->text().contains(QStringLiteral("UTF-8")));
        QTest::mouseClick(editor->saveButton, Qt::LeftButton); // 登録する
        QCOMPARE(editor->savedLabel->text(), QStringLiteral("登録しました。"));
        const QString saved = QString::fromUtf8(app.course.bytes(kLevel));
        QVERIFY(saved.startsWith(QStringLiteral("e1-1\r\n日1-1\r\nnote1-1\r\n")));
        QVERIFY(saved.contains(QStringLiteral("e1-10\r\n日1-10\r\nnote1-10\r\n*\r\n")));
        QVERIFY(editor->problemLabel->text().contains(QStringLiteral("UTF-8")));
    }

    // On a folder whose names differ in letter case from the program's, every save goes to
    // the file that is there (or, for a new chapter, into the folder that is there): no
    // second file or folder appears beside it.
    void savesGoToTheFilesOfOtherLetterCase()
    {
        TestApp app;
        writeGoodScores(app.course);
        renameEntry(app.course, QStringLiteral("T/LEVEL.1"), QStringLiteral("T/level.1"));
        renameEntry(app.course, QStringLiteral("T"), QStringLiteral("t"));
        renameEntry(app.course, kNames, QStringLiteral("Lvname"));
        renameEntry(app.course, kInOrder, QStringLiteral("TENJ03.DAT"));
        renameEntry(app.course, kRandom, QStringLiteral("TenR03.Dat"));
        const QStringList paths = snapshot(app.course.workingDir()).keys();

        prepareState(app, ScreenId::Editor);
        app.start(ScreenId::Editor);
        auto *editor = app.currentAs<EditorScreen>();
        QVERIFY(editor);
        QTest::mouseClick(editor->saveButton, Qt::LeftButton); // 登録する: 150 lines
        QCOMPARE(app.course.bytes(QStringLiteral("t/level.1")).count("\r\n"), 150);
        app.dialogs.textAnswers = {QStringLiteral("新しい名前")};
        QTest::mouseDClick(editor->chapterLabel, Qt::LeftButton);
        QVERIFY(app.course.bytes(QStringLiteral("Lvname")).startsWith(encoded(QStringLiteral("新しい名前\r\n"))));

        app.ctx.state.chosenChapter = 4; // no file yet: created in the folder "t"
        app.start(ScreenId::Editor);
        editor = app.currentAs<EditorScreen>();
        QVERIFY(editor);
        QTest::mouseClick(editor->saveButton, Qt::LeftButton);
        QVERIFY(app.course.exists(QStringLiteral("t/LEVEL.4")));

        app.ctx.state.TestKind = 3;
        app.start(ScreenId::ScoreSheet);
        auto *sheet = app.currentAs<ScoreSheetScreen>();
        QVERIFY(sheet);
        QTest::mouseClick(sheet->resetButton, Qt::LeftButton); // 初期化, answered OK
        QCOMPARE(app.course.bytes(QStringLiteral("TENJ03.DAT")), emptyScoreFile());
        QCOMPARE(app.course.bytes(QStringLiteral("TenR03.Dat")), emptyScoreFile());

        QStringList expected = paths;
        expected << QStringLiteral("E1/t/LEVEL.4");
        expected.sort();
        QCOMPARE(snapshot(app.course.workingDir()).keys(), expected);
    }
};

QTEST_MAIN(TestHostileFolders)
#include "tst_hostilefolders.moc"
