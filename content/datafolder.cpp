#include "content/datafolder.h"

#include "content/cp932.h"
#include "content/textreader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

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
