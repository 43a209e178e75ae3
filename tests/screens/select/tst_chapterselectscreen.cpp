// Chapter selection driven as a learner drives it: keys and clicks on the real widgets.
#include "look/palette.h"
#include "screens/kit/placeholderscreen.h"
#include "screens/kit/uikit.h"
#include "screens/menu/menuscreen.h"
#include "screens/results/scoresheetscreen.h"
#include "screens/select/chapterselectscreen.h"
#include "screens/select/questionselectscreen.h"
#include "support/testapp.h"

#include <QDir>
#include <QPointer>
#include <QTest>

namespace {
// The chapters whose names are shown, read off the widgets.
QList<int> shownChapters(ChapterSelectScreen *f)
{
    QList<int> shown;
    for (int n = 1; n <= 60; ++n) {
        if (f->chapterNames[size_t(n)]->isVisible())
            shown.append(n);
    }
    return shown;
}

int shownBlock(ChapterSelectScreen *f)
{
    const QList<int> shown = shownChapters(f);
    if (shown.size() != 20 || shown.last() - shown.first() != 19)
        return -1;
    return (shown.first() - 1) / 20 + 1;
}

// The chapter shown in the highlight colour; -1 when none or more than one.
int highlighted(ChapterSelectScreen *f)
{
    int found = -1;
    for (int n = 1; n <= 60; ++n) {
        if (f->chapterNames[size_t(n)]->textColour() == paletteColour(10)) {
            if (found != -1)
                return -1;
            found = n;
        }
    }
    return found;
}

void type(QWidget *w, const QString &digits)
{
    for (QChar c : digits)
        QTest::keyClick(w, c.toLatin1());
}
} // namespace

class TestChapterSelectScreen : public QObject {
    Q_OBJECT

    ChapterSelectScreen *open(TestApp &app, int kind)
    {
        app.ctx.state.TestKind = kind;
        app.start(ScreenId::ChapterSelect);
        return app.currentAs<ChapterSelectScreen>();
    }

private slots:
    void firstVisitShowsBlockOneWithChapterOneHighlighted()
    {
        TestApp app;
        ChapterSelectScreen *f = open(app, 3);
        QVERIFY(f);
        QCOMPARE(app.ctx.state.chosenChapter, 1);
        QCOMPARE(app.ctx.state.chapterBlock, 1);
        QCOMPARE(app.ctx.state.DataDir, QStringLiteral("E1/"));
        QCOMPARE(f->windowTitle(), QStringLiteral("テスト教材\u3000（項目選択）"));
        QCOMPARE(f->testKindLabel->text(), QStringLiteral("英単語テスト"));
        QCOMPARE(f->blockLabel->text(), QStringLiteral("１章から２０章まで"));
        QCOMPARE(f->blockLabel->textColour(), QColor(0, 255, 0));
        QCOMPARE(shownBlock(f), 1);
        QCOMPARE(highlighted(f), 1);
        QCOMPARE(f->chapterNames[7]->text(), QStringLiteral("第7章の名前"));
        QCOMPARE(f->chapterNames[7]->textColour(), paletteColour(15));
        QCOMPARE(f->chapterNames[7]->font().pointSize(), 11);
        QVERIFY(f->chapterNames[7]->font().bold());
        QCOMPARE(f->chapterNumbers[7]->text(), QStringLiteral("7"));
        QCOMPARE(f->chapterNumbers[27]->text(), QString());
        // One row every 24 pixels; numbers and names share their rows.
        QCOMPARE(f->chapterNames[1]->geometry().topLeft(), QPoint(8, 10));
        QCOMPARE(f->chapterNames[20]->geometry().top(), 10 + 24 * 19);
        QCOMPARE(f->chapterNames[20]->height(), 20);
        QCOMPARE(f->chapterNumbers[9]->x(), 16);
        QCOMPARE(f->chapterNumbers[10]->x(), 8);
        QCOMPARE(f->chapterNumbers[10]->geometry().top(), 76 + 24 * 9);
        for (int n : {1, 9, 10, 20})
            QCOMPARE(f->chapterNumbers[size_t(n)]->mapTo(f, QPoint(0, 0)).y(), f->chapterNames[size_t(n)]->mapTo(f, QPoint(0, 0)).y());
        QCOMPARE(f->chapterNumbers[9]->geometry().right(), f->chapterNumbers[10]->geometry().right());
        QCOMPARE(app.dialogs.calls.size(), 0);
    }

