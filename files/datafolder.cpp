#include "files/datafolder.h"

#include "files/cp932.h"
#include "files/textreader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStringDecoder>

#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

DataFolder::DataFolder(QString root) : root_(std::move(root)), sync_([](int fd) { return ::fsync(fd) == 0; }) {}

bool DataFolder::exists() const
{
    return !root_.isEmpty() && QFileInfo(root_).isDir();
}

namespace {
// One path component inside dir: the exact name if present, else a case-insensitive match.
QString findEntry(const QDir &dir, const QString &entry)
{
    if (QFileInfo::exists(dir.filePath(entry)))
        return entry;
    const QStringList all = dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    for (const QString &candidate : all) {
        if (candidate.compare(entry, Qt::CaseInsensitive) == 0)
            return candidate;
    }
    return entry;
}
} // namespace

QString DataFolder::pathOf(const QString &name) const
{
    const QStringList parts = name.split(u'/', Qt::SkipEmptyParts);
    QString path = root_;
    for (const QString &part : parts) {
        const QString found = findEntry(QDir(path), part);
        path = QDir(path).filePath(found);
    }
    return path;
}

QString DataFolder::displayName(const QString &name) const
{
    return QFileInfo(root_).fileName() + u'/' + name;
}

namespace {
const QString kNotAFile = QStringLiteral("普通のファイルではありません。");

// Reads to the end of the file, but not past `limit` + 1 bytes (to see a file that grew
// beyond the limit). `expected` is the size the file had.
bool readUpTo(int fd, qint64 expected, qsizetype limit, QByteArray &bytes)
{
    bytes.resize(qsizetype(expected) + 1);
    qsizetype done = 0;
    for (;;) {
        if (done == bytes.size()) {
            if (done > limit)
                break;
            bytes.resize(std::min(2 * done, limit + 1));
        }
        const ssize_t n = ::read(fd, bytes.data() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            break;
        done += n;
    }
    bytes.resize(done);
    return true;
}

// The bytes of a regular file of at most DataFolder::kMaxFileBytes; else false, and `why`
// says what is wrong with the file when that is known. Opened without blocking: a pipe put
// in the file's place after the check must not stop the program in open().
bool readRegularFile(const QString &path, QByteArray &bytes, QString &why)
{
    const QString tooLarge = QStringLiteral("大きすぎます（%1 MBを超えています）。").arg(DataFolder::kMaxFileBytes / (1024 * 1024));
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat st {};
    bool ok = ::fstat(fd, &st) == 0;
    if (ok && !S_ISREG(st.st_mode))
        why = kNotAFile;
    else if (ok && st.st_size > DataFolder::kMaxFileBytes)
        why = tooLarge;
    else if (ok)
        ok = readUpTo(fd, st.st_size, DataFolder::kMaxFileBytes, bytes);
    if (ok && bytes.size() > DataFolder::kMaxFileBytes)
        why = tooLarge;
    ::close(fd);
    ok = ok && why.isEmpty();
    if (!ok)
        bytes.clear();
    return ok;
}
} // namespace

DataFolder::Read DataFolder::read(const QString &name) const
{
    Read result;
    const QString path = pathOf(name);
    QFileInfo info(path);
    if (!info.exists()) {
        result.status = Read::Missing;
        result.problem = QStringLiteral("ファイル「%1」が見つかりません。").arg(displayName(name));
        return result;
    }
    result.status = Read::Failed;
    result.problem = QStringLiteral("ファイル「%1」を読み込めません。").arg(displayName(name));
    if (info.isDir())
        return result;
    // Checked before opening too: a pipe is then never opened at all.
    QString why;
    if (!info.isFile())
        why = kNotAFile;
    if (!why.isEmpty() || !readRegularFile(path, result.bytes, why)) {
        result.problem += why;
        return result;
    }
    result.status = Read::Ok;
    result.problem.clear();
    return result;
}

QString DataFolder::write(const QString &name, const QByteArray &bytes) const
{
    const QString failed = QStringLiteral("ファイル「%1」に書き込めませんでした。元のファイルはそのまま残っています。")
                               .arg(displayName(name));
    QSaveFile file(pathOf(name));
    if (!file.open(QIODevice::WriteOnly))
        return failed;
    // The buffer is flushed here, not left to commit(): commit() does not look at how the
    // last flush went, and would put a file cut short by a full disk in place of the old one.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        file.cancelWriting();
        return failed;
    }
    // commit() syncs too, but does not look at the result: an I/O error there would put a
    // file that never reached the disk in place of the old one.
    if (!sync_(int(file.handle()))) {
        file.cancelWriting();
        return failed;
    }
    if (!file.commit())
        return failed;
    // The new name is an entry of the folder: until the folder reaches the disk, a power cut
    // can bring the old file back. The file is in place by now, whatever this gives.
    const int folder = ::open(QFile::encodeName(QFileInfo(file.fileName()).absolutePath()).constData(),
                              O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        sync_(folder);
        ::close(folder);
    }
    return {};
}

