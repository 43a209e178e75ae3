#pragma once
// What chapter selection reads when it opens: the course title "DAIMOKU", the chapter
// names "LVNAME" and both score files of the test kind, and from them which chapters
// are finished. Files that cannot be read leave their part empty and are named in
// `problems`, so that the list still opens.
#include "files/questionbank.h"

#include <QString>
#include <QStringList>
#include <array>

class DataFolder;
struct SharedState;

struct ChapterList {
    QStringList inOrderScores;      // in-order records, chapter n at n - 1 (60 entries)
    QStringList randomScores;       // random-order records (60 entries)
    std::array<bool, kChapterCount> Kanryo{};  // chapter n finished at n - 1
    QStringList problems;           // Japanese, one per file that could not be used
};

// showTitleLines and finishedChapters: fills m.courseTitle and m.chapterNames (names beyond the end of the file
// keep the values they had) and reads the scores of m.TestKind (none for a kind outside
// 1 to 3). A missing score file is quiet: it reads as untested chapters.
ChapterList loadChapterList(const DataFolder &folder, SharedState &m);

// Kanryo: a chapter is finished when it has a name and both its records are above 99.
std::array<bool, kChapterCount> finishedChapters(const std::array<QString, kChapterCount> &names, const QStringList &inOrderRecords,
                                      const QStringList &randomRecords);