    void opensOnTheKeptChapterWhateverItsBlock_data()
    {
        QTest::addColumn<int>("chosenChapter");
        QTest::addColumn<int>("chapterBlock");
        QTest::addColumn<int>("block");
        QTest::addColumn<int>("chapter");
        QTest::newRow("kept pair") << 35 << 2 << 2 << 35;
        QTest::newRow("page out of range") << 7 << 9 << 1 << 7;
        QTest::newRow("page and chapter disagree") << 35 << 1 << 2 << 35;
        QTest::newRow("chapter past the end") << 99 << 3 << 3 << 60;
    }
    void opensOnTheKeptChapterWhateverItsBlock()
    {
        QFETCH(int, chosenChapter);
        QFETCH(int, chapterBlock);
        QFETCH(int, block);
        QFETCH(int, chapter);
        TestApp app;
        app.ctx.state.chosenChapter = chosenChapter;
        app.ctx.state.chapterBlock = chapterBlock;
        ChapterSelectScreen *f = open(app, 1);
        QCOMPARE(shownBlock(f), block);
        QCOMPARE(highlighted(f), chapter);
        QTest::keyClick(f, Qt::Key_Return);
        QCOMPARE(app.ctx.state.chosenChapter, chapter);
        QCOMPARE(app.ctx.state.chapterBlock, block);
    }

    void spaceWrapsAndArrowsStopAtTheBlockEdges()
    {
        TestApp app;
        ChapterSelectScreen *f = open(app, 1);
        QTest::keyClick(f, Qt::Key_Up);
        QCOMPARE(highlighted(f), 1);
        for (int i = 0; i < 19; ++i)
            QTest::keyClick(f, Qt::Key_Space);
        QCOMPARE(highlighted(f), 20);
        QTest::keyClick(f, Qt::Key_Down);
        QCOMPARE(highlighted(f), 20);
        QTest::keyClick(f, Qt::Key_Space);
        QCOMPARE(highlighted(f), 1);
        QTest::keyClick(f, Qt::Key_Down);
        QTest::keyClick(f, Qt::Key_Down);
        QCOMPARE(highlighted(f), 3);
        QTest::keyClick(f, Qt::Key_Up);
        QCOMPARE(highlighted(f), 2);

        QTest::keyClick(f, Qt::Key_F2);
        QCOMPARE(shownBlock(f), 2);
        QCOMPARE(f->blockLabel->text(), QStringLiteral("２１章から４０章まで"));
        QCOMPARE(f->blockLabel->textColour(), paletteColour(11));
        QCOMPARE(highlighted(f), 21);
        QTest::keyClick(f, Qt::Key_Up);
        QCOMPARE(highlighted(f), 21);

        // A click on the last row, then Space, goes round to the top of the same block.
        QTest::mouseClick(f->thirdBlockButton, Qt::LeftButton);
        QCOMPARE(f->blockLabel->text(), QStringLiteral("４１章から６０章まで"));
        QCOMPARE(f->blockLabel->textColour(), paletteColour(14));
        QTest::mouseClick(f->chapterNames[60], Qt::LeftButton);
        QCOMPARE(highlighted(f), 60);
        QTest::keyClick(f, Qt::Key_Down);
        QCOMPARE(highlighted(f), 60);
        QTest::keyClick(f, Qt::Key_Space);
        QCOMPARE(highlighted(f), 41);
        QCOMPARE(shownBlock(f), 3);

        // Keys reach the list whichever control was clicked last.
        QTest::mouseClick(f->firstBlockButton, Qt::LeftButton);
        QCOMPARE(highlighted(f), 1);
        QCOMPARE(f->blockLabel->textColour(), paletteColour(10));
        QTest::keyClick(f->firstBlockButton, Qt::Key_Space);
        QCOMPARE(highlighted(f), 2);
        QCOMPARE(shownBlock(f), 1);

        // None of this is a choice.
        QCOMPARE(app.ctx.state.chosenChapter, 1);
        QCOMPARE(app.ctx.state.chapterBlock, 1);
        QCOMPARE(app.current(), f);
    }

