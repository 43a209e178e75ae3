// Writes that run out of room (a full disk, or a size limit the system puts on the writer):
// every save of the program keeps the old file whole, leaves no stray temporary file, and
// says what could not be written. The writer runs in a child process whose file size
// limit is a few bytes, which holds for root too.
#include "files/coursefiles.h"
#include "files/scores.h"
#include "rules/editor/chaptertexts.h"
#include "rules/editor/questionslots.h"
#include "screens/editor/editorscreen.h"
#include "screens/kit/uikit.h"
#include "screens/tests/feedbackblink.h"
#include "screens/tests/wordtestscreen.h"
#include "support/filesizelimit.h"
#include "support/testapp.h"
#include "support/testscreens.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTest>

#include <csignal>
#include <functional>
#include <poll.h>
#include <cerrno>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const QString kKept = QStringLiteral("元のファイルはそのまま残っています");

QStringList entries(const QString &folder)
{
    QStringList all;
    for (const QFileInfo &info : QDir(folder).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System))
        all << info.fileName();
    for (const QString &sub : QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        for (const QString &inner : entries(QDir(folder).filePath(sub)))
            all << sub + u'/' + inner;
    }
    all.sort();
    return all;
}

void writeCourseWithScores(TestCourse &course)
{
    course.writeStandard();
    course.writeScores(QStringLiteral("tenj03.dat"), {QStringLiteral("40")});
    course.writeScores(QStringLiteral("tenj02.dat"), {QStringLiteral("100"), QStringLiteral("7")});
    course.writeScores(QStringLiteral("tenr02.dat"), {QStringLiteral("101")});
}

using Save = std::function<QString(const DataFolder &)>;

QList<Question> editedChapter()
{
    QList<Question> records;
    for (int i = 1; i <= kMaxQuestions; ++i)
        records << Question{QStringLiteral("new%1").arg(i), QStringLiteral("新%1").arg(i), QString()};
    return records;
}

// Chapter 1 of the word test's kind on the screen given.
template <class Form> Form *openOnChapterOne(TestApp &app, ScreenId id)
{
    app.ctx.state.TestKind = 3;
    app.ctx.state.chosenChapter = 1;
    app.start(id);
    return app.currentAs<Form>();
}

QStringList messages(const TestApp &app)
{
    QStringList texts;
    for (const ScriptedDialogs::Call &call : app.dialogs.calls)
        texts << call.text;
    return texts;
}

} // namespace

Q_DECLARE_METATYPE(Save)

