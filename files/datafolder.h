#pragma once
// The learner's data folder "E1": every file the program reads or writes lies in it.
// Names are given with '/' between folders ("T/LEVEL.7"); when the exact name is missing,
// a name that differs only in letter case is used (folders copied from Windows often
// hold "level.7" or "Lvname"). Writes replace a file whole and atomically.
#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <functional>

class DataFolder {
public:
    explicit DataFolder(QString root = QString());

    const QString &root() const { return root_; }
    bool exists() const;

    // The path on disk for a name inside the folder: the existing file, found case-insensitively,
    // or (for a new file) the name under the existing parent folders.
    QString pathOf(const QString &name) const;

    // No data file of a course comes near this size (a question file is a few kilobytes): a
    // larger one is damaged, and is not read at all.
    static constexpr qint64 kMaxFileBytes = 4 * 1024 * 1024;

    struct Read {
        enum Status { Ok, Missing, Failed } status = Missing;
        QByteArray bytes;
        QString problem; // Japanese, names the file; empty when Ok
        bool ok() const { return status == Ok; }
    };
    // Reads regular files only: a folder, a device or a pipe in a file's place, or a file
    // larger than kMaxFileBytes, is Failed (never waited on, never taken whole).
    Read read(const QString &name) const;

    // Writes through a temporary file that replaces the old one only when complete and
    // synced to the disk; the folder is synced after the replacement, so that it lasts
    // through a power cut. Returns an empty text on success, else a Japanese message that
    // names the file.
    QString write(const QString &name, const QByteArray &bytes) const;

    // How write() syncs an open file or folder to the disk (fsync); false on an I/O error.
    // Replaceable, so that a failing disk can be tried.
    using Sync = std::function<bool(int fd)>;
    void setSync(Sync sync) { sync_ = std::move(sync); }

    // Removes what a save cut off by a kill or a power cut leaves behind: the temporary file
    // beside the file it was to replace (its name and six letters, "tenj03.dat.LXzIoN"), in
    // the folder or its question folder, when older than `startedAt`. Nothing else is touched.
    // Returns how many files were removed.
    int sweepLeftovers(const QDateTime &startedAt) const;

    // Text helpers on top: decode code page 932 / encode lines with CR LF.
    // readText() gives the decoded text (empty for a missing file; problem set).
    QString readText(const QString &name, QString *problem = nullptr) const;
    QString writeLines(const QString &name, const QStringList &lines) const;

    // Bytes that are not code page 932 decode as U+FFFD, which no data file holds itself.
    static bool undecodable(const QString &text) { return text.contains(QChar::ReplacementCharacter); }
    // What the learner is told about such a file (Japanese, names the file).
    QString undecodableProblem(const QString &name) const;
    // Japanese text saved as UTF-8 (by a modern editor) is not code page 932: it shows as
    // other characters, or as U+FFFD. True for bytes above 0x7F that are valid UTF-8 throughout.
    static bool looksLikeUtf8(QByteArrayView bytes);
    QString utf8Problem(const QString &name) const;
    // What the learner is told about the characters of a file: that it seems to be UTF-8,
    // else, when undecodable (the part shown holds U+FFFD), the undecodable problem; else empty.
    QString encodingProblem(const QString &name, bool undecodable) const;

    // The name as the learner should see it in messages, e.g. "E1/T/LEVEL.7".
    QString displayName(const QString &name) const;

private:
    QString root_;
    Sync sync_;
};
