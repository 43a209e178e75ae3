#pragma once
// Chapter selection, titled with the course title and （項目選択）: the 60 chapters of the current
// test in three blocks of 20. The learner moves the highlight with the mouse, the arrows, Space
// or two typed digits, and chooses a chapter with a double click or Enter; finished chapters
// are greyed.
#include "rules/select/chaptercursor.h"
#include "screens/kit/screen.h"

#include <array>

class ClickLabel;
class Panel;
class QPushButton;

class ChapterSelectScreen : public Screen { // 項目選択
    Q_OBJECT
public:
    explicit ChapterSelectScreen(AppContext &ctx);

    // Controls; chapterNumbers and chapterNames are indexed
    // by chapter, 1 to 60 (element 0 is unused).
    ClickLabel *testKindLabel;           // the test kind
    ClickLabel *blockLabel;              // which block is shown
    std::array<ClickLabel *, kChapterCount + 1> chapterNumbers{}; // chapter numbers
    std::array<ClickLabel *, kChapterCount + 1> chapterNames{}; // chapter names
    ClickLabel *typedDigits;             // typed digits, in the colour of the window
    QPushButton *firstBlockButton;       // MENU(F1）
    QPushButton *secondBlockButton;      // MENU（F2）
    QPushButton *thirdBlockButton;       // MENU（F3）
    QPushButton *scoreSheetButton;       // 成績表
    QPushButton *menuButton;             // MENUに戻る
    Panel *numbersPanel;                 // behind the numbers
    Panel *namesPanel;                   // behind the names

    ChapterCursor cursor;

    void onFirstBlockButtonClicked();
    void onSecondBlockButtonClicked();
    void onThirdBlockButtonClicked();
    void onScoreSheetButtonClicked();
    void onMenuButtonClicked();
    void onChapterNameClicked(int index);
    void onChapterNameDoubleClicked(int index);

protected:
    bool previewKeyPress(QKeyEvent *event) override;

private:
    void loadScreen();
    void choose(int chapter);
    void showCursor(); // every label from the cursor's state
};
