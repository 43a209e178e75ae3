#pragma once
// The score sheet, titled 成績表. The colour table of all 60 chapters of one test kind, in file
// order (J) and random order (R); switches between the kinds, resets a kind's scores and prints
// all three kinds.
#include "print/scoresheetprint.h"
#include "rules/results/scoresheet.h"
#include "screens/kit/screen.h"
#include "screens/results/scoretable.h"

#include <QSet>

class ClickLabel;
class Panel;
class PictureBox;
class QPushButton;

class ScoreSheetScreen : public Screen { // 成績表
    Q_OBJECT
public:
    explicit ScoreSheetScreen(AppContext &ctx);

    ScoreSheet sheet;
    ScoreTable table;

    Panel *topBar;         // the top bar
    ClickLabel *kindLabel; // the kind shown, or what is being done
    PictureBox *tableBox;  // the table
    QPushButton *resetButton; // 初期化
    QPushButton *printButton; // 印刷
    QPushButton *englishToJapaneseButton; // ５拓(英→日）
    QPushButton *japaneseToEnglishButton; // ５拓(日→英）
    QPushButton *wordTestButton; // 英単語
    QPushButton *backButton; // MENUに戻る / 項目選択
    QPushButton *RecordButton; // 学習の記録

    void onResetButtonClicked();
    void onPrintButtonClicked();
    void onEnglishToJapaneseButtonClicked() { showKind(1); }
    void onJapaneseToEnglishButtonClicked() { showKind(2); }
    void onWordTestButtonClicked() { showKind(3); }
    void onBackButtonClicked();

    // What the score sheet print shows: every kind's name, the titles and the records in the files.
    ScoreSheetKinds kindsToPrint();

protected:
    bool event(QEvent *event) override;

private:
    void loadScreen();
    void onActivated();
    void windowActivated();
    void showKind(int kind);
    void redrawn();
    void reportProblems();

    QSet<QString> reported_; // files the learner has already been told about
};
