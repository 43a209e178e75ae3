#pragma once
// The state every screen shares (and nothing else crosses from one screen to the next),
// and the catalogue of the three test kinds. Everything starts as 0 or empty text and
// lives for the whole run; nothing here is saved.
#include "files/questionbank.h"

#include <QString>
#include <array>

struct SharedState {
    int TestKind = 0;                 // 1 to 3; 0 = none chosen (score sheet opened from the menu)
    std::array<QString, 4> TestName;  // caption of each kind; element 0 stays empty
    std::array<QString, 4> inOrderScoreFile; // in-order score file of each kind, inside the data folder
    std::array<QString, 4> randomScoreFile; // random-order score file of each kind
    std::array<QString, 4> TitleFile; // chapter-title file of each kind
    QString DataDir;                  // "E1/", set by the screens that read data files
    QString courseTitle;              // course title
    std::array<QString, kChapterCount> chapterNames; // chapter names, element n - 1 = chapter n
    int chosenChapter = 0;            // the chosen chapter, 1 to 60 (0 before the first choice)
    int chapterBlock = 0;             // block of 20 chapters shown by chapter selection, 1 to 3
    int RandomMode = 0;               // 0 = in file order (順番), 1 = random (ランダム)
    int WeakMode = 0;                 // 1: the test screen asks the kind's 苦手な問題, not a chapter
    int PrintMode = 0;                // print mode of the print screen, 1 to 4
};

inline const QString kDataDir = QStringLiteral("E1/");

// Fills the catalogue for kinds 1 to 3; runs every time the main menu loads.
void fillTestCatalogue(SharedState &m);

// "No." + the chapter number with its leading blank + U+3000 + the chapter name:
// the chapter line that several screens show.
QString chapterLine(const SharedState &m);

// The decimal text of a number with one leading blank when it is not negative (" 7").
QString withLeadingBlank(int n);
