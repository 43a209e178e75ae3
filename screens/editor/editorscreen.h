#pragma once
// F_SAKUSEI: edits one chapter of the word test: the three lines of each of its 50 record
// slots (saved by "登録する"), and the chapter's name and title (saved at once).
#include "rules/editor/chaptertexts.h"
#include "rules/editor/questioneditor.h"
#include "rules/editor/questionslots.h"
#include "screens/kit/screen.h"

class ClickLabel;
class Panel;
class QLineEdit;
class QPushButton;

class F_SAKUSEI : public Screen {
    Q_OBJECT
public:
    explicit F_SAKUSEI(AppContext &ctx);

    ClickLabel *Label1;  // the test kind
    ClickLabel *Label2;  // the chapter line; double click edits the name
    ClickLabel *Label4;  // the chapter's title; double click edits it
    ClickLabel *Label3;  // instruction
    ClickLabel *Label30; // 全問題数
    ClickLabel *Label31; // number of questions
    ClickLabel *Label21; // the slot shown
    ClickLabel *Label;   // 番目
    ClickLabel *Label20; // 英語
    ClickLabel *Label11; // 日本語
    ClickLabel *Label12; // ダミー
    ClickLabel *savedLabel;   // "登録しました。" after a save, until the next edit
    ClickLabel *problemLabel; // what is wrong with the files read (hidden when all is well)
    QLineEdit *Text1;
    QLineEdit *Text2;
    QLineEdit *Text3;
    QPushButton *Command4; // ＜＜
    QPushButton *Command1; // ＜
    QPushButton *Command2; // ＞
    QPushButton *Command8; // ＞＞
    QPushButton *Command3; // 登録する
    QPushButton *Command5; // 問題選択画面に戻る
    QPushButton *Command6; // 項目選択画面に戻る
    QPushButton *Command7; // MENUに戻る
    QPushButton *pasteButton; // 貼り付け: rows copied from a spreadsheet, from the slot shown on
    Panel *Picture1, *Picture2, *Picture4, *Picture5, *Picture9;

    const QuestionEditor &editor() const { return editor_; }
    // The slots differ from the file as read or last saved.
    bool hasUnsavedEdits() const { return editor_.records() != saved_; }
    int Q_Total = 0;
    QStringList Names;  // the lines of "LVNAME", chapter n at n - 1
    QStringList Titles; // the lines of "E1.DAT"

    void Command4_Click();
    void Command1_Click();
    void Command2_Click();
    void Command8_Click();
    void Command3_Click();
    void Label2_DblClick();
    void Label4_DblClick();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();
    void pasteButton_Click();

protected:
    // Closing the window with unsaved edits asks whether to save them; the return buttons
    // leave without saving.
    bool windowClosing() override;

private:
    void Form_Load();
    bool save(); // 登録する: true when the chapter file now holds the slots
    void JUNBI2();
    void NOTE_N(); // show the slot in the boxes and the slot number
    void showSlotAfterMove(bool moved);
    void showProblems();
    QString longLineProblem() const;
    void clearSaved();
    // Asks for the new text of this chapter's line in a names or titles file and writes it;
    // the text stored, or nothing when cancelled or refused.
    std::optional<QString> editChapterText(const QString &file, const QString &defaultText);

    QuestionEditor editor_;
    QList<Question> saved_;    // the slots as read on load, or as last saved
    ChapterSlots read_;        // how the question file was found on load
    bool chapterFileMissing_ = false;
    QStringList loadProblems_; // names and titles files
};
