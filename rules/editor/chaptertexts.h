#pragma once
// One chapter's line in the chapter names "LVNAME" or the chapter titles "E1.DAT", as the
// editor changes it: line n belongs to chapter n, every other line is written back as it
// was read, and the file always gets 60 lines.
//
// Whole-line reads, as chapter selection and the score sheet read these files: a comma or
// a double quote in some other chapter's line must not shift or cut the lines after it.
#include <QString>
#include <QStringList>

class DataFolder;

struct ChapterTexts {
    QStringList lines;        // 60 entries, chapter n at n - 1 (empty past the end of the file)
    bool missing = false;     // no such file yet
    QString problem;          // Japanese, names the file; set when missing or not to be rewritten
    QString notice;           // Japanese: the file has lines past the 60th, which a rewrite drops
    bool rewritable() const { return problem.isEmpty() || missing; }
};

ChapterTexts readChapterTexts(const DataFolder &folder, const QString &name);

// Writes the lines with the chapter's line replaced by text (atomically). Refuses, writing
// nothing, a text with a line break or a character code page 932 cannot hold.
// Returns an empty text on success, else a Japanese message.
QString writeChapterText(const DataFolder &folder, const QString &name, const ChapterTexts &file, int chapter,
                         const QString &text);