class TestInterruptedWrites : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { FeedbackBlink::setStandardDurationMs(0); }

    // Every save the program has, each cut off after a few bytes.
    void aSaveCutOffKeepsTheOldFile_data()
    {
        QTest::addColumn<Save>("save");
        QTest::addColumn<QStringList>("files"); // files the save may touch: all must stay
        QTest::addColumn<QString>("named");     // the file the message must name

        QTest::newRow("score of a pass") << Save([](const DataFolder &f) { return storeScore(f, QStringLiteral("tenj03.dat"), 1, 100); })
                                         << QStringList{QStringLiteral("tenj03.dat")} << QStringLiteral("tenj03.dat");
        QTest::newRow("score sheet reset")
            << Save([](const DataFolder &f) { return clearScores(f, QStringLiteral("tenj02.dat"), QStringLiteral("tenr02.dat")); })
            << QStringList{QStringLiteral("tenj02.dat"), QStringLiteral("tenr02.dat")} << QStringLiteral("tenj02.dat");
        QTest::newRow("edited chapter") << Save([](const DataFolder &f) { return writeChapterSlots(f, 1, editedChapter()); })
                                        << QStringList{QStringLiteral("T/LEVEL.1")} << QStringLiteral("T/LEVEL.1");
        QTest::newRow("chapter name") << Save([](const DataFolder &f) {
            return writeChapterText(f, kChapterNamesFile, readChapterTexts(f, kChapterNamesFile), 5, QStringLiteral("新しい名前"));
        }) << QStringList{kChapterNamesFile} << kChapterNamesFile;
        QTest::newRow("chapter title") << Save([](const DataFolder &f) {
            return writeChapterText(f, kChapterTitlesFile, readChapterTexts(f, kChapterTitlesFile), 5, QStringLiteral("新しい題"));
        }) << QStringList{kChapterTitlesFile} << kChapterTitlesFile;
    }

    void aSaveCutOffKeepsTheOldFile()
    {
        QFETCH(Save, save);
        QFETCH(QStringList, files);
        QFETCH(QString, named);

        TestCourse course;
        writeCourseWithScores(course);
        QMap<QString, QByteArray> before;
        for (const QString &file : files)
            before[file] = course.bytes(file);
        const QStringList listed = entries(course.root());

        const DataFolder folder = course.folder();
        const ChildResult child = withFileSizeLimit(8, [&] { return QStringList{save(folder)}; });
        QVERIFY2(child.finished, child.how.constData());
        QVERIFY2(child.said.contains(QStringLiteral("E1/") + named), qPrintable(child.said));
        QVERIFY2(child.said.contains(kKept), qPrintable(child.said));
        for (const QString &file : files)
            QCOMPARE(course.bytes(file), before[file]);
        QCOMPARE(entries(course.root()), listed); // no temporary file left behind

        // The same save without the limit goes through: the limit was what stopped it.
        QCOMPARE(save(folder), QString());
        QVERIFY(course.bytes(files.first()) != before[files.first()]);
    }

    // The new file does not reach the disk (an I/O error as it is synced): the old one stays
    // and the learner is told. A save that goes through syncs the file, then its folder.
    void aSaveWhoseSyncFailsKeepsTheOldFile_data() { aSaveCutOffKeepsTheOldFile_data(); }
    void aSaveWhoseSyncFailsKeepsTheOldFile()
    {
        QFETCH(Save, save);
        QFETCH(QStringList, files);
        QFETCH(QString, named);

        TestCourse course;
        writeCourseWithScores(course);
        const QByteArray before = course.bytes(files.first());
        const QStringList listed = entries(course.root());
        DataFolder folder = course.folder();
        folder.setSync([](int) { errno = EIO; return false; });
        const QString said = save(folder);
        QVERIFY2(said.contains(QStringLiteral("E1/") + named) && said.contains(kKept), qPrintable(said));
        QCOMPARE(course.bytes(files.first()), before);
        QCOMPARE(entries(course.root()), listed);

        QList<bool> folders; // what each sync was given: a folder, or a file
        folder.setSync([&](int fd) {
            struct stat st {};
            folders << (fstat(fd, &st) == 0 && S_ISDIR(st.st_mode));
            return true;
        });
        QCOMPARE(save(folder), QString());
        QVERIFY(course.bytes(files.first()) != before);
        QCOMPARE(folders.mid(0, 2), (QList<bool>{false, true}));
    }

    // A learner's full-mark pass on a full disk: the screen says the score was not saved,
    // and the old score file is still there.
    void aWordTestOnAFullDiskSaysTheScoreWasNotSaved()
    {
        TestApp app;
        app.course.writeScores(QStringLiteral("tenj03.dat"), {QStringLiteral("40")});
        const QByteArray before = app.course.bytes(QStringLiteral("tenj03.dat"));
        auto *test = openOnChapterOne<WordTestScreen>(app, ScreenId::WordTest);
        QVERIFY(test);

        const ChildResult child = withFileSizeLimit(8, [&] {
            for (int n = 1; n <= 10; ++n) {
                QTest::keyClicks(test->answerBox, QStringLiteral("e1-%1").arg(n));
                QTest::keyClick(test->answerBox, Qt::Key_Return);
            }
            return messages(app) << QStringLiteral("score:") + scoreShown(test);
        });
        QVERIFY2(child.finished, child.how.constData());
        QVERIFY2(child.said.contains(QStringLiteral("score:100")), qPrintable(child.said));
        QVERIFY2(child.said.contains(QStringLiteral("今回の成績を保存できませんでした")), qPrintable(child.said));
        QVERIFY2(child.said.contains(QStringLiteral("E1/tenj03.dat")), qPrintable(child.said));
        QCOMPARE(app.course.bytes(QStringLiteral("tenj03.dat")), before);
    }

    // The editor's save on a full disk: the learner is told, the old chapter file stays, and
    // what was typed is still in the boxes to be saved again.
    void anEditorSaveOnAFullDiskSaysSoAndKeepsTheTyping()
    {
        TestApp app;
        const QByteArray before = app.course.bytes(QStringLiteral("T/LEVEL.1"));
        auto *editor = openOnChapterOne<EditorScreen>(app, ScreenId::Editor);
        QVERIFY(editor);

        const ChildResult child = withFileSizeLimit(8, [&] {
            editor->englishBox->selectAll();
            QTest::keyClicks(editor->englishBox, QStringLiteral("typed"));
            QTest::mouseClick(editor->saveButton, Qt::LeftButton); // 登録する
            return messages(app) << QStringLiteral("box:") + editor->englishBox->text()
                                 << QStringLiteral("saved:") + editor->savedLabel->text();
        });
        QVERIFY2(child.finished, child.how.constData());
        QVERIFY2(child.said.contains(QStringLiteral("E1/T/LEVEL.1")) && child.said.contains(kKept), qPrintable(child.said));
        QVERIFY2(child.said.contains(QStringLiteral("box:typed")), qPrintable(child.said));
        QVERIFY2(child.said.endsWith(QStringLiteral("\nsaved:")), qPrintable(child.said)); // no "登録しました。"
        QCOMPARE(app.course.bytes(QStringLiteral("T/LEVEL.1")), before);
    }
};

QTEST_MAIN(TestInterruptedWrites)
#include "tst_interruptedwrites.moc"
