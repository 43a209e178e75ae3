#pragma once
// Score records: one file of 60 lines per test kind and order ("tenj" in file order,
// "tenr" in random order). A record is empty, "0" to "99", "100", or 100 plus the number
// of further full-mark passes ("101", "102", ...), held at most at 32767.
#include <QString>
#include <QStringList>
#include <optional>

class DataFolder;

inline constexpr int kScoreRecordMax = 32767;

// The leading decimal number of a stored text; empty or non-numeric text counts as 0.
// "79.5" gives 79.5, "12abc" 12, "-5" -5; a number too large for a double gives the largest one.
double numericValue(QStringView text);

struct ScoreFile {
    QStringList records;  // always 60 entries, record of chapter n at n - 1
    QString problem;      // Japanese message when the file was missing, unreadable or short
    bool missing = false;
    bool unreadable = false; // exists but could not be read: must not be overwritten
    bool undecodable = false; // holds bytes that are not code page 932: must not be overwritten either
};

// Read all: 60 field reads. A missing file reads as 60 empty records.
ScoreFile readScores(const DataFolder &folder, const QString &fileName);

// The update rule: the records after a first pass with score S on the chapter,
// or nothing when the file is not to be written.
std::optional<QStringList> updatedScores(const QStringList &records, int chapter, int score);

// A chapter is finished when both its in-order and random records are above 99.
bool isFinished(const QString &inOrderRecord, const QString &randomRecord);

// Writes the 60 records as 60 lines (atomically); returns an empty text or a Japanese message.
QString writeScores(const DataFolder &folder, const QString &fileName, const QStringList &records);

// Clear: 60 empty lines to the in-order file, then to the random file.
QString clearScores(const DataFolder &folder, const QString &inOrderFile, const QString &randomFile);

// Read, apply the update rule and write when it changes: what a test does at the end of
// its first pass. Returns an empty text when all went well (also when nothing had to change).
QString storeScore(const DataFolder &folder, const QString &fileName, int chapter, int score);
