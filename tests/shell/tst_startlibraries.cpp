// What the program's start loads: neither the CUPS library (with GnuTLS, Kerberos, Avahi) nor
// Qt Network, until something is printed or a second copy of the program knocks, nor the English
// word list, until a typed answer is judged wrong.
#include "print/qtprinter.h"
#include "shell/startup.h"
#include "support/testapp.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QTest>

namespace {
const QStringList kNotAtStart = {QStringLiteral("libcups.so"), QStringLiteral("libQt6Network.so"),
                                 QStringLiteral("libQt6PrintSupport.so"), QStringLiteral("libhunspell")};

// The file names of the shared libraries this process has mapped.
QStringList mappedHere()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        return {};
    QStringList names;
    for (const QByteArray &line : maps.readAll().split('\n')) {
        const qsizetype slash = line.indexOf('/');
        if (slash >= 0)
            names.append(QFileInfo(QString::fromLocal8Bit(line.mid(slash))).fileName());
    }
    return names;
}

QStringList unwanted(const QStringList &libraries)
{
    QStringList found;
    for (const QString &name : libraries) {
        for (const QString &prefix : kNotAtStart) {
            if (name.startsWith(prefix))
                found.append(name);
        }
    }
    return found;
}
} // namespace

class TestStartLibraries : public QObject {
    Q_OBJECT
private slots:
    // The program itself, started on a data folder, up to its first window drawn.
    void theProgramsFirstScreenLoadsNoPrintingOrNetwork()
    {
        TestCourse course;
        course.writeStandard();
        QProcess program;
        program.setWorkingDirectory(QFileInfo(course.root()).path());
        program.start(QStringLiteral(EITANGO_FIRSTPAINT), {});
        QVERIFY(program.waitForFinished(60000));
        // The probe's line: peak memory, the number of libraries, their names.
        const QStringList line = QString::fromLocal8Bit(program.readAllStandardOutput()).trimmed().split(u' ');
        QVERIFY2(line.size() > 3, qPrintable(line.join(u' ')));
        const QStringList libraries = line.mid(2);
        QVERIFY(libraries.contains(QStringLiteral("libQt6Widgets.so.%1").arg(QString::fromLatin1(qVersion()))));
        QCOMPARE(unwanted(libraries), QStringList());
    }

    // In this process: a second start knocks without Qt Network; the first print loads CUPS.
    void aKnockLoadsNothingAndAPrintLoadsCups()
    {
        QCOMPARE(unwanted(mappedHere()), QStringList());
        TestApp app;
        app.start(ScreenId::Help);
        int asked = 0;
        QObject owner;
        QLockFile first(dataFolderLockPath(app.course.root())), second(dataFolderLockPath(app.course.root()));
        QVERIFY(claimDataFolder(app.dialogs, app.course.root(), first, QDateTime::currentDateTime()));
        QVERIFY(listenForSecondStarts(app.course.root(), &owner, [&] { ++asked; }));
        QVERIFY(!claimDataFolder(app.dialogs, app.course.root(), second, QDateTime::currentDateTime()));
        QTRY_COMPARE_WITH_TIMEOUT(asked, 1, 5000);
        QCOMPARE(unwanted(mappedHere()), QStringList());

        // No print server here: the library is loaded all the same, and says so.
        QTemporaryDir dir;
        qputenv("CUPS_SERVER", QFile::encodeName(dir.filePath(QStringLiteral("no-server"))));
        QVERIFY(!QtPrinterProvider().findDefaultPrinter().problem.isEmpty());
        QVERIFY(!unwanted(mappedHere()).filter(QStringLiteral("libcups.so")).isEmpty());
    }
};

QTEST_MAIN(TestStartLibraries)
#include "tst_startlibraries.moc"
