#pragma once
// F_項目選択: the 60 chapters of the current test in three blocks of 20. The learner moves
// the highlight with the mouse, the arrows, Space or two typed digits, and chooses a
// chapter with a double click or Enter; finished chapters are greyed.
#include "rules/select/chaptercursor.h"
#include "screens/kit/screen.h"

#include <array>

class ClickLabel;
class Panel;
class QPushButton;

class F_KomokuSentaku : public Screen { // F_項目選択
    Q_OBJECT
public:
    explicit F_KomokuSentaku(AppContext &ctx);

    // Controls, named as the screen's design names them; Label2 and Label3 are indexed
    // by chapter, 1 to 60 (element 0 is unused).
    ClickLabel *Label1;                  // the test kind
    ClickLabel *Label4;                  // which block is shown
    std::array<ClickLabel *, kChapterCount + 1> Label2{}; // chapter numbers
    std::array<ClickLabel *, kChapterCount + 1> Label3{}; // chapter names
    ClickLabel *Label9;                  // typed digits, in the colour of the window
    QPushButton *Command1;               // MENU(F1）
    QPushButton *Command2;               // MENU（F2）
    QPushButton *Command3;               // MENU（F3）
    QPushButton *Command5;               // 成績表
    QPushButton *Command6;               // MENUに戻る
    Panel *Picture1;                     // behind the numbers
    Panel *Picture2;                     // behind the names

    ChapterCursor cursor;

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command5_Click();
    void Command6_Click();
    void Label3_Click(int index);
    void Label3_DblClick(int index);

protected:
    bool previewKeyPress(QKeyEvent *event) override;

private:
    void Form_Load();
    void choose(int chapter);
    void showCursor(); // every label from the cursor's state
};
