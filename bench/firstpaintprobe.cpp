// Linked into a program for the start-up benchmark: when the program's first window has
// been drawn, writes one line to standard output and ends the process at once. The line holds
// the peak resident memory in kB, the number of shared libraries mapped, and their file names.
// The benchmark times the line's arrival from the program's start.
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStringList>
#include <QTimer>

#include <cstdio>
#include <unistd.h>

namespace {
QStringList mappedLibraries()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    QSet<QString> names;
    if (maps.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : maps.readAll().split('\n')) {
            const int slash = line.indexOf('/');
            const QString path = slash < 0 ? QString() : QString::fromLocal8Bit(line.mid(slash));
            if (path.contains(QLatin1String(".so")))
                names.insert(QFileInfo(path).fileName());
        }
    }
    QStringList sorted(names.begin(), names.end());
    sorted.sort();
    return sorted;
}

long peakResidentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : status.readAll().split('\n')) {
            if (line.startsWith("VmHWM:"))
                return line.mid(6).trimmed().split(' ').value(0).toLong();
        }
    }
    return -1;
}

class FirstPaint final : public QObject {
public:
    bool eventFilter(QObject *, QEvent *event) override
    {
        // Reported once the paint event and the flush that follows it are done.
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            QTimer::singleShot(0, [] {
                const QStringList libraries = mappedLibraries();
                std::printf("%ld %lld %s\n", peakResidentKb(), static_cast<long long>(libraries.size()),
                            qPrintable(libraries.join(u' ')));
                std::fflush(stdout);
                _exit(0);
            });
        }
        return false;
    }

private:
    bool seen_ = false;
};

void watchForFirstPaint() { qApp->installEventFilter(new FirstPaint); }
} // namespace

Q_COREAPP_STARTUP_FUNCTION(watchForFirstPaint)
