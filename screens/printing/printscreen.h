#pragma once
// The print screen, titled 英単語（印刷）: prints test and answer sheets of the chosen chapter for the
// word test, in four modes (Japanese or English items, in file order or shuffled), one copy or
// N.
#include "print/wordsheets.h"
#include "screens/kit/screen.h"

#include <array>

class ClickLabel;
class Panel;
class QGroupBox;
class QPushButton;
class QRadioButton;

class PrintScreen : public Screen {
    Q_OBJECT
public:
    explicit PrintScreen(AppContext &ctx);

    WordSheets sheets;

    Panel *testNamePanel;                    // behind testNameLabel
    Panel *chapterPanel;                    // behind chapterLabel
    ClickLabel *testNameLabel;                 // the test name
    ClickLabel *chapterLabel;                 // the chapter line
    ClickLabel *blankLabel;                 // never given a text
    QGroupBox *modeGroup;                  // 印刷モード
    std::array<QRadioButton *, 5> modeButtons{}; // modeButtons[1] to modeButtons[4]
    QPushButton *oneTestButton;              // テスト1枚
    QPushButton *testCopiesButton;              // テストＮ枚
    QPushButton *oneAnswerButton;              // 答え１枚
    QPushButton *answerCopiesButton;              // 答えＮ枚
    QPushButton *questionSelectButton;              // 問題選択画面に戻る
    QPushButton *chapterSelectButton;              // 項目選択画面に戻る
    QPushButton *menuButton;              // MENUに戻る

    void onModeButtonClicked(int index) { sheets.chooseMode(index); }
    void onOneTestButtonClicked();
    void onTestCopiesButtonClicked();
    void onOneAnswerButtonClicked();
    void onAnswerCopiesButtonClicked();
    void onQuestionSelectButtonClicked() { handOver(ScreenId::QuestionSelect); }
    void onChapterSelectButtonClicked() { handOver(ScreenId::ChapterSelect); }
    void onMenuButtonClicked() { handOver(ScreenId::Menu); } // TestKind stays as it is

private:
    void loadScreen();
    void showTitleLines();
    void readChapterToPrint();
    bool japaneseItems() const;
    void printOneCopy(void (WordSheets::*sheet)(PrintJob &), const QString &documentName);
    void printCopies(void (WordSheets::*sheet)(PrintJob &), const QString &documentName);
};
