// The question bank editor: slot moves, the text boxes, saving the chapter, and the edits
// of the chapter's name and title, checked on the bytes of the files written.
#include "files/cp932.h"
#include "files/questionbank.h"
#include "rules/editor/chaptertexts.h"
#include "rules/editor/questionslots.h"
#include "screens/editor/editorscreen.h"
#include "screens/kit/dialogs.h"
#include "screens/kit/uikit.h"
#include "support/testapp.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

class TestEditorScreen : public QObject {
    Q_OBJECT

    std::unique_ptr<TestApp> app;
    QByteArray namesBefore, titlesBefore;

    EditorScreen *open(int chapter)
    {
        app->ctx.state.TestKind = 3;
        app->ctx.state.chosenChapter = chapter;
        app->start(ScreenId::Editor);
        auto *form = app->currentAs<EditorScreen>();
        Q_ASSERT(form);
        return form;
    }
    static void click(QPushButton *button, int times = 1)
    {
        for (int i = 0; i < times; ++i)
            QTest::mouseClick(button, Qt::LeftButton);
    }
    // Types text into a box one character at a time, as the keyboard or an input method sends it.
    static void type(QLineEdit *box, const QString &text)
    {
        for (qsizetype i = 0; i < text.size(); ++i) {
            const bool pair = text[i].isHighSurrogate() && i + 1 < text.size();
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, text.mid(i, pair ? 2 : 1), Qt::NoModifier);
            i += pair;
        }
    }
    // Replaces the text of a box as the learner does: select all, type.
    static void retype(QLineEdit *box, const QString &text)
    {
        box->setFocus();
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        if (text.isEmpty())
            QTest::keyClick(box, Qt::Key_Delete);
        else
            type(box, text);
    }
    static QStringList boxes(const EditorScreen *form)
    {
        return {form->slotNumber->text(), form->englishBox->text(), form->japaneseBox->text(), form->thirdBox->text()};
    }
    int lineCount(const QString &name) const
    {
        const QByteArray bytes = app->course.bytes(name);
        return int(bytes.count("\r\n"));
    }
    QString line(const QString &name, int n) const // 1-based
    {
        const QList<QByteArray> lines = app->course.bytes(name).split('\n');
        return cp932::decode(lines.value(n - 1)).chopped(1);
    }

