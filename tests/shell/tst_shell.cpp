// The help screen, the main menu and the hand-over between screens.
#include "rules/help/helppages.h"
#include "screens/help/helpscreen.h"
#include "screens/kit/navigator.h"
#include "screens/kit/placeholderscreen.h"
#include "screens/kit/uikit.h"
#include "screens/menu/menuscreen.h"
#include "shell/startup.h"
#include "support/testapp.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDateTime>
#include <QDir>
#include <QLockFile>
#include <QPushButton>
#include <QTest>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
// What one start on a data folder came to, as runStartAsUser reports it.
enum StartResult { Opened = 1, LockNamed = 2, LockStaysInPlace = 4 };

// Starts on the folder (the data folder check and the lock, as the program does) in a child
// process with an ordinary user's rights: root would read and remove what the learner cannot.
int runStartAsUser(const QString &dataFolder)
{
    const pid_t child = fork();
    if (child == 0) {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
            _exit(100);
        ScriptedDialogs dialogs;
        QLockFile lock(dataFolderLockPath(dataFolder));
        int result = 0;
        if (ensureDataFolder(dialogs, dataFolder) && claimDataFolder(dialogs, dataFolder, lock, QDateTime::currentDateTime()))
            result |= Opened;
        if (dialogs.calls.size() == 1 && dialogs.calls[0].text.contains(QDir::toNativeSeparators(lock.fileName())))
            result |= LockNamed;
        if (QFileInfo::exists(lock.fileName()) && !lock.isLocked())
            result |= LockStaysInPlace;
        _exit(result);
    }
    int status = -1;
    if (waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}
} // namespace

class TestShell : public QObject {
    Q_OBJECT
private slots:
    void helpShowsTheCourseTitleAndPageOne()
    {
        TestApp app;
        auto *help = qobject_cast<HelpScreen *>(app.start(ScreenId::Help));
        QVERIFY(help);
        QCOMPARE(help->windowTitle(), QStringLiteral("HELP"));
        QCOMPARE(help->courseTitleLabel->text(), QStringLiteral("テスト教材"));
        QCOMPARE(app.ctx.state.courseTitle, QStringLiteral("テスト教材"));
        QCOMPARE(app.ctx.state.DataDir, QStringLiteral("E1/"));
        QCOMPARE(help->HelpPage, 1);
        QCOMPARE(help->headingLabel->text(), QStringLiteral("＜＜項目選択画面操作＞＞"));
        QCOMPARE(help->pageLines[10]->text(), QStringLiteral("成績表をクリックすると　成績画面へ"));
    }

    void helpPagingStopsAtBothEnds()
    {
        TestApp app;
        auto *help = qobject_cast<HelpScreen *>(app.start(ScreenId::Help));
        QTest::mouseClick(help->previousButton, Qt::LeftButton);
        QCOMPARE(help->HelpPage, 1);
        for (int i = 0; i < 6; ++i)
            QTest::mouseClick(help->nextButton, Qt::LeftButton);
        QCOMPARE(help->HelpPage, 5);
        QCOMPARE(help->headingLabel->text(), QStringLiteral("＜＜順番とランダムのテスト画面操作（英単語・英作文テスト）＞＞"));
        QTest::mouseClick(help->previousButton, Qt::LeftButton);
        QCOMPARE(help->HelpPage, 4);
        QCOMPARE(help->pageLines[6]->text(),
                 QStringLiteral("間違えた場合、間違いを確認ボタンを押すか、[スペース]キーを押せば続ける事が出来ます。"));
    }

    void aShorterPageEmptiesTheLinesBelowIt()
    {
        TestApp app;
        auto *help = qobject_cast<HelpScreen *>(app.start(ScreenId::Help));
        QVERIFY(!help->pageLines[10]->text().isEmpty());
        QTest::mouseClick(help->pageLinks[2], Qt::LeftButton); // page 3 has four lines
        QCOMPARE(help->headingLabel->text(), QStringLiteral("＜＜ノートに写す画面操作＞＞"));
        QCOMPARE(help->pageLines[3]->text(), QStringLiteral("スタートに戻る　→　最初から"));
        for (int i = 4; i < kHelpLines; ++i)
            QVERIFY2(help->pageLines[size_t(i)]->text().isEmpty(), qPrintable(QString::number(i)));
        QCOMPARE(help->pageLines[2]->text(), QStringLiteral("順番に見る　→　1つずつ見れる"));
    }

