#pragma once
// Question selection, titled with the course title and （問題選択）: what to do with the chosen
// chapter: the test in file order or in random order, the note screen, and for the word test
// the test sheets and the editor.
#include "screens/kit/screen.h"

class ClickLabel;
class Panel;
class QPushButton;

class QuestionSelectScreen : public Screen { // 問題選択
    Q_OBJECT
public:
    explicit QuestionSelectScreen(AppContext &ctx);

    // Controls.
    ClickLabel *titleLabel; // 問題選択
    ClickLabel *testKindLabel; // the test kind
    ClickLabel *chapterLabel; // the chapter line
    QPushButton *inOrderButton; // 順番に問題をする
    QPushButton *randomButton; // ランダムで問題をする
    QPushButton *noteButton; // ノートで勉強する
    QPushButton *printButton; // 印刷 (word test only)
    QPushButton *editorButton; // 新規＆修正 (word test only)
    QPushButton *chapterSelectButton; // 項目選択画面に戻る
    QPushButton *menuButton; // MENUに戻る
    QPushButton *WeakButton; // 苦手な問題: the kind's items due today, across chapters
    Panel *titlePanel;     // behind the title lines
    Panel *buttonPanel;    // behind the buttons

    void onInOrderButtonClicked();
    void onRandomButtonClicked();
    void onNoteButtonClicked();
    void onPrintButtonClicked();
    void onEditorButtonClicked();
    void onChapterSelectButtonClicked();
    void onMenuButtonClicked();
    void WeakButton_Click();

private:
    void loadScreen();
    void showTitleLines();
    void startTest(int randomMode);
};
