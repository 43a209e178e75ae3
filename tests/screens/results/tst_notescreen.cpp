// The note screen: question, hint and answer step by step, the back step, the keys and the
// way back, driven by key presses and clicks.
#include "screens/kit/uikit.h"
#include "screens/results/notescreen.h"
#include "support/testapp.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

class TestNote : public QObject {
    Q_OBJECT

    std::unique_ptr<TestApp> app;

    NoteScreen *open(int kind, int chapter)
    {
        app->ctx.state.TestKind = kind;
        app->ctx.state.chosenChapter = chapter;
        app->ctx.state.chapterNames[size_t(chapter - 1)] = QStringLiteral("果物");
        if (app->current())
            app->current()->close(); // one screen at a time
        app->start(ScreenId::Note);
        auto *form = app->currentAs<NoteScreen>();
        Q_ASSERT(form);
        return form;
    }
    static void forward(NoteScreen *form, int times = 1)
    {
        for (int i = 0; i < times; ++i)
            QTest::mouseClick(form->forwardButton, Qt::LeftButton);
    }
    static void key(QWidget *target, Qt::Key k, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QTest::keyClick(target, k, mods);
    }
    // Number, question, hint, answer as the labels show them.
    static QStringList shown(const NoteScreen *form)
    {
        return {form->numberLabel->text(), form->questionLabel->text(), form->hintLabel->text(), form->answerLabel->text()};
    }
    static QStringList row(const QString &n, const QString &q, const QString &h = {}, const QString &a = {})
    {
        return {n, q, h, a};
    }

private slots:
    void init()
    {
        app = std::make_unique<TestApp>();
        app->course.writeChapter(7, {{QStringLiteral("apple"), QStringLiteral("りんご"), QStringLiteral("n1")},
                                     {QStringLiteral("orange"), QStringLiteral("みかん"), QStringLiteral("n2")}});
    }
    void cleanup() { app.reset(); }

    void kindOneAsksEnglishHintsAndAnswersJapanese()
    {
        NoteScreen *form = open(1, 7);
        QCOMPARE(shown(form), row("1", "apple"));
        QCOMPARE(form->totalNumber->text(), QStringLiteral("2"));
        key(form, Qt::Key_Space);
        QCOMPARE(shown(form), row("1", "apple", "り"));
        key(form, Qt::Key_Down);
        QCOMPARE(shown(form), row("1", "apple", "り", "りんご"));
        forward(form);
        QCOMPARE(shown(form), row("2", "orange"));
    }

    void kindThreeAsksJapaneseHintsAndAnswersEnglish()
    {
        NoteScreen *form = open(3, 7);
        QCOMPARE(shown(form), row("1", "りんご"));
        forward(form);
        QCOMPARE(shown(form), row("1", "りんご", "a"));
        forward(form);
        QCOMPARE(shown(form), row("1", "りんご", "a", "apple"));
    }