    // One more page beside the five, with the course's rules for typed answers and its fixed
    // words as the course's table writes them.
    void rulesPageFromItsOwnLink()
    {
        TestApp app;
        auto *help = qobject_cast<HelpScreen *>(app.start(ScreenId::Help));
        QTest::mouseClick(help->RulesLink, Qt::LeftButton);
        QCOMPARE(help->headingLabel->text(), QStringLiteral("＜＜英単語テストの答え方（この教材の決まり）＞＞"));
        QStringList shown;
        for (ClickLabel *line : help->pageLines)
            shown << line->text();
        QVERIFY(shown.join(u'\n').contains(QStringLiteral("写真・絵 picture")));
        QVERIFY(helpPage(kRulesHelpPage).lines.size() <= kHelpLines);
        QTest::mouseClick(help->previousButton, Qt::LeftButton);
        QCOMPARE(help->HelpPage, 5);
    }

    void everyPageHasItsHeadingAndAtMostEighteenLines()
    {
        QCOMPARE(helpPage(2).lines.size(), 7);
        QCOMPARE(helpPage(2).lines[6], QStringLiteral("項目番号を選んで [Enter]を押せば　項目スタート"));
        for (int p = 1; p <= kHelpPages; ++p)
            QVERIFY(helpPage(p).lines.size() <= kHelpLines);
        QCOMPARE(previousHelpPage(1), 1);
        QCOMPARE(nextHelpPage(5), 5);
    }

    void handOverLeavesExactlyOneScreen()
    {
        TestApp app;
        auto *help = qobject_cast<HelpScreen *>(app.start(ScreenId::Help));
        QTest::mouseClick(help->menuButton, Qt::LeftButton);
        QCOMPARE(app.visibleScreens(), 1);
        auto *menu = app.currentAs<MenuScreen>();
        QVERIFY(menu);
        QCOMPARE(menu->windowTitle(), QStringLiteral("英単語・英作文が身につくソフト"));
        QCOMPARE(app.ctx.state.TestName[3], QStringLiteral("英単語テスト"));
        QCOMPARE(app.ctx.state.TestName[0], QString());
        QCOMPARE(app.ctx.state.randomScoreFile[2], QStringLiteral("tenr02.dat"));

        // Back to the help screen, which starts on page 1 again.
        QTest::mouseClick(menu->helpButton, Qt::LeftButton);
        QCOMPARE(app.visibleScreens(), 1);
        auto *again = app.currentAs<HelpScreen>();
        QVERIFY(again);
        QCOMPARE(again->HelpPage, 1);
    }

