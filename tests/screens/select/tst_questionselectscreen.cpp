// Question selection: what it shows for the chosen chapter and where each button leads.
#include "screens/kit/uikit.h"
#include "screens/menu/menuscreen.h"
#include "screens/select/chapterselectscreen.h"
#include "screens/select/questionselectscreen.h"
#include "support/testapp.h"

#include <QTest>

class TestQuestionSelectScreen : public QObject {
    Q_OBJECT

    // Reaches question selection the learner's way: the menu, then a double click on the chapter.
    QuestionSelectScreen *reach(TestApp &app, int kind, int chapter)
    {
        app.start(ScreenId::Menu);
        QPushButton *test[] = {nullptr, app.currentAs<MenuScreen>()->choiceEnglishButton, app.currentAs<MenuScreen>()->choiceJapaneseButton,
                               app.currentAs<MenuScreen>()->wordTestButton};
        QTest::mouseClick(test[kind], Qt::LeftButton);
        auto *list = app.currentAs<ChapterSelectScreen>();
        if (!list)
            return nullptr;
        QTest::keyClick(list, Qt::Key_F1 + (chapter - 1) / 20);
        QTest::mouseDClick(list->chapterNames[size_t(chapter)], Qt::LeftButton);
        return app.currentAs<QuestionSelectScreen>();
    }

private slots:
    void showsTheKindAndTheChapter()
    {
        TestApp app;
        QuestionSelectScreen *f = reach(app, 3, 7);
        QVERIFY(f);
        QCOMPARE(f->windowTitle(), QStringLiteral("テスト教材\u3000（問題選択）"));
        QCOMPARE(f->titleLabel->text(), QStringLiteral("問題選択"));
        QCOMPARE(f->testKindLabel->text(), QStringLiteral("英単語テスト"));
        QCOMPARE(f->chapterLabel->text(), QStringLiteral("No. 7\u3000第7章の名前"));
        QCOMPARE(f->inOrderButton->text(), QStringLiteral("順番に問題をする"));
        QCOMPARE(f->randomButton->text(), QStringLiteral("ランダムで問題をする"));
        QCOMPARE(f->noteButton->text(), QStringLiteral("ノートで勉強する"));
        QCOMPARE(f->printButton->text(), QStringLiteral("印刷"));
        QCOMPARE(f->editorButton->text(), QStringLiteral("新規＆修正"));
        QCOMPARE(f->chapterSelectButton->text(), QStringLiteral("項目選択画面に戻る"));
        QCOMPARE(f->menuButton->text(), QStringLiteral("MENUに戻る"));

        TestApp other;
        f = reach(other, 1, 12);
        QVERIFY(f);
        QCOMPARE(f->testKindLabel->text(), QStringLiteral("５問選択問題テスト（英語→日本語）"));
        QCOMPARE(f->chapterLabel->text(), QStringLiteral("No. 12\u3000第12章の名前"));
    }