    void typedDigitsMoveTheHighlight()
    {
        TestApp app;
        ChapterSelectScreen *f = open(app, 2);

        type(f, QStringLiteral("3"));
        QCOMPARE(f->typedDigits->text(), QStringLiteral("3"));
        QCOMPARE(highlighted(f), 1);
        type(f, QStringLiteral("5"));
        QCOMPARE(shownBlock(f), 2);
        QCOMPARE(highlighted(f), 35);
        QCOMPARE(f->typedDigits->text(), QString());

        // "72" is no chapter: only the buffer empties.
        type(f, QStringLiteral("72"));
        QCOMPARE(shownBlock(f), 2);
        QCOMPARE(highlighted(f), 35);
        QCOMPARE(f->typedDigits->text(), QString());

        // "83" shows the third block.
        type(f, QStringLiteral("83"));
        QCOMPARE(shownBlock(f), 3);
        QCOMPARE(highlighted(f), 41);
        QCOMPARE(f->blockLabel->textColour(), paletteColour(14));
        QCOMPARE(f->typedDigits->text(), QString());

        // Keypad digits type digits too.
        QTest::keyClick(f, Qt::Key_0, Qt::KeypadModifier);
        QTest::keyClick(f, Qt::Key_9, Qt::KeypadModifier);
        QCOMPARE(shownBlock(f), 1);
        QCOMPARE(highlighted(f), 9);

        type(f, QStringLiteral("00"));
        QCOMPARE(highlighted(f), 9);
        QCOMPARE(f->typedDigits->text(), QString());
        type(f, QStringLiteral("60"));
        QCOMPARE(shownBlock(f), 3);
        QCOMPARE(highlighted(f), 60);
        type(f, QStringLiteral("81"));
        QCOMPARE(shownBlock(f), 1);
        QCOMPARE(highlighted(f), 1);

        // A block key leaves a waiting digit in place.
        type(f, QStringLiteral("2"));
        QTest::keyClick(f, Qt::Key_F3);
        QCOMPARE(f->typedDigits->text(), QStringLiteral("2"));
        type(f, QStringLiteral("4"));
        QCOMPARE(shownBlock(f), 2);
        QCOMPARE(highlighted(f), 24);

        // "5" then Enter chooses the highlighted chapter, not chapter 5.
        QTest::mouseClick(f->chapterNames[27], Qt::LeftButton);
        type(f, QStringLiteral("5"));
        QTest::keyClick(f, Qt::Key_Return);
        QCOMPARE(app.ctx.state.chosenChapter, 27);
        QCOMPARE(app.ctx.state.chapterBlock, 2);
        QVERIFY(app.currentAs<QuestionSelectScreen>());
    }

    void blockKeyThenEnterChoosesTheBlocksFirstChapter()
    {
        TestApp app;
        ChapterSelectScreen *f = open(app, 1);
        QTest::keyClick(f, Qt::Key_F2);
        QCOMPARE(app.ctx.state.chapterBlock, 1); // switching blocks is no choice
        QTest::keyClick(f, Qt::Key_Enter);     // the keypad's Enter
        QCOMPARE(app.ctx.state.chosenChapter, 21);
        QCOMPARE(app.ctx.state.chapterBlock, 2);
        auto *next = app.currentAs<QuestionSelectScreen>();
        QVERIFY(next);
        QCOMPARE(next->chapterLabel->text(), QStringLiteral("No. 21\u3000第21章の名前"));
        QCOMPARE(app.visibleScreens(), 1);
    }

    void finishedChaptersAreMarkedFromTheScoreFiles()
    {
        TestApp app;
        //                       ch 1   ch 2           ch 3           ch 4           ch 5
        app.course.writeScores(QStringLiteral("tenj03.dat"),
                               {QString(), QStringLiteral("100"), QStringLiteral("101"), QStringLiteral("100"),
                                QStringLiteral("abc")});
        app.course.writeScores(QStringLiteral("tenr03.dat"),
                               {QStringLiteral("100"), QString(), QStringLiteral("100"), QStringLiteral("99"),
                                QStringLiteral("150")});
        // Chapter 45 is finished too, on a later block.
        QStringList j = QStringList(60, QString()), r = j;
        j[44] = r[44] = QStringLiteral("120");
        app.course.writeScores(QStringLiteral("tenj01.dat"), j);
        app.course.writeScores(QStringLiteral("tenr01.dat"), r);

        ChapterSelectScreen *f = open(app, 3);
        for (int n = 1; n <= 60; ++n) {
            const bool finished = n == 3;
            QCOMPARE(f->chapterNumbers[size_t(n)]->textColour(), paletteColour(finished ? 7 : 15));
            if (n != 1)
                QCOMPARE(f->chapterNames[size_t(n)]->textColour(), finished ? paletteColour(8) : QColor(255, 255, 255));
        }
        QTest::mouseClick(f->chapterNames[3], Qt::LeftButton);
        QCOMPARE(highlighted(f), 3);
        QCOMPARE(f->chapterNumbers[3]->textColour(), paletteColour(7));
        QTest::keyClick(f, Qt::Key_Down);
        QCOMPARE(f->chapterNames[3]->textColour(), paletteColour(8));
        QCOMPARE(f->chapterNames[4]->textColour(), paletteColour(10));

        // Each kind has its own score files: for kind 1 only chapter 45 is finished.
        QTest::mouseClick(f->menuButton, Qt::LeftButton);
        QTest::mouseClick(app.currentAs<MenuScreen>()->choiceEnglishButton, Qt::LeftButton);
        f = app.currentAs<ChapterSelectScreen>();
        QVERIFY(f);
        QCOMPARE(f->chapterNumbers[3]->textColour(), paletteColour(15));
        QCOMPARE(f->chapterNames[45]->textColour(), paletteColour(8));
        QTest::keyClick(f, Qt::Key_F3);
        QCOMPARE(f->chapterNumbers[45]->text(), QStringLiteral("45"));
        QCOMPARE(f->chapterNumbers[45]->textColour(), paletteColour(7));
        QCOMPARE(app.dialogs.calls.size(), 0);
    }

