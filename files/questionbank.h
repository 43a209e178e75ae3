#pragma once
// The question file of one chapter ("T/LEVEL." and the chapter number): records of three
// lines (English, Japanese, a third line carried along), at most 50, ended by a record
// whose first line is exactly "*".
#include <QList>
#include <QString>

class DataFolder;

inline constexpr int kChapterCount = 60;
inline constexpr int kMaxQuestions = 50;
// The longest line the program shows, edits or takes as an answer (what a text box holds).
inline constexpr int kMaxLineLength = 32767;

struct Question {
    QString eng;
    QString jpn;
    QString third;
    bool operator==(const Question &) const = default;
};

// The result of readChapter, the one reader every screen uses.
struct ChapterQuestions {
    QList<Question> items;  // record i is items[i - 1]; items.size() is Q_Total
    bool endedByMarker = false;
    bool ranShort = false;   // the file ended before its marker and before 50 records
    bool undecodable = false; // bytes that are not code page 932, shown as U+FFFD
    int longLine = 0;        // the first line of the file longer than kMaxLineLength, which is cut there
    QString problem;         // Japanese message when the file is missing or unreadable
    bool readable() const { return problem.isEmpty(); }
};

// "T/LEVEL.7" for chapter 7: the number in decimal without leading zeros or blanks.
QString levelFileName(int chapter);

// Reads the records of a decoded question file, as far as they go.
ChapterQuestions parseQuestions(const QString &text);

// readChapter: reads the question file of the chapter from the data folder. Lines longer than
// kMaxLineLength are cut to that length.
ChapterQuestions readChapter(const DataFolder &folder, int chapter);

// What the learner is told about a chapter file that was read but is not as it should be:
// it ends before its end marker, it holds bytes that are not code page 932, or a line was
// too long. use says
// what the screen does with the questions read, after "読めた N 問" ("を表示します。");
// empty when there is nothing to tell.
QString readingNotice(const DataFolder &folder, int chapter, const ChapterQuestions &questions, const QString &use);