private slots:
    void init()
    {
        app = std::make_unique<TestApp>();
        app->nameChapters();
        app->course.writeChapter(5, TestCourse::numbered(5, 12));
        namesBefore = app->course.bytes(QStringLiteral("LVNAME"));
        titlesBefore = app->course.bytes(QStringLiteral("E1.DAT"));
    }
    void cleanup() { app.reset(); }

    void loadShowsTheChapterAndSlotOne()
    {
        EditorScreen *form = open(5);
        QCOMPARE(form->windowTitle(), QStringLiteral("英単語の修正"));
        QCOMPARE(form->testKindLabel->text(), QStringLiteral("英単語テスト"));
        QCOMPARE(form->chapterLabel->text(), QStringLiteral("No. 5\u3000第5章の名前"));
        QCOMPARE(form->titleLabel->text(), QStringLiteral("題5"));
        QCOMPARE(form->instructionLabel->text(), QStringLiteral("英単語の修正を行います。"));
        QCOMPARE(form->totalNumber->text(), QStringLiteral("12"));
        QCOMPARE(boxes(form), QStringList({"1", "e5-1", "日5-1", "note5-1"}));
        QVERIFY(form->problemLabel->isHidden());
    }

    void savingTwelveQuestionsWrites150LinesThatReadBackAsTwelve()
    {
        EditorScreen *form = open(5);
        QCOMPARE(lineCount(QStringLiteral("T/LEVEL.5")), 39);
        click(form->saveButton);
        const QByteArray bytes = app->course.bytes(QStringLiteral("T/LEVEL.5"));
        QCOMPARE(lineCount(QStringLiteral("T/LEVEL.5")), 150);
        QCOMPARE(bytes.count('\n'), 150);
        QVERIFY(bytes.endsWith("\r\n"));
        QCOMPARE(line(QStringLiteral("T/LEVEL.5"), 34), QStringLiteral("e5-12"));
        QCOMPARE(line(QStringLiteral("T/LEVEL.5"), 36), QStringLiteral("note5-12"));
        QCOMPARE(line(QStringLiteral("T/LEVEL.5"), 37), QStringLiteral("*"));
        for (int n = 38; n <= 150; ++n)
            QVERIFY2(line(QStringLiteral("T/LEVEL.5"), n).isEmpty(), qPrintable(QString::number(n)));

        const ChapterQuestions back = readChapter(app->course.folder(), 5);
        QCOMPARE(back.items.size(), 12);
        QVERIFY(back.endedByMarker);
        for (int i = 0; i < 12; ++i)
            QCOMPARE(back.items[i].jpn, QStringLiteral("日5-%1").arg(i + 1));
        QCOMPARE(app->dialogs.calls.size(), 0);
        QCOMPARE(form->savedLabel->text(), QStringLiteral("登録しました。"));

        // The next edit takes the notice away; a slot move alone does not.
        click(form->nextSlotButton);
        QCOMPARE(form->savedLabel->text(), QStringLiteral("登録しました。"));
        QTest::keyClicks(form->englishBox, QStringLiteral("x"));
        QCOMPARE(form->savedLabel->text(), QString());
    }

    void replacingTheMarkerExtendsTheChapter()
    {
        EditorScreen *form = open(5);
        click(form->nextSlotButton, 12);
        QCOMPARE(boxes(form), QStringList({"13", "*", "", ""}));
        click(form->nextSlotButton);
        QCOMPARE(boxes(form), QStringList({"14", "", "", ""}));
        click(form->previousSlotButton);
        retype(form->englishBox, QStringLiteral("word"));
        QTest::keyClick(form->englishBox, Qt::Key_Return);
        type(form->japaneseBox, QStringLiteral("単語"));
        click(form->saveButton);

        const ChapterQuestions back = readChapter(app->course.folder(), 5);
        QCOMPARE(back.items.size(), 50);
        QCOMPARE(back.items[12], (Question{QStringLiteral("word"), QStringLiteral("単語"), QString()}));
        QCOMPARE(back.items[13], Question());
        QCOMPARE(back.items[49], Question());
        QCOMPARE(form->totalNumber->text(), QStringLiteral("50"));
    }

    void pastedRowsFillSlotsFromTheOneShownAndAreSavedByRegister()
    {
        EditorScreen *form = open(5);
        click(form->nextSlotButton, 10);
        const QByteArray before = app->course.bytes(QStringLiteral("T/LEVEL.5"));
        // As a spreadsheet copies them: CR LF rows, a quoted cell, no third column in row 2.
        QGuiApplication::clipboard()->setText(QStringLiteral("apple\tりんご\t名詞\r\ndog\t犬\r\n\"a \"\"big\"\" cat\"\tねこ\tnote\r\n"));
        click(form->pasteButton);
        QCOMPARE(app->dialogs.calls.size(), 1);
        QCOMPARE(app->dialogs.calls[0].kind, QStringLiteral("confirm"));
        QCOMPARE(app->dialogs.calls[0].text, QStringLiteral("11番目から3問を貼り付けます。"));
        QCOMPARE(boxes(form), QStringList({"11", "apple", "りんご", "名詞"}));
        QCOMPARE(app->course.bytes(QStringLiteral("T/LEVEL.5")), before);

        click(form->saveButton);
        const ChapterQuestions back = readChapter(app->course.folder(), 5);
        QCOMPARE(back.items.size(), 13); // over the marker of slot 13, which now stands in 14
        QVERIFY(back.endedByMarker);
        QCOMPARE(back.items[9].eng, QStringLiteral("e5-10"));
        QCOMPARE(back.items[11], (Question{QStringLiteral("dog"), QStringLiteral("犬"), QString()}));
        QCOMPARE(back.items[12], (Question{QStringLiteral("a \"big\" cat"), QStringLiteral("ねこ"), QStringLiteral("note")}));
    }

    void aPasteThatCannotBeTakenWhollyPastesNothing_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QString>("message"); // empty: the confirmation is answered Cancel
        QTest::newRow("nothing copied") << 1 << QString() << QStringLiteral("クリップボードに貼り付けられる行がありません。");
        QTest::newRow("one column") << 1 << QStringLiteral("apple\tりんご\nbanana\n")
                                    << QStringLiteral("クリップボードの2行目は列が1つしかありません。");
        QTest::newRow("past slot 50") << 49 << QStringLiteral("a\tあ\nb\tい\nc\tう\n")
                                      << QStringLiteral("49番目から貼り付けると、クリップボードの3行目が50番目を越えます。");
        QTest::newRow("not Shift_JIS") << 1 << QStringLiteral("a\tあ\nb\t\U0001F600\n")
                                       << QStringLiteral("クリップボードの2行目の「日本語」にある");
        QTest::newRow("line break in a cell") << 1 << QStringLiteral("a\tあ\n\"two\nlines\"\tい\n")
                                              << QStringLiteral("クリップボードの2行目の「英語」のセルに改行が入っています。");
        QTest::newRow("cancelled") << 1 << QStringLiteral("a\tあ\n") << QString();
    }
    void aPasteThatCannotBeTakenWhollyPastesNothing()
    {
        QFETCH(int, slot);
        QFETCH(QString, clipboard);
        QFETCH(QString, message);
        EditorScreen *form = open(5);
        click(form->nextSlotButton, slot - 1);
        const QList<Question> before = form->editor().records();
        const QStringList shown = boxes(form);
        QGuiApplication::clipboard()->setText(clipboard);
        app->dialogs.confirmAnswers = {false};
        click(form->pasteButton);
        QCOMPARE(app->dialogs.calls.size(), 1);
        QCOMPARE(app->dialogs.calls[0].kind, message.isEmpty() ? QStringLiteral("confirm") : QStringLiteral("inform"));
        QVERIFY2(app->dialogs.calls[0].text.startsWith(message), qPrintable(app->dialogs.calls[0].text));
        QCOMPARE(form->editor().records(), before);
        QCOMPARE(boxes(form), shown);
    }

    // The paste's rule on its own: a chapter of 12 questions with its marker in slot 13.
    void whatAPasteTakes_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("questions"); // that the test reads after pasting
        QTest::addColumn<QString>("said"); // the problem, else the notice before pasting
        const QString none = QStringLiteral("何も貼り付けていません。");
        QTest::newRow("empty rows after the last") << 1 << QStringLiteral("a\tあ\r\nb\tい\r\n\t\t\r\n\t\r\n\r\n") << 2 << 12 << QString();
        QTest::newRow("empty cells after the third") << 1 << QStringLiteral("a\tあ\tx\t\t\n") << 1 << 12 << QString();
        QTest::newRow("a fourth column") << 1 << QStringLiteral("a\tb\tc\td\t\n") << 0 << 12
                                         << QStringLiteral("クリップボードの1行目は列が4つあります。貼り付けられるのは英語、日本語、ダミーの3列までです。") + none;
        QTest::newRow("NUL") << 1 << QStringLiteral("a\tあ\nb\0c\tい\n") << 0 << 12
                             << QStringLiteral("クリップボードの2行目の「英語」に制御文字 U+0000 が入っています。制御文字は登録できません。") + none;
        QTest::newRow("tab inside a quoted cell") << 1 << QStringLiteral("a\t\"あ\tい\"\n") << 0 << 12
                                                  << QStringLiteral("クリップボードの1行目の「日本語」に制御文字 U+0009 が入っています。制御文字は登録できません。") + none;
        QTest::newRow("DEL in the third") << 1 << QStringLiteral("a\tあ\tx\x7f\n") << 0 << 12
                                          << QStringLiteral("クリップボードの1行目の「ダミー」に制御文字 U+007F が入っています。制御文字は登録できません。") + none;
        QTest::newRow("over the marker") << 12 << QStringLiteral("a\tあ\nb\tい\n") << 2 << 13 << QString();
        QTest::newRow("after the marker") << 14 << QStringLiteral("a\tあ\n") << 1 << 12
                                          << QStringLiteral("13番目に章の終わりの印「*」があります。「*」より後ろは読まれません。");
    }
    void whatAPasteTakes()
    {
        QFETCH(int, slot);
        QFETCH(QString, clipboard);
        QFETCH(int, rows);
        QFETCH(int, questions);
        QFETCH(QString, said);
        QList<Question> records;
        for (int i = 1; i <= 12; ++i)
            records.append({QStringLiteral("e%1").arg(i), QStringLiteral("日%1").arg(i), QString()});
        records.append({QStringLiteral("*"), QString(), QString()});
        QuestionEditor editor(records);
        editor.last();
        while (editor.Slot() > slot)
            editor.previous();
        const QuestionEditor::Paste plan = editor.planPaste(clipboard);
        QCOMPARE(plan.rows.size(), rows);
        QCOMPARE(plan.problem.isEmpty() ? plan.notice : plan.problem, said);
        editor.paste(plan);
        QCOMPARE(questionCountOf(editor.records()), questions);
    }

    void pastingAfterTheMarkerSaysSoBeforeAsking()
    {
        EditorScreen *form = open(5);
        click(form->nextSlotButton, 14);
        QGuiApplication::clipboard()->setText(QStringLiteral("a\tあ\n"));
        app->dialogs.confirmAnswers = {true};
        click(form->pasteButton);
        QCOMPARE(app->dialogs.calls.size(), 1);
        QCOMPARE(app->dialogs.calls[0].text, QStringLiteral("15番目から1問を貼り付けます。\n13番目に章の終わりの印「*」があります。「*」より後ろは読まれません。"));
        QCOMPARE(boxes(form), QStringList({"15", "a", "あ", ""}));
    }

    void slotMovesStopAtOneAndFifty()
    {
        EditorScreen *form = open(5);
        click(form->previousSlotButton);
        QCOMPARE(boxes(form), QStringList({"1", "e5-1", "日5-1", "note5-1"}));
        click(form->lastSlotButton);
        QCOMPARE(boxes(form), QStringList({"50", "", "", ""}));
        click(form->nextSlotButton);
        QCOMPARE(form->editor().Slot(), 50);
        QCOMPARE(form->slotNumber->text(), QStringLiteral("50"));
        click(form->previousSlotButton);
        QCOMPARE(form->slotNumber->text(), QStringLiteral("49"));
        click(form->firstSlotButton);
        click(form->nextSlotButton);
        QCOMPARE(boxes(form), QStringList({"2", "e5-2", "日5-2", "note5-2"}));
        QCOMPARE(form->focusWidget(), form->englishBox);
    }

    void typedTextStaysOnMovesAndIsLostOnLeavingWithoutSaving()
    {
        const QByteArray before = app->course.bytes(QStringLiteral("T/LEVEL.5"));
        EditorScreen *form = open(5);
        click(form->nextSlotButton, 2);
        retype(form->englishBox, QStringLiteral("typed"));
        click(form->nextSlotButton);
        QCOMPARE(form->englishBox->text(), QStringLiteral("e5-4"));
        click(form->previousSlotButton);
        QCOMPARE(boxes(form), QStringList({"3", "typed", "日5-3", "note5-3"}));
        click(form->questionSelectButton);
        QCOMPARE(app->current()->id(), ScreenId::QuestionSelect);
        QCOMPARE(app->course.bytes(QStringLiteral("T/LEVEL.5")), before);
        QCOMPARE(app->dialogs.count(QStringLiteral("askUnsaved")), 0);
    }

    // Closing the window itself is not a return button: unsaved edits are asked about.
    void closingTheWindowAsksAboutUnsavedEdits_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<QString>("saved"); // slot 1's English in the file afterwards
        QTest::newRow("save") << int(Dialogs::Unsaved::Save) << true << QStringLiteral("typed");
        QTest::newRow("discard") << int(Dialogs::Unsaved::Discard) << true << QStringLiteral("e5-1");
        QTest::newRow("cancel") << int(Dialogs::Unsaved::Cancel) << false << QStringLiteral("e5-1");
    }
    void closingTheWindowAsksAboutUnsavedEdits()
    {
        QFETCH(int, answer);
        QFETCH(bool, closed);
        QFETCH(QString, saved);
        EditorScreen *form = open(5);
        retype(form->englishBox, QStringLiteral("typed"));
        app->dialogs.unsavedAnswers = {Dialogs::Unsaved(answer)};
        QCOMPARE(form->close(), closed);
        QCOMPARE(app->dialogs.count(QStringLiteral("askUnsaved")), 1);
        QCOMPARE(app->dialogs.calls[0].text, QStringLiteral("保存されていない変更があります。"));
        QCOMPARE(line(QStringLiteral("T/LEVEL.5"), 1), saved);
        if (!closed)
            QCOMPARE(form->englishBox->text(), QStringLiteral("typed"));
    }

    // Another copy of the program (or the teacher's text editor) changes the file while this
    // one has it open: the write keeps both changes.
    void aNameOrTitleChangedWhileTheInputBoxIsOpenIsKept_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("name") << QStringLiteral("LVNAME");
        QTest::newRow("title") << QStringLiteral("E1.DAT");
    }
    void aNameOrTitleChangedWhileTheInputBoxIsOpenIsKept()
    {
        QFETCH(QString, file);
        EditorScreen *form = open(5);
        const DataFolder other = app->course.folder();
        app->dialogs.textAnswers = {QStringLiteral("五")};
        app->dialogs.whileAsking = [&] {
            QCOMPARE(writeChapterText(other, file, readChapterTexts(other, file), 6, QStringLiteral("六")), QString());
        };
        QTest::mouseDClick(file == QStringLiteral("LVNAME") ? form->chapterLabel : form->titleLabel, Qt::LeftButton);
        QCOMPARE(line(file, 5), QStringLiteral("五"));
        QCOMPARE(line(file, 6), QStringLiteral("六"));
    }

    void aSaveKeepsSlotsChangedInTheFileSinceItWasRead()
    {
        EditorScreen *form = open(5);
        retype(form->englishBox, QStringLiteral("mine"));
        QList<Question> theirs = readChapterSlots(app->course.folder(), 5).records;
        theirs[2].eng = QStringLiteral("theirs");
        QCOMPARE(writeChapterSlots(app->course.folder(), 5, theirs), QString());
        click(form->saveButton);
        QCOMPARE(line(QStringLiteral("T/LEVEL.5"), 1), QStringLiteral("mine"));
        QCOMPARE(line(QStringLiteral("T/LEVEL.5"), 7), QStringLiteral("theirs"));
        click(form->nextSlotButton, 2);
        QCOMPARE(form->englishBox->text(), QStringLiteral("theirs"));
        QVERIFY(!form->hasUnsavedEdits());
    }

    void enterGoesBetweenTheFirstTwoBoxes()
    {
        EditorScreen *form = open(5);
        QTest::keyClick(form->englishBox, Qt::Key_Return);
        QCOMPARE(form->focusWidget(), form->japaneseBox);
        QTest::keyClick(form->japaneseBox, Qt::Key_Enter);
        QCOMPARE(form->focusWidget(), form->englishBox);
        form->thirdBox->setFocus();
        QTest::keyClick(form->thirdBox, Qt::Key_Return);
        QCOMPARE(form->focusWidget(), form->thirdBox);
        QCOMPARE(boxes(form), QStringList({"1", "e5-1", "日5-1", "note5-1"}));
    }

    void aNameEditShowsWhereChaptersAreListedWithoutReading()
    {
        EditorScreen *form = open(5);
        retype(form->englishBox, QStringLiteral("not saved yet"));
        app->dialogs.textAnswers = {QStringLiteral("新しい名前, 第二部")};
        QTest::mouseDClick(form->chapterLabel, Qt::LeftButton);

        QCOMPARE(app->dialogs.calls.size(), 1);
        const ScriptedDialogs::Call ask = app->dialogs.calls[0];
        QCOMPARE(ask.kind, QStringLiteral("askText"));
        QCOMPARE(ask.text, QStringLiteral("書き換えるデーターを入れてください"));
        QCOMPARE(ask.title, QStringLiteral("登録・変更"));
        QCOMPARE(ask.defaultText, QStringLiteral("第5章の名前"));

        // What chapter selection and question selection show comes from chapterNames.
        QCOMPARE(app->ctx.state.chapterNames[4], QStringLiteral("新しい名前, 第二部"));
        QCOMPARE(chapterLine(app->ctx.state), QStringLiteral("No. 5\u3000新しい名前, 第二部"));
        QCOMPARE(form->chapterLabel->text(), chapterLine(app->ctx.state));

        QCOMPARE(lineCount(QStringLiteral("LVNAME")), 60);
        QCOMPARE(line(QStringLiteral("LVNAME"), 5), QStringLiteral("新しい名前, 第二部"));
        QList<QByteArray> was = namesBefore.split('\n'), now = app->course.bytes(QStringLiteral("LVNAME")).split('\n');
        was.removeAt(4);
        now.removeAt(4);
        QCOMPARE(now, was);
        QCOMPARE(form->englishBox->text(), QStringLiteral("not saved yet"));
        QCOMPARE(app->course.bytes(QStringLiteral("E1.DAT")), titlesBefore);
    }

    void otherChaptersLinesAreWrittenBackAsTheyWere()
    {
        QStringList names;
        for (int n = 1; n <= 60; ++n)
            names << QStringLiteral("第%1章").arg(n);
        names[2] = QStringLiteral("Lesson 3, part A");
        names[3] = QStringLiteral("\"quoted\" four");
        names[5] = QStringLiteral("  six  ");
        names.resize(40); // a short file gets its 60 lines
        app->course.writeLines(QStringLiteral("LVNAME"), names);
        EditorScreen *form = open(5);
        app->dialogs.textAnswers = {QStringLiteral("五")};
        QTest::mouseDClick(form->chapterLabel, Qt::LeftButton);
        names[4] = QStringLiteral("五");
        names.resize(60);
        QCOMPARE(lineCount(QStringLiteral("LVNAME")), 60);
        for (int n = 1; n <= 60; ++n)
            QCOMPARE(line(QStringLiteral("LVNAME"), n), names[n - 1]);
    }

    void cancellingAnInputBoxKeepsTheOldNameAndTitle()
    {
        EditorScreen *form = open(5);
        app->dialogs.textAnswers = {std::nullopt, std::nullopt};
        QTest::mouseDClick(form->chapterLabel, Qt::LeftButton);
        QTest::mouseDClick(form->titleLabel, Qt::LeftButton);
        QCOMPARE(app->dialogs.count(QStringLiteral("askText")), 2);
        QCOMPARE(app->ctx.state.chapterNames[4], QStringLiteral("第5章の名前"));
        QCOMPARE(form->chapterLabel->text(), QStringLiteral("No. 5\u3000第5章の名前"));
        QCOMPARE(form->titleLabel->text(), QStringLiteral("題5"));
        QCOMPARE(app->course.bytes(QStringLiteral("LVNAME")), namesBefore);
        QCOMPARE(app->course.bytes(QStringLiteral("E1.DAT")), titlesBefore);
    }

    void aTitleEditWritesTheTitleFile()
    {
        EditorScreen *form = open(5);
        app->dialogs.textAnswers = {QStringLiteral("動物の名前")};
        QTest::mouseDClick(form->titleLabel, Qt::LeftButton);
        QCOMPARE(app->dialogs.calls[0].defaultText, QStringLiteral("題5"));
        QCOMPARE(form->titleLabel->text(), QStringLiteral("動物の名前"));
        QCOMPARE(line(QStringLiteral("E1.DAT"), 5), QStringLiteral("動物の名前"));
        QCOMPARE(line(QStringLiteral("E1.DAT"), 6), QStringLiteral("題6"));
        QCOMPARE(lineCount(QStringLiteral("E1.DAT")), 60);
        QCOMPARE(app->ctx.state.chapterNames[4], QStringLiteral("第5章の名前"));
        QCOMPARE(app->course.bytes(QStringLiteral("LVNAME")), namesBefore);
    }

    void anEmojiIsRefusedAndNothingIsWritten()
    {
        const QByteArray before = app->course.bytes(QStringLiteral("T/LEVEL.5"));
        EditorScreen *form = open(5);
        click(form->nextSlotButton);
        form->japaneseBox->setFocus();
        QTest::keyClick(form->japaneseBox, Qt::Key_End);
        type(form->japaneseBox, QStringLiteral("😀"));
        QCOMPARE(form->japaneseBox->text(), QStringLiteral("日5-2😀"));
        click(form->saveButton);
        QCOMPARE(app->dialogs.count(QStringLiteral("inform")), 1);
        const QString message = app->dialogs.calls.last().text;
        QVERIFY2(message.contains(QStringLiteral("😀")) && message.contains(QStringLiteral("U+1F600")), qPrintable(message));
        QVERIFY2(message.contains(QStringLiteral("2番目の「日本語」")), qPrintable(message));
        QCOMPARE(app->course.bytes(QStringLiteral("T/LEVEL.5")), before);
        QCOMPARE(form->savedLabel->text(), QString());

        app->dialogs.textAnswers = {QStringLiteral("名前😀")};
        QTest::mouseDClick(form->chapterLabel, Qt::LeftButton);
        QCOMPARE(app->dialogs.count(QStringLiteral("inform")), 2);
        QVERIFY(app->dialogs.calls.last().text.contains(QStringLiteral("U+1F600")));
        QCOMPARE(app->course.bytes(QStringLiteral("LVNAME")), namesBefore);
        QCOMPARE(app->ctx.state.chapterNames[4], QStringLiteral("第5章の名前"));
        QCOMPARE(form->chapterLabel->text(), QStringLiteral("No. 5\u3000第5章の名前"));
    }

    void aMissingChapterIsCreatedOnlyWhenTheLearnerChooses()
    {
        EditorScreen *form = open(20);
        QVERIFY(!form->problemLabel->isHidden());
        QVERIFY(form->problemLabel->text().contains(QStringLiteral("E1/T/LEVEL.20")));
        QCOMPARE(form->totalNumber->text(), QStringLiteral("0"));
        QCOMPARE(boxes(form), QStringList({"1", "*", "", ""}));

        app->dialogs.confirmAnswers = {false};
        click(form->saveButton);
        QCOMPARE(app->dialogs.count(QStringLiteral("confirm")), 1);
        QVERIFY(!app->course.exists(QStringLiteral("T/LEVEL.20")));
        QCOMPARE(form->savedLabel->text(), QString());

        retype(form->englishBox, QStringLiteral("cat"));
        click(form->nextSlotButton);
        retype(form->englishBox, QStringLiteral("*"));
        app->dialogs.confirmAnswers = {true};
        click(form->saveButton);
        QCOMPARE(lineCount(QStringLiteral("T/LEVEL.20")), 150);
        QCOMPARE(readChapter(app->course.folder(), 20).items.size(), 1);
        QCOMPARE(form->savedLabel->text(), QStringLiteral("登録しました。"));
        QVERIFY(form->problemLabel->isHidden());
        click(form->saveButton); // the file is there now: no more question
        QCOMPARE(app->dialogs.count(QStringLiteral("confirm")), 2);
    }

    void anUnreadableChapterIsNeverReplaced()
    {
        QDir(app->course.root()).mkpath(QStringLiteral("T/LEVEL.21"));
        EditorScreen *form = open(21);
        QVERIFY(form->problemLabel->text().contains(QStringLiteral("E1/T/LEVEL.21")));
        click(form->saveButton);
        QCOMPARE(app->dialogs.count(QStringLiteral("inform")), 1);
        QCOMPARE(app->dialogs.count(QStringLiteral("confirm")), 0);
        QVERIFY(QFileInfo(QDir(app->course.root()).filePath(QStringLiteral("T/LEVEL.21"))).isDir());
        click(form->menuButton);
        QCOMPARE(app->current()->id(), ScreenId::Menu);
        QCOMPARE(app->ctx.state.TestKind, 0);
    }

    void aFileWithoutItsMarkerKeepsItsCount()
    {
        app->course.writeChapter(6, TestCourse::numbered(6, 4), false);
        EditorScreen *form = open(6);
        QCOMPARE(form->totalNumber->text(), QStringLiteral("4"));
        QVERIFY(form->problemLabel->text().contains(QStringLiteral("5番目")));
        click(form->nextSlotButton, 4);
        QCOMPARE(boxes(form), QStringList({"5", "*", "", ""}));
        click(form->saveButton);
        QCOMPARE(readChapter(app->course.folder(), 6).items.size(), 4);
    }

    void linesAfterTheMarkerAreKept()
    {
        app->course.writeLines(QStringLiteral("T/LEVEL.7"),
                               {"one", "一", "", "two", "二", "", "*", "", "", "hidden", "隠し", "x"});
        EditorScreen *form = open(7);
        QCOMPARE(form->totalNumber->text(), QStringLiteral("2"));
        click(form->nextSlotButton, 3);
        QCOMPARE(boxes(form), QStringList({"4", "hidden", "隠し", "x"}));
        click(form->nextSlotButton);
        QCOMPARE(boxes(form), QStringList({"5", "", "", ""}));
        click(form->saveButton);
        QCOMPARE(line(QStringLiteral("T/LEVEL.7"), 10), QStringLiteral("hidden"));
        QCOMPARE(line(QStringLiteral("T/LEVEL.7"), 12), QStringLiteral("x"));
        QCOMPARE(readChapter(app->course.folder(), 7).items.size(), 2);
    }

    void bytesThatAreNotShiftJisAreShownAndBlockTheSave()
    {
        app->course.writeBytes(QStringLiteral("T/LEVEL.8"), QByteArray("bad\x85\x40\r\nx\r\n\r\n*\r\n\r\n\r\n"));
        const QByteArray before = app->course.bytes(QStringLiteral("T/LEVEL.8"));
        EditorScreen *form = open(8);
        QVERIFY(form->problemLabel->text().contains(QStringLiteral("Shift_JIS")));
        click(form->saveButton);
        QVERIFY(app->dialogs.calls.last().text.contains(QStringLiteral("1番目の「英語」")));
        QCOMPARE(app->course.bytes(QStringLiteral("T/LEVEL.8")), before);
        retype(form->englishBox, QStringLiteral("bad@"));
        click(form->saveButton);
        QCOMPARE(line(QStringLiteral("T/LEVEL.8"), 1), QStringLiteral("bad@"));
    }
};

QTEST_MAIN(TestEditorScreen)
#include "tst_editorscreen.moc"