    void printAndEditorOnlyForTheWordTest_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("offered");
        QTest::newRow("english to japanese") << 1 << false;
        QTest::newRow("japanese to english") << 2 << false;
        QTest::newRow("word test") << 3 << true;
    }
    void printAndEditorOnlyForTheWordTest()
    {
        QFETCH(int, kind);
        QFETCH(bool, offered);
        TestApp app;
        QuestionSelectScreen *f = reach(app, kind, 2);
        QVERIFY(f);
        QCOMPARE(f->printButton->isVisible(), offered);
        QCOMPARE(f->editorButton->isVisible(), offered);
        for (QPushButton *b : {f->noteButton, f->inOrderButton, f->randomButton, f->chapterSelectButton, f->menuButton})
            QVERIFY(b->isVisible());
        if (!offered) {
            // Hidden buttons lead nowhere, even when reached some other way.
            f->onPrintButtonClicked();
            f->onEditorButtonClicked();
            QCOMPARE(app.current(), f);
        }
    }

    void testButtonsSetTheOrderAndOpenTheKindsTest_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("random");
        QTest::addColumn<ScreenId>("target");
        QTest::newRow("kind 1 in order") << 1 << false << ScreenId::ChoiceTest;
        QTest::newRow("kind 2 random") << 2 << true << ScreenId::ChoiceTest;
        QTest::newRow("kind 3 in order") << 3 << false << ScreenId::WordTest;
        QTest::newRow("kind 3 random") << 3 << true << ScreenId::WordTest;
    }
    void testButtonsSetTheOrderAndOpenTheKindsTest()
    {
        QFETCH(int, kind);
        QFETCH(bool, random);
        QFETCH(ScreenId, target);
        TestApp app;
        // Left over from an earlier run; the button decides.
        app.ctx.state.RandomMode = random ? 0 : 1;
        QuestionSelectScreen *f = reach(app, kind, 3);
        QVERIFY(f);
        QTest::mouseClick(random ? f->randomButton : f->inOrderButton, Qt::LeftButton);
        QCOMPARE(app.current()->id(), target);
        QCOMPARE(app.ctx.state.RandomMode, random ? 1 : 0);
        QCOMPARE(app.ctx.state.TestKind, kind);
        QCOMPARE(app.ctx.state.chosenChapter, 3);
        QCOMPARE(app.visibleScreens(), 1);
    }

    void otherButtonsLeadWhereTheySay_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<ScreenId>("target");
        QTest::addColumn<int>("kindAfter");
        QTest::newRow("note") << QStringLiteral("noteButton") << ScreenId::Note << 3;
        QTest::newRow("print") << QStringLiteral("printButton") << ScreenId::PrintWordSheets << 3;
        QTest::newRow("editor") << QStringLiteral("editorButton") << ScreenId::Editor << 3;
        QTest::newRow("chapter selection") << QStringLiteral("chapterSelectButton") << ScreenId::ChapterSelect << 3;
        QTest::newRow("menu") << QStringLiteral("menuButton") << ScreenId::Menu << 0;
    }
    void otherButtonsLeadWhereTheySay()
    {
        QFETCH(QString, button);
        QFETCH(ScreenId, target);
        QFETCH(int, kindAfter);
        TestApp app;
        QuestionSelectScreen *f = reach(app, 3, 44);
        QVERIFY(f);
        QPushButton *b = button == u"noteButton" ? f->noteButton
                         : button == u"printButton" ? f->printButton
                         : button == u"editorButton" ? f->editorButton
                         : button == u"chapterSelectButton" ? f->chapterSelectButton
                                                 : f->menuButton;
        QTest::mouseClick(b, Qt::LeftButton);
        QCOMPARE(app.current()->id(), target);
        QCOMPARE(app.ctx.state.TestKind, kindAfter);
        QCOMPARE(app.ctx.state.chosenChapter, 44);
        QCOMPARE(app.ctx.state.chapterBlock, 3);
        QCOMPARE(app.visibleScreens(), 1);
    }

    void wholeWayFromTheMenuByKeyboard()
    {
        TestApp app;
        app.start(ScreenId::Menu);
        QTest::mouseClick(app.currentAs<MenuScreen>()->wordTestButton, Qt::LeftButton);
        auto *list = app.currentAs<ChapterSelectScreen>();
        QVERIFY(list);
        QTest::keyClicks(list, QStringLiteral("05"));
        QTest::keyClick(list, Qt::Key_Return);
        auto *f = app.currentAs<QuestionSelectScreen>();
        QVERIFY(f);
        QCOMPARE(f->chapterLabel->text(), QStringLiteral("No. 5\u3000第5章の名前"));
        QCOMPARE(app.ctx.state.chosenChapter, 5);
        QCOMPARE(app.ctx.state.chapterBlock, 1);
    }
};

QTEST_MAIN(TestQuestionSelectScreen)
#include "tst_questionselectscreen.moc"