    void captionsAndInstructionsPerKind_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("instruction");
        QTest::addColumn<QString>("question");
        QTest::newRow("1") << 1 << "ノートで勉強（５問から選択テスト[英→日]）" << "次の英語を日本語に直しましょう。" << "apple";
        QTest::newRow("2") << 2 << "ノートで勉強（５問から選択テスト[日→英]）" << "次の日本語を英語に直しましょう。。" << "りんご";
        QTest::newRow("3") << 3 << "ノートで勉強（英単語）" << "次の日本語を英語に直しましょう。" << "りんご";
    }
    void captionsAndInstructionsPerKind()
    {
        QFETCH(int, kind);
        QFETCH(QString, caption);
        QFETCH(QString, instruction);
        QFETCH(QString, question);
        NoteScreen *form = open(kind, 7);
        QCOMPARE(form->windowTitle(), caption);
        QCOMPARE(form->instructionLabel->text(), instruction);
        QCOMPARE(form->testKindLabel->text(), app->ctx.state.TestName[size_t(kind)]);
        QCOMPARE(form->chapterLabel->text(), QStringLiteral("No. 7\u3000果物"));
        QCOMPARE(form->questionLabel->text(), question);
        QVERIFY(form->problemLabel->isHidden());
    }

    void backAtQuestionOneShowsNothingNewThenTheHint()
    {
        NoteScreen *form = open(1, 7);
        key(form, Qt::Key_Up);
        QCOMPARE(shown(form), row("1", "apple"));
        key(form, Qt::Key_Up);
        QCOMPARE(shown(form), row("1", "apple"));
        forward(form);
        QCOMPARE(shown(form), row("1", "apple", "り"));
        forward(form);
        QCOMPARE(shown(form), row("1", "apple", "り", "りんご"));
    }

    void backFromTheHintOfQuestionThree()
    {
        app->course.writeChapter(1, TestCourse::numbered(1, 4));
        NoteScreen *form = open(1, 1);
        forward(form, 7); // h1 a1 q2 h2 a2 q3 h3
        QCOMPARE(shown(form), row("3", "e1-3", "日"));
        key(form, Qt::Key_Up);
        QCOMPARE(shown(form), row("2", "e1-2"));
        forward(form);
        QCOMPARE(shown(form), row("2", "e1-2", "日"));
        forward(form);
        QCOMPARE(shown(form), row("2", "e1-2", "日", "日1-2"));
        forward(form);
        QCOMPARE(shown(form), row("3", "e1-3"));
    }

    void backRightAfterAnAnswerShowsThatQuestionAgain()
    {
        app->course.writeChapter(1, TestCourse::numbered(1, 4));
        NoteScreen *form = open(3, 1);
        forward(form, 5); // h1 a1 q2 h2 a2: the next question would be 3
        QCOMPARE(shown(form), row("2", "日1-2", "e", "e1-2"));
        key(form, Qt::Key_Up);
        QCOMPARE(shown(form), row("2", "日1-2"));
        forward(form);
        QCOMPARE(shown(form), row("2", "日1-2", "e"));
    }

    void shiftSpaceOnTheLastAnswerShowsItAndLeaves()
    {
        NoteScreen *form = open(1, 7);
        key(form, Qt::Key_Space, Qt::ShiftModifier); // hint 1: not the end yet
        QCOMPARE(app->current(), form);
        forward(form, 3);                            // a1 q2 h2
        QCOMPARE(shown(form), row("2", "orange", "み"));
        key(form, Qt::Key_Space, Qt::ShiftModifier | Qt::ControlModifier); // not exactly Shift
        QCOMPARE(shown(form), row("2", "orange", "み", "みかん"));
        QCOMPARE(app->current(), form);

        form = open(1, 7);
        forward(form, 4);
        key(form, Qt::Key_Space, Qt::ShiftModifier);
        QCOMPARE(shown(form), row("2", "orange", "み", "みかん"));
        QCOMPARE(app->current()->id(), ScreenId::QuestionSelect);
        QCOMPARE(app->visibleScreens(), 1);
    }

    void spaceAloneAfterTheLastAnswerDoesNothing()
    {
        NoteScreen *form = open(1, 7);
        forward(form, 5);
        QCOMPARE(shown(form), row("2", "orange", "み", "みかん"));
        key(form, Qt::Key_Space);
        key(form, Qt::Key_Down);
        forward(form);
        QCOMPARE(shown(form), row("2", "orange", "み", "みかん"));
        QCOMPARE(app->current(), form);
        key(form, Qt::Key_Up); // still steps back from the end
        QCOMPARE(shown(form), row("2", "orange"));
    }

    void restartAfterABackDropsThePendingBackAndReadsTheFileAgain()
    {
        NoteScreen *form = open(1, 7);
        forward(form, 3);
        key(form, Qt::Key_Up);
        QCOMPARE(shown(form), row("1", "apple"));
        app->course.writeChapter(7, {{QStringLiteral("pear"), QStringLiteral("なし"), QString()}});
        QTest::mouseClick(form->restartButton, Qt::LeftButton);
        QCOMPARE(shown(form), row("1", "pear"));
        QCOMPARE(form->totalNumber->text(), QStringLiteral("1"));
        forward(form);
        QCOMPARE(shown(form), row("1", "pear", "な"));
    }

    void keysActOnTheScreenNotOnTheFocusedButton()
    {
        NoteScreen *form = open(1, 7);
        form->menuButton->setFocus();
        key(form->menuButton, Qt::Key_Space);
        QCOMPARE(app->current(), form);
        QCOMPARE(shown(form), row("1", "apple", "り"));
        key(form->questionSelectButton, Qt::Key_Return);
        key(form->menuButton, Qt::Key_Enter);
        QCOMPARE(app->current(), form);
        QCOMPARE(shown(form), row("1", "apple", "り"));
        key(form->restartButton, Qt::Key_Down);
        QCOMPARE(shown(form), row("1", "apple", "り", "りんご"));
    }

    void chapterOfFiftyWithoutMarkerStopsAfterTheLastAnswer()
    {
        app->course.writeChapter(4, TestCourse::numbered(4, 50), false);
        NoteScreen *form = open(1, 4);
        forward(form, 149);
        QCOMPARE(shown(form), row("50", "e4-50", "日", "日4-50"));
        forward(form, 3);
        QCOMPARE(shown(form), row("50", "e4-50", "日", "日4-50"));
    }

    void chapterWithoutQuestionsShowsNothing()
    {
        app->course.writeChapter(8, {});
        NoteScreen *form = open(3, 8);
        QCOMPARE(form->totalNumber->text(), QStringLiteral("0"));
        QCOMPARE(shown(form), row("", ""));
        key(form, Qt::Key_Up);
        forward(form, 3);
        QCOMPARE(shown(form), row("", ""));
    }

    void missingChapterFileIsNamedAndTheWayBackStays()
    {
        NoteScreen *form = open(1, 9);
        QVERIFY(!form->problemLabel->isHidden());
        QVERIFY(form->problemLabel->text().contains(QStringLiteral("E1/T/LEVEL.9")));
        QCOMPARE(form->totalNumber->text(), QStringLiteral("0"));
        forward(form);
        QCOMPARE(shown(form), row("", ""));
        QTest::mouseClick(form->chapterSelectButton, Qt::LeftButton);
        QCOMPARE(app->current()->id(), ScreenId::ChapterSelect);
    }

    void returnButtons()
    {
        QTest::mouseClick(open(1, 7)->questionSelectButton, Qt::LeftButton);
        QCOMPARE(app->current()->id(), ScreenId::QuestionSelect);
        QCOMPARE(app->ctx.state.TestKind, 1);
        QTest::mouseClick(open(2, 7)->menuButton, Qt::LeftButton);
        QCOMPARE(app->current()->id(), ScreenId::Menu);
        QCOMPARE(app->ctx.state.TestKind, 0);
        QCOMPARE(app->ctx.state.chosenChapter, 7);
        QCOMPARE(app->visibleScreens(), 1);
    }
};

QTEST_MAIN(TestNote)
#include "tst_notescreen.moc"