int DataFolder::sweepLeftovers(const QDateTime &startedAt) const
{
    // The files the program saves, and the six random letters QSaveFile adds to the name.
    static const QRegularExpression leftover(
        QStringLiteral("^(lvname|e1\\.dat|ten[jr]\\d\\d\\.dat|level\\.\\d{1,2}|kiroku\\d{4}(?:-\\d{1,3})?\\.csv)\\.([a-z]{6})$"),
        QRegularExpression::CaseInsensitiveOption);
    int removed = 0;
    for (const QString &folder : {root_, pathOf(QStringLiteral("T"))}) {
        const QFileInfoList files = QDir(folder).entryInfoList(QDir::Files | QDir::Hidden | QDir::NoSymLinks);
        for (const QFileInfo &file : files) {
            const QRegularExpressionMatch match = leftover.match(file.fileName());
            if (!match.hasMatch() || file.lastModified() >= startedAt)
                continue;
            // The letters are random in either case: a suffix in one case only, or a capital and
            // then small letters, is more likely a word ("LVNAME.backup", "E1.DAT.Backup"),
            // someone's own copy.
            const QString letters = match.captured(2);
            const QString rest = letters.mid(1);
            if (letters == letters.toLower() || letters == letters.toUpper()
                || (letters[0].isUpper() && rest == rest.toLower()))
                continue;
            removed += QFile::remove(file.filePath());
        }
    }
    return removed;
}

QString DataFolder::undecodableProblem(const QString &name) const
{
    return QStringLiteral("ファイル「%1」にShift_JISとして読めない文字があります。その文字は「\uFFFD」で表示します。")
        .arg(displayName(name));
}

bool DataFolder::looksLikeUtf8(QByteArrayView bytes)
{
    const bool beyondAscii = std::any_of(bytes.begin(), bytes.end(), [](char c) { return uchar(c) > 0x7F; });
    if (!beyondAscii)
        return false;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = utf8(bytes); // decoding is what tells whether the bytes are UTF-8
    return !utf8.hasError();
}

QString DataFolder::utf8Problem(const QString &name) const
{
    return QStringLiteral("ファイル「%1」はShift_JISではなくUTF-8で保存されているようです。日本語が正しく表示されません。"
                          "Shift_JIS（コードページ932）で保存し直してください。")
        .arg(displayName(name));
}

QString DataFolder::encodingProblem(const QString &name, bool undecodable) const
{
    const Read raw = read(name);
    if (raw.ok() && looksLikeUtf8(raw.bytes))
        return utf8Problem(name);
    return undecodable ? undecodableProblem(name) : QString();
}

QString DataFolder::readText(const QString &name, QString *problem) const
{
    const Read r = read(name);
    if (problem)
        *problem = r.problem;
    return cp932::decode(r.bytes);
}

QString DataFolder::writeLines(const QString &name, const QStringList &lines) const
{
    const cp932::EncodeResult encoded = cp932::encode(joinLinesCrLf(lines));
    if (!encoded.ok()) {
        return QStringLiteral("%1 はShift_JIS（コードページ932）で保存できない文字です。ファイル「%2」は書き換えていません。")
            .arg(cp932::describeCharacter(*encoded.badCharacter), displayName(name));
    }
    return write(name, encoded.bytes);
}
