#pragma once

// Every screen of the program; each is a window of its own and only one is shown at a time.
enum class ScreenId {
    Help,            // HelpScreen (HELP)
    Menu,            // MenuScreen
    ChapterSelect,   // ChapterSelectScreen (項目選択)
    QuestionSelect,  // QuestionSelectScreen (問題選択)
    ChoiceTest,      // ChoiceTestScreen (選択問題)
    WordTest,        // WordTestScreen (英単語テスト)
    ScoreSheet,      // ScoreSheetScreen (成績表)
    Note,            // NoteScreen (ノート)
    PrintWordSheets, // PrintScreen (印刷)
    Editor,          // EditorScreen (新規＆修正)
    Record,          // RecordScreen (学習の記録)
};