    void menuButtonsSetTheTestKind_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("target");
        QTest::newRow("英→日") << 1 << 1 << int(ScreenId::ChapterSelect);
        QTest::newRow("日→英") << 2 << 2 << int(ScreenId::ChapterSelect);
        QTest::newRow("英単語") << 3 << 3 << int(ScreenId::ChapterSelect);
        QTest::newRow("成績表") << 9 << 0 << int(ScreenId::ScoreSheet);
    }
    void menuButtonsSetTheTestKind()
    {
        QFETCH(int, button);
        QFETCH(int, kind);
        QFETCH(int, target);
        TestApp app;
        app.ctx.state.TestKind = 2; // a test chosen before
        app.ctx.state.chosenChapter = 35;
        app.ctx.state.chapterBlock = 2;
        auto *menu = qobject_cast<MenuScreen *>(app.start(ScreenId::Menu));
        QPushButton *buttons[] = {nullptr, menu->choiceEnglishButton, menu->choiceJapaneseButton, menu->wordTestButton};
        QTest::mouseClick(button == 9 ? menu->scoreSheetButton : buttons[button], Qt::LeftButton);
        QCOMPARE(app.visibleScreens(), 1);
        QCOMPARE(int(app.current()->id()), target);
        QCOMPARE(app.ctx.state.TestKind, kind);
        QCOMPARE(app.ctx.state.chosenChapter, 35);
        QCOMPARE(app.ctx.state.chapterBlock, 2);
    }

    // The navigator's table of what a hand-over resets, between stand-in screens so that no
    // screen's own loading touches the state.
    void handOverResetsTheSharedStateByTable_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<int>("testKind");
        QTest::addColumn<int>("randomMode");
        QTest::newRow("項目選択→MENU") << int(ScreenId::ChapterSelect) << int(ScreenId::Menu) << 0 << 1;
        QTest::newRow("問題選択→MENU") << int(ScreenId::QuestionSelect) << int(ScreenId::Menu) << 0 << 1;
        QTest::newRow("NOTE→MENU") << int(ScreenId::Note) << int(ScreenId::Menu) << 0 << 1;
        QTest::newRow("SAKUSEI→MENU") << int(ScreenId::Editor) << int(ScreenId::Menu) << 0 << 1;
        QTest::newRow("MENU→成績表") << int(ScreenId::Menu) << int(ScreenId::ScoreSheet) << 0 << 1;
        QTest::newRow("印刷→MENU keeps the kind") << int(ScreenId::PrintWordSheets) << int(ScreenId::Menu) << 2 << 1;
        QTest::newRow("成績表→MENU") << int(ScreenId::ScoreSheet) << int(ScreenId::Menu) << 2 << 1;
        QTest::newRow("選択問題→問題選択") << int(ScreenId::ChoiceTest) << int(ScreenId::QuestionSelect) << 2 << 0;
        QTest::newRow("英単語→項目選択") << int(ScreenId::WordTest) << int(ScreenId::ChapterSelect) << 2 << 0;
        QTest::newRow("問題選択→英単語") << int(ScreenId::QuestionSelect) << int(ScreenId::WordTest) << 2 << 1;
    }
    void handOverResetsTheSharedStateByTable()
    {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(int, testKind);
        QFETCH(int, randomMode);
        TestApp app;
        app.ctx.state.TestKind = 2;
        app.ctx.state.RandomMode = 1;
        Navigator navigator(app.ctx, [](ScreenId id, AppContext &ctx) -> Screen * {
            return new PlaceholderScreen(ctx, id, QString());
        });
        navigator.handOver(navigator.start(ScreenId(from)), ScreenId(to))->close();
        QCOMPARE(app.ctx.state.TestKind, testKind);
        QCOMPARE(app.ctx.state.RandomMode, randomMode);
    }

    void titleLabelsOpenTheHomePageWithoutLeavingTheMenu()
    {
        TestApp app;
        QTemporaryDir pageDir;
        const QString page = QDir(pageDir.path()).filePath(QStringLiteral("index.html"));
        QFile file(page);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        app.ctx.homePage = page;
        auto *menu = qobject_cast<MenuScreen *>(app.start(ScreenId::Menu));
        QCOMPARE(menu->titleLabels[1]->toolTip(), QStringLiteral("クリックするとマナビバのホームページに行きます。"));
        QTest::mouseClick(menu->titleLabels[1], Qt::LeftButton);
        QTest::mouseClick(menu->makerLabel, Qt::LeftButton);
        QCOMPARE(app.openedUrls.size(), 2); // twice clicked, twice opened
        QCOMPARE(app.openedUrls[0], QUrl::fromLocalFile(page));
        QCOMPARE(app.current(), static_cast<Screen *>(menu));
        QCOMPARE(app.dialogs.count(QStringLiteral("inform")), 0);

        app.urlOpenSucceeds = false;
        QTest::mouseClick(menu->titleLabels[0], Qt::LeftButton);
        QCOMPARE(app.dialogs.count(QStringLiteral("inform")), 1);
        app.ctx.homePage.clear();
        QTest::mouseClick(menu->makerLabel, Qt::LeftButton);
        QCOMPARE(app.dialogs.count(QStringLiteral("inform")), 2);
        QCOMPARE(app.openedUrls.size(), 3);
    }

    void helpWithoutACourseTitleStillOpens()
    {
        TestApp app(false);
        auto *help = qobject_cast<HelpScreen *>(app.start(ScreenId::Help));
        QVERIFY(help);
        QCOMPARE(help->courseTitleLabel->text(), QString());
        QTest::mouseClick(help->menuButton, Qt::LeftButton);
        QVERIFY(app.currentAs<MenuScreen>());
    }

    void settingUpTheCourseCopiesOnceAndNeverOverwrites()
    {
        TestCourse bundled;
        bundled.writeStandard();
        QTemporaryDir home;
        const QString target = QDir(home.path()).filePath(QStringLiteral("E1"));
        QCOMPARE(setUpCourse(bundled.root(), target), QString());
        QCOMPARE(DataFolder(target).read(QStringLiteral("T/LEVEL.2")).bytes, bundled.bytes(QStringLiteral("T/LEVEL.2")));

        QFile scores(QDir(target).filePath(QStringLiteral("tenj01.dat")));
        QVERIFY(scores.open(QIODevice::WriteOnly));
        scores.write("100\r\n");
        scores.close();
        QVERIFY(!setUpCourse(bundled.root(), target).isEmpty());
        QCOMPARE(DataFolder(target).read(QStringLiteral("tenj01.dat")).bytes, QByteArray("100\r\n"));

        const QString other = QDir(home.path()).filePath(QStringLiteral("other/E1"));
        QVERIFY(setUpCourse(QString(), other).contains(QStringLiteral("付属の教材")));
        QVERIFY(!QFileInfo::exists(other));
    }

    void standardDialogsSpeakJapanese()
    {
        loadJapaneseTranslations(*qApp);
        QDialogButtonBox box(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
        QCOMPARE(box.button(QDialogButtonBox::Cancel)->text().remove(u'&'), QStringLiteral("キャンセル"));
        QCOMPARE(box.button(QDialogButtonBox::Ok)->text().remove(u'&'), QStringLiteral("OK"));
    }

    void aMissingDataFolderIsNamedAndCanBeSetUpOrDeclined()
    {
        QTemporaryDir home;
        const QString target = QDir(home.path()).filePath(QStringLiteral("E1"));
        ScriptedDialogs dialogs;
        dialogs.confirmAnswers = {false};
        QVERIFY(!ensureDataFolder(dialogs, target));
        QCOMPARE(dialogs.calls.size(), 1);
        QVERIFY(dialogs.calls[0].text.contains(QDir::toNativeSeparators(target)));
        QVERIFY(!QFileInfo::exists(target));
        QDir().mkpath(target);
        QVERIFY(ensureDataFolder(dialogs, target));
        QCOMPARE(dialogs.calls.size(), 1);
    }

    // One copy of the program per data folder: a second start is told and ends; a lock left
    // by a copy that crashed (a child that ends without unlocking) is taken over.
    void aDataFolderIsOpenInOneCopyAtATime()
    {
        TestCourse course;
        const QString lockPath = dataFolderLockPath(course.root());
        ScriptedDialogs dialogs;
        const QDateTime now = QDateTime::currentDateTime();
        {
            QLockFile first(lockPath), second(lockPath);
            QVERIFY(claimDataFolder(dialogs, course.root(), first, now));
            QVERIFY(!claimDataFolder(dialogs, course.root(), second, now));
            QCOMPARE(dialogs.calls.size(), 1);
            QVERIFY(dialogs.calls[0].text.contains(QStringLiteral("すでに開いています")));
            QVERIFY(dialogs.calls[0].text.contains(QDir::toNativeSeparators(course.root())));
        }
        const pid_t crashed = fork();
        if (crashed == 0) {
            QLockFile held(lockPath);
            _exit(held.tryLock(0) ? 0 : 1);
        }
        int status = -1;
        QCOMPARE(waitpid(crashed, &status, 0), crashed);
        QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        QVERIFY(QFileInfo::exists(lockPath));
        QLockFile next(lockPath);
        QVERIFY(claimDataFolder(dialogs, course.root(), next, now));
        QCOMPARE(dialogs.calls.size(), 1);

        // A lock written on another computer is taken over: its program cannot be seen here.
        next.unlock();
        QFile foreign(lockPath);
        QVERIFY(foreign.open(QIODevice::WriteOnly) && foreign.write("4242\neitango\nanother-computer\n") > 0);
        foreign.close();
        QLockFile copied(lockPath);
        QVERIFY(claimDataFolder(dialogs, course.root(), copied, now));
        QCOMPARE(dialogs.calls.size(), 1);
        copied.unlock();
        QVERIFY(next.tryLock(0));

        // A second start asks the first copy to bring its window forward.
        int asked = 0;
        QObject owner;
        QVERIFY(listenForSecondStarts(course.root(), &owner, [&] { ++asked; }));
        QLockFile another(lockPath);
        QVERIFY(!claimDataFolder(dialogs, course.root(), another, now));
        QTRY_COMPARE_WITH_TIMEOUT(asked, 1, 5000);
    }

    // A lock that no running copy holds never keeps the learner out: the folder opens, unlocked
    // when the lock cannot be removed, naming it where the learner could remove it.
    void aLockThatIsNotAnotherCopyOpensTheFolder_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("expected");
        QTest::newRow("a folder in its place") << 0 << (Opened | LockNamed | LockStaysInPlace);
        QTest::newRow("a lock file the user cannot read") << 1 << (Opened | LockNamed | LockStaysInPlace);
        QTest::newRow("a crash's lock on a read-only folder") << 2 << (Opened | LockStaysInPlace);
    }
    void aLockThatIsNotAnotherCopyOpensTheFolder()
    {
        QFETCH(int, kind);
        QFETCH(int, expected);
        TestCourse course;
        const QString lockPath = dataFolderLockPath(course.root());
        if (kind == 0) {
            QVERIFY(QDir().mkdir(lockPath));
        } else {
            const pid_t crashed = fork(); // takes the lock and ends without unlocking
            if (crashed == 0) {
                QLockFile held(lockPath);
                _exit(held.tryLock(0) ? 0 : 1);
            }
            int status = -1;
            QVERIFY(waitpid(crashed, &status, 0) == crashed && WIFEXITED(status) && WEXITSTATUS(status) == 0);
            if (kind == 1)
                QVERIFY(chmod(QFile::encodeName(lockPath).constData(), 0) == 0);
        }
        // The ordinary user may go into the test's folder, and write in the data folder
        // unless it is the read-only one.
        const QByteArray root = QFile::encodeName(course.root());
        QVERIFY(chmod(QFile::encodeName(QFileInfo(course.root()).path()).constData(), 0755) == 0);
        QVERIFY(chmod(root.constData(), kind == 2 ? 0555 : 0777) == 0);
        const auto restore = qScopeGuard([&] { chmod(root.constData(), 0755); });
        QCOMPARE(runStartAsUser(course.root()), expected);
    }

    // Temporary files of interrupted saves go when the folder is opened; files that only look
    // alike, or that a save may be writing since the start, stay.
    void openingTheFolderSweepsWhatCutOffSavesLeft()
    {
        TestCourse course;
        const QStringList stale = {QStringLiteral("tenj03.dat.LXzIoN"), QStringLiteral("Lvname.aBcDeF"),
                                   QStringLiteral("T/LEVEL.12.QwErTy")};
        const QStringList kept = {QStringLiteral("LVNAME.backup"), QStringLiteral("notes.txt.LXzIoN"),
                                  QStringLiteral("tenj03.dat.LXzIo"), QStringLiteral("E1.DAT.fresh1"),
                                  QStringLiteral("E1.DAT.Backup")};
        const QDateTime started = QDateTime::currentDateTime().addSecs(-60);
        for (const QString &name : stale + kept) {
            course.writeBytes(name, "x");
            QFile file(QDir(course.root()).filePath(name));
            QVERIFY(file.open(QIODevice::ReadWrite) && file.setFileTime(started.addSecs(-1), QFileDevice::FileModificationTime));
        }
        const QString newer = QStringLiteral("tenr01.dat.NeWeRr");
        course.writeBytes(newer, "x");
        QLockFile lock(dataFolderLockPath(course.root()));
        ScriptedDialogs dialogs;
        QVERIFY(claimDataFolder(dialogs, course.root(), lock, started));
        for (const QString &name : stale)
            QVERIFY2(!course.exists(name), qPrintable(name));
        for (const QString &name : kept + QStringList{newer})
            QVERIFY2(course.exists(name), qPrintable(name));
    }
};

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
