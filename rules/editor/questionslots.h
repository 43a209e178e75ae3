#pragma once
// The question file of a chapter as the editor holds it: 50 record slots of three lines.
// Slot i is lines 3i-2 to 3i of the file, whatever they hold, also past the end marker, so
// that saving writes back what the editor did not touch (a file the editor wrote holds
// blank lines there). The question count is the one readChapter gives.
#include "files/questionbank.h"

#include <QList>
#include <QString>

class DataFolder;

struct ChapterSlots {
    QList<Question> records;      // always kMaxQuestions entries; slot i is records[i - 1]
    int questionCount = 0;      // Q_Total: records before the end marker
    bool missing = false;       // there is no such file yet: the slots start as a new, empty chapter
    bool unreadable = false;    // the file exists but could not be read: it must not be replaced
    QString problem;            // Japanese, names the file: why it was missing or unreadable
    int markerAddedAt = 0;      // the file ended without its marker: the slot given a "*" (0 = none)
    bool undecodable = false;   // bytes that are not code page 932 (shown as U+FFFD)
    bool utf8 = false;          // the file seems to be saved as UTF-8
    bool linesDropped = false;  // text past line 150, which a save does not keep
    int longLine = 0;           // the first line longer than kMaxLineLength (0 = none): not to be saved
};

ChapterSlots readChapterSlots(const DataFolder &folder, int chapter);

// What a save writes over a file that may have changed since the editor read it: the slots
// as they are now, but where the learner changed a slot since `base` (what the editor began
// with, or last saved), the learner's.
QList<Question> mergedSlots(const QList<Question> &now, const QList<Question> &base, const QList<Question> &edited);

// The 150 lines of the file: slot 1 to 50, three lines each.
QStringList slotLines(const QList<Question> &records);

// The question count that reading the saved slots back gives.
int questionCountOf(const QList<Question> &records);

// Writes the 150 lines (atomically). Refuses, writing nothing, when a text cannot be held
// by code page 932 or holds a line break; the message names the slot, the line and the
// character. Returns an empty text on success.
QString writeChapterSlots(const DataFolder &folder, int chapter, const QList<Question> &records);
