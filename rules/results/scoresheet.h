#pragma once
// 成績表's state and its file work: the chapter titles and the two score records of every
// chapter for the kind shown, and the reset of a kind's scores.
#include "files/questionbank.h"

#include <QList>
#include <QString>
#include <array>

struct SharedState;
class DataFolder;

// A file that could not be read as it should; the screen tells the learner once per file.
struct FileProblem {
    QString file;
    QString message;
};

class ScoreSheet {
public:
    ScoreSheet(const SharedState &M, const DataFolder &data);

    int SheetKind = 1;                  // the test kind shown, 1 to 3
    std::array<QString, kChapterCount + 1> TitleLine;  // title of chapter n at n (element 0 unused)
    std::array<QString, kChapterCount + 1> inOrderScores; // in-order score text of chapter n
    std::array<QString, kChapterCount + 1> randomScores; // random-order score text of chapter n
    QString ResetName;                  // the test name the reset message shows
    int RowNo = 0;                      // the chapter the cell routines work on

    void readTitles();  // titles of SheetKind, line by line; a short file leaves the rest as they are
    void clearTitles(); // all 60 titles empty
    void loadKindScores(); // the 60 records of both score files of SheetKind; missing ones empty
    // The 60 records of both score files of a kind, read into the arrays given (the sheet's
    // own stay as they are); problems are kept as loadKindScores keeps them.
    void readKindScores(int kind, std::array<QString, kChapterCount + 1> &inOrderRecords,
                        std::array<QString, kChapterCount + 1> &randomRecords);
    // Both score files of SheetKind become 60 empty lines; empty text, or what went wrong.
    QString clearKindScores();
    void ProNo1() { selectKind(1); }
    void ProNo2() { selectKind(2); }
    void ProNo3() { selectKind(3); }

    // The problems the reads met since the last call.
    QList<FileProblem> takeProblems();

private:
    void selectKind(int kind);
    void loadScores(const QString &file, std::array<QString, kChapterCount + 1> &into);

    const SharedState &M;
    const DataFolder &data;
    QList<FileProblem> problems_;
};