    void chapterWithoutNameCanBeHighlightedAndChosen()
    {
        TestApp app;
        QStringList names;
        for (int n = 1; n <= 60; ++n)
            names << (n == 4 ? QString() : QStringLiteral("名%1").arg(n));
        app.course.writeLines(QStringLiteral("LVNAME"), names);
        // Full marks in both orders, but a chapter without a name is never marked.
        QStringList full = QStringList(60, QString());
        full[3] = QStringLiteral("100");
        app.course.writeScores(QStringLiteral("tenj03.dat"), full);
        app.course.writeScores(QStringLiteral("tenr03.dat"), full);

        ChapterSelectScreen *f = open(app, 3);
        QCOMPARE(f->chapterNames[4]->text(), QString());
        QVERIFY(f->chapterNames[4]->isVisible());
        QCOMPARE(f->chapterNames[4]->width(), f->chapterNames[5]->width());
        QCOMPARE(f->chapterNumbers[4]->text(), QStringLiteral("4"));
        QCOMPARE(f->chapterNumbers[4]->textColour(), paletteColour(15));
        QTest::mouseClick(f->chapterNames[4], Qt::LeftButton);
        QCOMPARE(highlighted(f), 4);
        QTest::mouseDClick(f->chapterNames[4], Qt::LeftButton);
        QCOMPARE(app.ctx.state.chosenChapter, 4);
        auto *next = app.currentAs<QuestionSelectScreen>();
        QVERIFY(next);
        QCOMPARE(next->chapterLabel->text(), QStringLiteral("No. 4\u3000"));
    }

    void namesBeyondTheEndOfTheFileKeepTheirValues()
    {
        TestApp app;
        app.course.writeLines(QStringLiteral("LVNAME"), {QStringLiteral("一"), QStringLiteral("二")});
        app.ctx.state.chapterNames[2] = QStringLiteral("前の名前");
        ChapterSelectScreen *f = open(app, 1);
        QCOMPARE(f->chapterNames[1]->text(), QStringLiteral("一"));
        QCOMPARE(f->chapterNames[3]->text(), QStringLiteral("前の名前"));
        QCOMPARE(f->chapterNames[4]->text(), QString());
        QCOMPARE(app.dialogs.calls.size(), 0); // a short name file is no fault
    }

