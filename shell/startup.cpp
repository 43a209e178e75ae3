#include "shell/startup.h"

#include "files/datafolder.h"
#include "screens/kit/dialogs.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLockFile>
#include <QSocketNotifier>
#include <QSysInfo>
#include <QTranslator>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

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
// The local socket of the copy that has the folder open, named after the folder, in the
// temporary folder. A plain Unix socket: telling a second start apart from the first needs
// no more than the C library, so no network module is loaded for it.
QByteArray secondStartSocketPath(const QString &dataFolder)
{
    const QByteArray path = QFileInfo(dataFolder).absoluteFilePath().toUtf8();
    const QString name = QStringLiteral("eitango-")
        + QString::fromLatin1(QCryptographicHash::hash(path, QCryptographicHash::Sha1).toHex().left(16));
    return QFile::encodeName(QDir(QDir::tempPath()).filePath(name));
}

bool socketAddress(const QByteArray &path, sockaddr_un &address)
{
    address = sockaddr_un{};
    address.sun_family = AF_UNIX;
    if (size_t(path.size()) >= sizeof(address.sun_path))
        return false;
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    return true;
}

// Asks the copy that has the folder open to bring its window forward: the connection is
// the whole message.
void knockOnFirstCopy(const QString &dataFolder)
{
    sockaddr_un address;
    if (!socketAddress(secondStartSocketPath(dataFolder), address))
        return;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return;
    ::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address);
    ::close(fd);
}

// Whether the lock is held by a copy of this program that is running now on this computer.
// A lock that cannot be read, or one whose process is gone (or is another program that
// got its number since), is nobody's.
bool heldByLiveCopy(const QLockFile &lock)
{
    qint64 pid = 0;
    QString host, app;
    if (!lock.getLockInfo(&pid, &host, &app) || pid <= 0)
        return false;
    if (!host.isEmpty() && host != QSysInfo::machineHostName())
        return false;
    if (::kill(pid_t(pid), 0) != 0 && errno == ESRCH)
        return false;
    QString running = QFileInfo(QStringLiteral("/proc/%1/exe").arg(pid)).symLinkTarget();
    if (running.endsWith(QLatin1String(" (deleted)"))) // the program was updated while it ran
        running.chop(10);
    return running.isEmpty() || app.isEmpty() || QFileInfo(running).fileName() == app;
}

// Keeps the socket file's name to remove it when the listener goes.
class SecondStartListener final : public QObject {
public:
    SecondStartListener(int fd, QByteArray path, QObject *parent)
        : QObject(parent), fd_(fd), path_(std::move(path)), notifier_(fd, QSocketNotifier::Read, this)
    {
    }
    ~SecondStartListener() override
    {
        notifier_.setEnabled(false);
        ::close(fd_);
        ::unlink(path_.constData());
    }
    QSocketNotifier &notifier() { return notifier_; }
    int fd() const { return fd_; }

private:
    int fd_;
    QByteArray path_;
    QSocketNotifier notifier_;
};
} // namespace

QString dataFolderLockPath(const QString &dataFolder)
{
    return QDir(dataFolder).filePath(QStringLiteral(".eitango.lock"));
}

bool claimDataFolder(Dialogs &dialogs, const QString &dataFolder, QLockFile &lock, const QDateTime &startedAt)
{
    if (!lockDataFolder(dialogs, dataFolder, lock))
        return false;
    DataFolder(dataFolder).sweepLeftovers(startedAt);
    return true;
}

bool lockDataFolder(Dialogs &dialogs, const QString &dataFolder, QLockFile &lock)
{
    // Held for as long as the program runs: only a lock whose program is gone is stale, never
    // one that is merely old.
    lock.setStaleLockTime(0);
    bool claimed = lock.tryLock(0);
    if (!claimed && lock.error() == QLockFile::LockFailedError) {
        if (heldByLiveCopy(lock)) {
            knockOnFirstCopy(dataFolder);
            dialogs.inform(nullptr,
                           QStringLiteral("このプログラムは、データフォルダー「%1」ですでに開いています。"
                                          "開いているウィンドウを使ってください。\nプログラムを終了します。")
                               .arg(QDir::toNativeSeparators(QFileInfo(dataFolder).absoluteFilePath())),
                           QStringLiteral("データフォルダー"));
            return false;
        }
        // Nobody's lock: one written on another computer (a folder copied over, a host
        // renamed), a crash's lock, or something unreadable in its place. Taken over when it
        // can be removed.
        if (lock.removeStaleLockFile())
            claimed = lock.tryLock(0);
    }
    // Otherwise the folder is used unlocked, as a read-only folder is (nothing can be saved
    // there to be lost). Where the learner could clear the way, the file in it is named.
    if (!claimed && QFileInfo(dataFolder).isWritable()) {
        dialogs.inform(nullptr,
                       QStringLiteral("ロックファイル「%1」を使えないため、データフォルダーを二重起動の防止なしで開きます。\n"
                                      "このファイル（またはフォルダー）を削除すると、次の起動から防止が働きます。")
                           .arg(QDir::toNativeSeparators(QFileInfo(lock.fileName()).absoluteFilePath())),
                       QStringLiteral("データフォルダー"));
    }
    return true;
}

QObject *listenForSecondStarts(const QString &dataFolder, QObject *parent, std::function<void()> bringForward)
{
    const QByteArray path = secondStartSocketPath(dataFolder);
    sockaddr_un address;
    if (!socketAddress(path, address))
        return nullptr;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return nullptr;
    ::unlink(path.constData()); // left by a copy that crashed: this one holds the lock now
    if (::bind(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0 || ::listen(fd, 8) != 0) {
        ::close(fd);
        return nullptr;
    }
    auto *listener = new SecondStartListener(fd, path, parent);
    QObject::connect(&listener->notifier(), &QSocketNotifier::activated, listener, [listener, bringForward] {
        int call;
        while ((call = ::accept4(listener->fd(), nullptr, nullptr, SOCK_CLOEXEC)) >= 0)
            ::close(call);
        bringForward();
    });
    return listener;
}
