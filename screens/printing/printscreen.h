#pragma once
// F_印刷_英単語: prints test and answer sheets of the chosen chapter for the word test,
// in four modes (Japanese or English items, in file order or shuffled), one copy or N.
#include "print/wordsheets.h"
#include "screens/kit/screen.h"

#include <array>

class ClickLabel;
class Panel;
class QGroupBox;
class QPushButton;
class QRadioButton;

class F_Insatsu_Eitango : public Screen { // F_印刷_英単語
    Q_OBJECT
public:
    explicit F_Insatsu_Eitango(AppContext &ctx);

    WordSheets sheets;

    Panel *Picture3;                    // behind Label1
    Panel *Picture2;                    // behind Label2
    ClickLabel *Label1;                 // the test name
    ClickLabel *Label2;                 // the chapter line
    ClickLabel *Label4;                 // never given a text
    QGroupBox *Frame1;                  // 印刷モード
    std::array<QRadioButton *, 5> Opt{}; // Opt[1] to Opt[4]
    QPushButton *Command1;              // テスト1枚
    QPushButton *Command2;              // テストＮ枚
    QPushButton *Command3;              // 答え１枚
    QPushButton *Command4;              // 答えＮ枚
    QPushButton *Command7;              // 問題選択画面に戻る
    QPushButton *Command5;              // 項目選択画面に戻る
    QPushButton *Command6;              // MENUに戻る

    void Opt_Click(int index) { sheets.Opt_Click(index); }
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command7_Click() { handOver(ScreenId::QuestionSelect); }
    void Command5_Click() { handOver(ScreenId::ChapterSelect); }
    void Command6_Click() { handOver(ScreenId::Menu); } // TestKind stays as it is

private:
    void Form_Load();
    void JUNBI1();
    void SEKUSHONE();
    bool japaneseItems() const;
    void printOneCopy(void (WordSheets::*sheet)(PrintJob &), const QString &documentName);
    void printCopies(void (WordSheets::*sheet)(PrintJob &), const QString &documentName);
};