    void returnShowsTheBlockAndChapterLastChosen()
    {
        TestApp app;
        ChapterSelectScreen *f = open(app, 3);
        QTest::mouseClick(f->secondBlockButton, Qt::LeftButton);
        QTest::mouseDClick(f->chapterNames[35], Qt::LeftButton);
        QCOMPARE(app.ctx.state.chosenChapter, 35);
        QCOMPARE(app.ctx.state.chapterBlock, 2);
        QTest::mouseClick(app.currentAs<QuestionSelectScreen>()->chapterSelectButton, Qt::LeftButton);

        f = app.currentAs<ChapterSelectScreen>();
        QVERIFY(f);
        QCOMPARE(shownBlock(f), 2);
        QCOMPARE(highlighted(f), 35);
        QCOMPARE(f->blockLabel->text(), QStringLiteral("２１章から４０章まで"));
        QCOMPARE(f->blockLabel->textColour(), QColor(0, 255, 0)); // the designed colour on opening

        // Moving about and leaving for the score sheet changes nothing that is kept.
        QTest::keyClick(f, Qt::Key_F3);
        QTest::keyClick(f, Qt::Key_Down);
        QTest::mouseClick(f->scoreSheetButton, Qt::LeftButton);
        QCOMPARE(app.current()->id(), ScreenId::ScoreSheet);
        QCOMPARE(app.ctx.state.TestKind, 3);
        QCOMPARE(app.ctx.state.chosenChapter, 35);
        QCOMPARE(app.ctx.state.chapterBlock, 2);

        // Nor does the way back through the menu and another test kind.
        // The score sheet opened from here goes back here; then to the menu and another kind.
        QTest::mouseClick(app.currentAs<ScoreSheetScreen>()->backButton, Qt::LeftButton);
        QVERIFY(app.currentAs<ChapterSelectScreen>());
        QTest::mouseClick(app.currentAs<ChapterSelectScreen>()->menuButton, Qt::LeftButton);
        QTest::mouseClick(app.currentAs<MenuScreen>()->choiceJapaneseButton, Qt::LeftButton);
        f = app.currentAs<ChapterSelectScreen>();
        QVERIFY(f);
        QCOMPARE(f->testKindLabel->text(), QStringLiteral("５問選択問題テスト（日本語→英語）"));
        QCOMPARE(shownBlock(f), 2);
        QCOMPARE(highlighted(f), 35);
        type(f, QStringLiteral("12"));
        QTest::mouseClick(f->menuButton, Qt::LeftButton);
        QCOMPARE(app.ctx.state.TestKind, 0);
        QTest::mouseClick(app.currentAs<MenuScreen>()->choiceEnglishButton, Qt::LeftButton);
        f = app.currentAs<ChapterSelectScreen>();
        QVERIFY(f);
        QCOMPARE(app.ctx.state.TestKind, 1);
        QCOMPARE(shownBlock(f), 2);
        QCOMPARE(highlighted(f), 35);
        QCOMPARE(app.visibleScreens(), 1);
    }

    void unusableFilesAreNamedOnceAndTheListStillOpens()
    {
        TestApp app;
        QVERIFY(QFile::remove(QDir(app.course.root()).filePath(QStringLiteral("LVNAME"))));
        QVERIFY(QFile::remove(QDir(app.course.root()).filePath(QStringLiteral("DAIMOKU"))));
        app.course.writeLines(QStringLiteral("tenj02.dat"), {QStringLiteral("100"), QStringLiteral("100")});
        QVERIFY(QFile::remove(QDir(app.course.root()).filePath(QStringLiteral("tenr02.dat"))));

        ChapterSelectScreen *f = open(app, 2);
        QVERIFY(f);
        QCOMPARE(f->windowTitle(), QStringLiteral("\u3000（項目選択）"));
        QCOMPARE(f->chapterNames[1]->text(), QString());
        QCOMPARE(highlighted(f), 1);
        QCOMPARE(app.dialogs.count(QStringLiteral("inform")), 1);
        const QString text = app.dialogs.calls.first().text;
        QVERIFY2(text.contains(QStringLiteral("E1/LVNAME")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("E1/DAIMOKU")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("E1/tenj02.dat")), qPrintable(text)); // short
        QVERIFY2(!text.contains(QStringLiteral("tenr02")), qPrintable(text));       // missing: written later

        // The keys still work, and nothing was written.
        type(f, QStringLiteral("45"));
        QCOMPARE(highlighted(f), 45);
        QVERIFY(!app.course.exists(QStringLiteral("tenr02.dat")));
        QVERIFY(!app.course.exists(QStringLiteral("LVNAME")));
    }

    void unreadableScoreFileAndForeignBytesAreReported()
    {
        TestApp app;
        QVERIFY(QFile::remove(QDir(app.course.root()).filePath(QStringLiteral("tenr03.dat"))));
        QVERIFY(QDir(app.course.root()).mkdir(QStringLiteral("tenr03.dat"))); // cannot be read as a file
        QByteArray names("\x82\xa0\r\n\x85\x40\r\n"); // "あ", then bytes that are no code page 932
        app.course.writeBytes(QStringLiteral("LVNAME"), names);

        ChapterSelectScreen *f = open(app, 3);
        QCOMPARE(f->chapterNames[1]->text(), QStringLiteral("あ"));
        QCOMPARE(app.dialogs.count(QStringLiteral("inform")), 1);
        const QString text = app.dialogs.calls.first().text;
        QVERIFY2(text.contains(QStringLiteral("E1/tenr03.dat")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("E1/LVNAME")), qPrintable(text));
        QVERIFY2(!text.contains(QStringLiteral("tenj03")), qPrintable(text));
    }
};

QTEST_MAIN(TestChapterSelectScreen)
#include "tst_chapterselectscreen.moc"
