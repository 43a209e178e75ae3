#pragma once
// The editor, titled 英単語の修正 (新規＆修正 on question selection): edits one chapter of the word test:
// the three lines of each of its 50 record slots (saved by "登録する"), and the chapter's name and
// title (saved at once).
#include "rules/editor/chaptertexts.h"
#include "rules/editor/questioneditor.h"
#include "rules/editor/questionslots.h"
#include "screens/kit/screen.h"

class ClickLabel;
class Panel;
class QLineEdit;
class QPushButton;

class EditorScreen : public Screen {
    Q_OBJECT
public:
    explicit EditorScreen(AppContext &ctx);

    ClickLabel *testKindLabel; // the test kind
    ClickLabel *chapterLabel; // the chapter line; double click edits the name
    ClickLabel *titleLabel; // the chapter's title; double click edits it
    ClickLabel *instructionLabel; // instruction
    ClickLabel *totalCaption; // 全問題数
    ClickLabel *totalNumber; // number of questions
    ClickLabel *slotNumber; // the slot shown
    ClickLabel *slotCaption; // 番目
    ClickLabel *englishCaption; // 英語
    ClickLabel *japaneseCaption; // 日本語
    ClickLabel *thirdCaption; // ダミー
    ClickLabel *savedLabel;   // "登録しました。" after a save, until the next edit
    ClickLabel *problemLabel; // what is wrong with the files read (hidden when all is well)
    QLineEdit *englishBox;
    QLineEdit *japaneseBox;
    QLineEdit *thirdBox;
    QPushButton *firstSlotButton; // ＜＜
    QPushButton *previousSlotButton; // ＜
    QPushButton *nextSlotButton; // ＞
    QPushButton *lastSlotButton; // ＞＞
    QPushButton *saveButton; // 登録する
    QPushButton *questionSelectButton; // 問題選択画面に戻る
    QPushButton *chapterSelectButton; // 項目選択画面に戻る
    QPushButton *menuButton; // MENUに戻る
    QPushButton *pasteButton; // 貼り付け: rows copied from a spreadsheet, from the slot shown on
    Panel *headerPanel, *slotPanel, *moveBar, *saveBar, *returnBar;

    const QuestionEditor &editor() const { return editor_; }
    // The slots differ from the file as read or last saved.
    bool hasUnsavedEdits() const { return editor_.records() != saved_; }
    int Q_Total = 0;
    QStringList Names;  // the lines of "LVNAME", chapter n at n - 1
    QStringList Titles; // the lines of "E1.DAT"

    void onFirstSlotButtonClicked();
    void onPreviousSlotButtonClicked();
    void onNextSlotButtonClicked();
    void onLastSlotButtonClicked();
    void onSaveButtonClicked();
    void onChapterLabelDoubleClicked();
    void onTitleLabelDoubleClicked();
    void onQuestionSelectButtonClicked();
    void onChapterSelectButtonClicked();
    void onMenuButtonClicked();
    void onPasteButtonClicked();

protected:
    // Closing the window with unsaved edits asks whether to save them; the return buttons
    // leave without saving.
    bool windowClosing() override;

private:
    void loadScreen();
    bool save(); // 登録する: true when the chapter file now holds the slots
    void showTitleLines();
    void showSlot(); // show the slot in the boxes and the slot number
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
