#include "app/startup.h"

#include "app/dialogs.h"
#include "content/datafolder.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QSysInfo>
#include <QTranslator>

void loadJapaneseTranslations(QApplication &app)
{
    auto *translator = new QTranslator(&app);
    if (translator->load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(translator);
    else
        delete translator;
}

QString findShippedPath(const QString &relative)
{
    const QDir appDir(QCoreApplication::applicationDirPath());
    for (const QString &candidate : {appDir.filePath(relative), appDir.filePath(QStringLiteral("../share/eitango/") + relative),
                                     appDir.filePath(QStringLiteral("../../share/eitango/") + relative)}) {
        if (QFileInfo::exists(candidate))
            return QDir::cleanPath(candidate);
    }
    return {};
}

namespace {
bool copyTree(const QString &from, const QString &to)
{
    if (!QDir().mkpath(to))
        return false;
    QDirIterator it(from, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    const QDir source(from);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString target = QDir(to).filePath(source.relativeFilePath(path));
        if (it.fileInfo().isDir()) {
            if (!QDir().mkpath(target))
                return false;
        } else if (!QFile::copy(path, target)) {
            return false;
        } else {
            QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
                                              | QFileDevice::ReadOther);
        }
    }
    return true;
}
} // namespace

QString setUpCourse(const QString &bundledE1, const QString &target)
{
    if (bundledE1.isEmpty() || !QFileInfo(bundledE1).isDir())
        return QStringLiteral("付属の教材が見つかりません。プログラムを入れ直してください。");
    if (QFileInfo::exists(target))
        return QStringLiteral("「%1」はすでにあります。上書きはしません。").arg(QDir::toNativeSeparators(target));
    const QString staging = target + QStringLiteral(".setup");
    QDir(staging).removeRecursively();
    if (!copyTree(bundledE1, staging) || !QDir().rename(staging, target)) {
        QDir(staging).removeRecursively();
        return QStringLiteral("教材を「%1」に用意できませんでした。フォルダーに書き込めるか確かめてください。")
            .arg(QDir::toNativeSeparators(target));
    }
    return {};
}

bool ensureDataFolder(Dialogs &dialogs, const QString &dataFolder)
{
    const QFileInfo info(dataFolder);
    if (info.isDir())
        return true;
    const QString where = QDir::toNativeSeparators(info.absoluteFilePath());
    const QString title = QStringLiteral("データフォルダー");
    if (info.exists()) {
        dialogs.inform(nullptr, QStringLiteral("「%1」はフォルダーではありません。プログラムを終了します。").arg(where), title);
        return false;
    }
    const bool setUp = dialogs.choose(
        nullptr,
        QStringLiteral("データフォルダー「%1」が見つかりません。\n付属の教材をここに用意しますか？").arg(where),
        title, QStringLiteral("教材を用意する"), QStringLiteral("終了する"));
    if (!setUp)
        return false;
    const QString problem = setUpCourse(findShippedPath(QStringLiteral("course/E1")), info.absoluteFilePath());
    if (!problem.isEmpty()) {
        dialogs.inform(nullptr, problem + QStringLiteral("\nプログラムを終了します。"), title);
        return false;
    }
    return true;
}

namespace {
// The local socket of the copy that has the folder open, named after the folder.
QString secondStartServerName(const QString &dataFolder)
{
    const QByteArray path = QFileInfo(dataFolder).absoluteFilePath().toUtf8();
    return QStringLiteral("eitango-")
        + QString::fromLatin1(QCryptographicHash::hash(path, QCryptographicHash::Sha1).toHex().left(16));
}
} // namespace

QString dataFolderLockPath(const QString &dataFolder)
{
    return QDir(dataFolder).filePath(QStringLiteral(".eitango.lock"));
}

bool claimDataFolder(Dialogs &dialogs, const QString &dataFolder, QLockFile &lock, const QDateTime &startedAt)
{
    // Held for as long as the program runs: only a lock whose program is gone is stale, never
    // one that is merely old.
    lock.setStaleLockTime(0);
    bool claimed = lock.tryLock(0);
    qint64 pid = 0;
    QString host, app;
    // A lock written on another computer (a folder copied over, a host renamed) can never be
    // seen to be stale here, and would keep the learner out for good: it is taken over.
    if (!claimed && lock.error() == QLockFile::LockFailedError && lock.getLockInfo(&pid, &host, &app)
        && !host.isEmpty() && host != QSysInfo::machineHostName() && lock.removeStaleLockFile())
        claimed = lock.tryLock(0);
    if (!claimed && lock.error() == QLockFile::LockFailedError) {
        QLocalSocket first;
        first.connectToServer(secondStartServerName(dataFolder));
        first.waitForConnected(500);
        dialogs.inform(nullptr,
                       QStringLiteral("このプログラムは、データフォルダー「%1」ですでに開いています。"
                                      "開いているウィンドウを使ってください。\nプログラムを終了します。")
                           .arg(QDir::toNativeSeparators(QFileInfo(dataFolder).absoluteFilePath())),
                       QStringLiteral("データフォルダー"));
        return false;
    }
    DataFolder(dataFolder).sweepLeftovers(startedAt);
    return true;
}

QLocalServer *listenForSecondStarts(const QString &dataFolder, QObject *parent, std::function<void()> bringForward)
{
    const QString name = secondStartServerName(dataFolder);
    QLocalServer::removeServer(name); // left by a copy that crashed: this one holds the lock now
    auto *server = new QLocalServer(parent);
    if (!server->listen(name)) {
        delete server;
        return nullptr;
    }
    QObject::connect(server, &QLocalServer::newConnection, server, [server, bringForward] {
        while (QLocalSocket *call = server->nextPendingConnection())
            call->deleteLater();
        bringForward();
    });
    return server;
}
