#include "content/datafolder.h"

#include "content/cp932.h"
#include "content/textreader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

#include <algorithm>

DataFolder::DataFolder(QString root) : root_(std::move(root)) {}

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
    QFile file(path);
    if (info.isDir() || !file.open(QIODevice::ReadOnly)) {
        result.status = Read::Failed;
        result.problem = QStringLiteral("ファイル「%1」を読み込めません。").arg(displayName(name));
        return result;
    }
    result.bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        result.status = Read::Failed;
        result.bytes.clear();
        result.problem = QStringLiteral("ファイル「%1」を読み込めません。").arg(displayName(name));
        return result;
    }
    result.status = Read::Ok;
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
    if (!file.commit())
        return failed;
    return {};
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
