#pragma once
// The menu, titled 英単語・英作文が身につくソフト: the hub of the program. Chooses a test kind, opens the
// score sheet and the help screen, and links to the program's home page.
#include "screens/kit/screen.h"

#include <array>

class ClickLabel;
class QPushButton;

class MenuScreen : public Screen {
    Q_OBJECT
public:
    explicit MenuScreen(AppContext &ctx);

    QPushButton *choiceEnglishButton; // ５問から選択テスト(英→日）
    QPushButton *choiceJapaneseButton; // ５問から選択テスト(日→英）
    QPushButton *wordTestButton; // 英単語テスト
    QPushButton *helpButton; // 学習ソフトの使用方法
    QPushButton *scoreSheetButton; // テストの成績表
    QPushButton *RecordButton; // 学習の記録
    std::array<ClickLabel *, 2> titleLabels; // the title, white copy behind the red one
    ClickLabel *makerLabel; // the maker's mark
    ClickLabel *decorationLabel; // decoration

    void startTest(int kind); // onChoiceEnglishButtonClicked to onWordTestButtonClicked
    void onHelpButtonClicked();
    void onScoreSheetButtonClicked();
    void openHomePage();      // onTitleLabelsClicked, onMakerLabelClicked

private:
    void loadScreen();
};
