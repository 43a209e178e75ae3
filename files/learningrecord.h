#pragma once
// The learning record: every answer of every pass, one CSV line an answer, in files of the
// program's own beside the score files ("kiroku2026.csv", then "kiroku2026-2.csv" when a
// year's file would outgrow the data file size limit). Code page 932 with CR LF like every
// other file of the folder, so that a spreadsheet on a Japanese desktop opens it as it is.
//
// A line, after the heading line every file starts with:
//   日時,テスト,順序,章,回目,番号,英語,正誤,ヒント,秒,得点,所要秒
//   2026-12-08 18:08:26,3,1,5,1,12,"I get up at six.",1,0,14,80,95
// the local time the pass began; the test kind 1 to 3; the order (0 in order, 1 random, 2 a
// 苦手な問題 pass over the items due again, across chapters, each line with its item's own
// chapter); the chapter; the pass number (1, then 2, 3 for re-tests of the missed items); the item's number
// in the chapter file; the item's English in double quotes (a quote doubled); right 1 or
// wrong 0; hint used 1 or 0; the seconds from the start of the pass to the answer; the score
// of the pass (empty for a pass left before its end); the pass's duration in seconds.
#include "files/datafolder.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The order of a 苦手な問題 pass, whose lines each carry their item's own chapter.
inline constexpr int kWeakOrder = 2;

// When a pass began, as the computer's clock showed it: a date and a time of day, whole
// seconds, with no time zone. The record is read by the days of the calendar, so nothing
// needs the instant; and a time read in another zone, or one a clock set forward for the
// summer skipped, reads as it was written instead of being refused.
class ClockTime {
public:
    ClockTime() = default;
    ClockTime(QDate date, QTime time) : date_(date), time_(QTime(time.hour(), time.minute(), time.second())) {}
    // The date and time a reading of the clock shows in its own time zone (milliseconds dropped).
    explicit ClockTime(const QDateTime &reading) : ClockTime(reading.date(), reading.time()) {}
    QDate date() const { return date_; }
    QTime time() const { return time_; }
    bool isValid() const { return date_.isValid() && time_.isValid(); }
    bool operator==(const ClockTime &) const = default;

private:
    QDate date_;
    QTime time_;
};

// One answer of one pass.
struct AnswerLine {
    ClockTime passStart; // the pass's start
    int kind = 1;        // test kind 1 to 3
    int order = 0;       // 0 in file order (順番), 1 random (ランダム), 2 苦手な問題
    int chapter = 1;     // 1 to 60
    int passNo = 1;      // 1 for the first pass, more for re-tests
    int item = 0;        // the item's number in the chapter file
    QString english;     // the item's English: its history follows it when the item moves
    bool right = false;
    bool hint = false;
    int second = 0;            // from the start of the pass to this answer
    std::optional<int> score;  // the pass's score; none for a pass left unfinished
    int passSeconds = 0;       // how long the pass took

    // The answers of one pass share these.
    bool samePass(const AnswerLine &other) const
    {
        return kind == other.kind && order == other.order && chapter == other.chapter && passNo == other.passNo &&
               passStart == other.passStart;
    }
    bool operator==(const AnswerLine &) const = default;
};

namespace learningrecord {

// The line every record file begins with (code page 932, CR LF).
QByteArray headingLine();
// The line of one answer with its CR LF; empty when the English cannot be written in code page 932.
QByteArray encodeLine(const AnswerLine &line);
// A line without its CR LF; none for the heading line and for anything that is not a whole line.
std::optional<AnswerLine> parseLine(QByteArrayView line);
// The same into a line given; false (the line partly filled) when it is not a whole line.
bool parseInto(QByteArrayView bytes, AnswerLine &line);

// The record as one CSV file for a spreadsheet: the heading line, then every line given.
QByteArray exportCsv(const QList<AnswerLine> &lines);
// Writes bytes to a file outside the data folder (the place the user chose), replaced
// atomically and synced like every save. Returns an empty text or a Japanese message.
QString saveExport(const QString &path, const QByteArray &bytes);

// Record files of a year: part 1 is "kiroku<year>.csv", part n "kiroku<year>-<n>.csv".
QString fileName(int year, int part);
// True for a name of a record file (any letter case).
bool isRecordFileName(const QString &name);

} // namespace learningrecord

// Reads every record file of the data folder.
class LearningRecordReader {
public:
    explicit LearningRecordReader(const DataFolder &folder) : folder_(folder) {}
    explicit LearningRecordReader(DataFolder &&) = delete; // keeps the folder by reference

    struct Result {
        QList<AnswerLine> lines; // in the order of the files (year, part) and of their lines
        int skipped = 0;         // lines cut off by a crash or damaged otherwise
        QStringList problems;    // Japanese, one per file that could not be read at all
    };
    Result readAll() const;
    // The names of the record files present, oldest year and part first.
    QStringList fileNames() const;

private:
    const DataFolder &folder_;
};

// Adds a pass's lines to the record, and clears it.
class LearningRecordWriter {
public:
    explicit LearningRecordWriter(const DataFolder &folder) : folder_(folder) {}
    explicit LearningRecordWriter(DataFolder &&) = delete; // keeps the folder by reference

    // No record file grows past this many bytes.
    void setFileLimit(qint64 bytes) { limit_ = bytes; }

    // Adds the lines to the file of their pass's year (the file read, the lines added, the
    // whole written through the folder's save). A full or unreadable file is left as it is
    // and the next part of the year is used. Returns an empty text or a Japanese message.
    QString append(const QList<AnswerLine> &lines) const;
    // Removes every record file. Returns an empty text or a Japanese message.
    QString clear() const;
    // Removes the lines of one test kind (with the kind's scores); the other lines stay as
    // they are, damaged ones too. Returns an empty text or a Japanese message.
    QString clearKind(int kind) const;

private:
    QString appendYear(int year, const QByteArray &bytes) const;

    const DataFolder &folder_;
    qint64 limit_ = DataFolder::kMaxFileBytes;
};
