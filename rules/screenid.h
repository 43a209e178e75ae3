#pragma once

// Every screen of the program; each is a window of its own and only one is shown at a time.
enum class ScreenId {
    Help,            // F_HELP
    Menu,            // F_MENU
    ChapterSelect,   // F_項目選択
    QuestionSelect,  // F_問題選択
    ChoiceTest,      // F_選択問題
    WordTest,        // F_英単語
    ScoreSheet,      // F_成績表
    Note,            // F_NOTE
    PrintWordSheets, // F_印刷_英単語
    Editor,          // F_SAKUSEI
    Record,          // 学習の記録
};
