#pragma once

// Every screen of the program; each is a window of its own and only one is shown at a time.
enum class ScreenId {
    Help,            // HelpScreen
    Menu,            // MenuScreen
    ChapterSelect,   // 項目選択
    QuestionSelect,  // 問題選択
    ChoiceTest,      // 選択問題
    WordTest,        // 英単語
    ScoreSheet,      // 成績表
    Note,            // NoteScreen
    PrintWordSheets, // 印刷_英単語
    Editor,          // EditorScreen
    Record,          // 学習の記録
};
