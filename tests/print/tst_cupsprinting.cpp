// Printing test sheets on a real print queue: a CUPS server of the test's own (private
// socket and configuration, torn down at the end) with a cups-pdf printer as the default.
// The queue is paused, so that the jobs stay in its spool where the test can look at them
// and the backend writes nothing outside the test's folder.
#include "print/qtprinter.h"
#include "screens/printing/printscreen.h"
#include "support/pdffile.h"
#include "support/testapp.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <cups/cups.h>
#include <csignal>
#include <sys/prctl.h>
#include <unistd.h>

namespace {
const QString kQueue = QStringLiteral("eitango-pdf");
const QString kPpd = QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd");
const QString kBackend = QStringLiteral("/usr/lib/cups/backend/cups-pdf");

QString tool(const QString &name)
{
    QString path = QStandardPaths::findExecutable(name);
    return path.isEmpty() ? QStandardPaths::findExecutable(name, {QStringLiteral("/usr/sbin"), QStringLiteral("/sbin")}) : path;
}

// Runs a CUPS command-line tool against the test's server; its error output when it failed.
QString admin(const QString &name, const QStringList &args)
{
    QProcess p;
    p.start(tool(name), args);
    if (!p.waitForFinished(20000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return name + QStringLiteral(": ") + QString::fromLocal8Bit(p.readAllStandardError());
    return QString();
}

struct QueuedJob {
    int id = 0;
    int copies = 1;
};

// This user's jobs on the queue, oldest first, with the copy count each asked for.
QList<QueuedJob> queuedJobs()
{
    ipp_t *request = ippNewRequest(IPP_OP_GET_JOBS);
    const QByteArray uri = "ipp://localhost/printers/" + kQueue.toUtf8();
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri.constData());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "which-jobs", nullptr, "all");
    static const char *const wanted[] = {"job-id", "copies"};
    ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", 2, nullptr, wanted);
    ipp_t *response = cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/");
    QList<QueuedJob> jobs;
    QueuedJob job;
    // Each job is a group of attributes, in any order; groups are parted by a nameless one.
    for (ipp_attribute_t *a = ippFirstAttribute(response);; a = ippNextAttribute(response)) {
        const char *name = a ? ippGetName(a) : nullptr;
        if (!name) {
            if (job.id > 0)
                jobs.append(job);
            job = QueuedJob();
            if (!a)
                break;
        } else if (ippGetGroupTag(a) == IPP_TAG_JOB && qstrcmp(name, "job-id") == 0) {
            job.id = ippGetInteger(a, 0);
        } else if (ippGetGroupTag(a) == IPP_TAG_JOB && qstrcmp(name, "copies") == 0) {
            job.copies = ippGetInteger(a, 0);
        }
    }
    ippDelete(response);
    std::sort(jobs.begin(), jobs.end(), [](const QueuedJob &a, const QueuedJob &b) { return a.id < b.id; });
    return jobs;
}
} // namespace

class TestCupsPrinting : public QObject {
    Q_OBJECT

    QTemporaryDir server_{QDir::tempPath() + QStringLiteral("/eitango-cups-XXXXXX")};
    QProcess cupsd_;

    QString serverFile(const QString &name) const { return server_.filePath(name); }

private slots:
    void initTestCase()
    {
        for (const QString &name : {QStringLiteral("cupsd"), QStringLiteral("lpadmin"), QStringLiteral("cupsreject")}) {
            if (tool(name).isEmpty())
                QSKIP(qPrintable(name + QStringLiteral(" is not installed (Debian packages cups, printer-driver-cups-pdf): "
                                                       "printing on a real print queue is not tested")));
        }
        if (!QFile::exists(kPpd) || !QFile::exists(kBackend))
            QSKIP("the cups-pdf printer driver is not installed (Debian package printer-driver-cups-pdf): "
                  "printing on a real print queue is not tested");

        QVERIFY(server_.isValid());
        for (const QString &dir : {"spool/tmp", "cache", "state", "log", "ppd"})
            QVERIFY(QDir(server_.path()).mkpath(dir));
        const QString root = server_.path();
        QFile files(serverFile(QStringLiteral("cups-files.conf")));
        QVERIFY(files.open(QIODevice::WriteOnly));
        files.write(QStringLiteral("ServerRoot %1\nRequestRoot %1/spool\nTempDir %1/spool/tmp\nCacheDir %1/cache\n"
                                   "StateDir %1/state\nAccessLog %1/log/access_log\nErrorLog %1/log/error_log\n"
                                   "PageLog %1/log/page_log\nFileDevice Yes\n")
                        .arg(root)
                        .toUtf8());
        files.close();
        QFile conf(serverFile(QStringLiteral("cupsd.conf")));
        QVERIFY(conf.open(QIODevice::WriteOnly));
        conf.write(QStringLiteral("Listen %1/cups.sock\nLogLevel warn\nBrowsing No\nWebInterface No\n"
                                  "DefaultAuthType None\n<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                                  // Anyone may set up the queue: the tests need not run as root.
                                  "<Policy default>\n  <Limit All>\n    Order deny,allow\n  </Limit>\n</Policy>\n")
                       .arg(root)
                       .toUtf8());
        conf.close();

        // The server goes with the test, even when the test dies.
        cupsd_.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
        cupsd_.start(tool(QStringLiteral("cupsd")), {QStringLiteral("-f"), QStringLiteral("-c"), conf.fileName(),
                                                     QStringLiteral("-s"), files.fileName()});
        QVERIFY2(cupsd_.waitForStarted(10000), qPrintable(cupsd_.errorString()));
        const QString socket = serverFile(QStringLiteral("cups.sock"));
        for (int waited = 0; waited < 100 && !QFile::exists(socket) && cupsd_.state() == QProcess::Running; ++waited)
            QThread::msleep(100);
        QVERIFY2(QFile::exists(socket), cupsd_.readAllStandardError().constData());

        // Every request of this process, Qt's included, goes to the test's server.
        qputenv("CUPS_SERVER", socket.toUtf8());
        qputenv("LPDEST", kQueue.toUtf8());
        qunsetenv("PRINTER");
        // A server not started by root cannot run the cups-pdf backend (it is root's alone);
        // there the queue keeps the cups-pdf driver on a file device. Paused, it sends
        // nothing to either.
        const QString device = geteuid() == 0 ? QStringLiteral("cups-pdf:/") : QStringLiteral("file:///dev/null");
        QString problem = admin(QStringLiteral("lpadmin"), {QStringLiteral("-p"), kQueue, QStringLiteral("-E"), QStringLiteral("-v"),
                                                            device, QStringLiteral("-P"), kPpd});
        if (problem.isEmpty())
            problem = admin(QStringLiteral("lpadmin"), {QStringLiteral("-d"), kQueue});
        if (problem.isEmpty())
            problem = admin(QStringLiteral("cupsdisable"), {kQueue});
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
    }

    void cleanupTestCase()
    {
        if (cupsd_.state() == QProcess::NotRunning)
            return;
        cupsd_.terminate();
        if (!cupsd_.waitForFinished(10000)) {
            cupsd_.kill();
            cupsd_.waitForFinished(5000);
        }
    }

    void sheetsGoToTheQueueOrAreOfferedAsPdf_data()
    {
        QTest::addColumn<bool>("nCopies");
        QTest::addColumn<bool>("accepting");
        QTest::addColumn<int>("copies");
        QTest::newRow("one test sheet") << false << true << 1;
        QTest::newRow("three test sheets") << true << true << 3;
        QTest::newRow("a queue that refuses jobs") << false << false << 0;
    }
    void sheetsGoToTheQueueOrAreOfferedAsPdf()
    {
        QFETCH(bool, nCopies);
        QFETCH(bool, accepting);
        QFETCH(int, copies);
        if (!accepting)
            QVERIFY(admin(QStringLiteral("cupsreject"), {kQueue}).isEmpty());
        const auto reopen = qScopeGuard([] { admin(QStringLiteral("cupsaccept"), {kQueue}); });

        TestApp app;
        QtPrinterProvider printers;
        app.ctx.printers = &printers;
        QCOMPARE(printers.defaultPrinterName(), kQueue);
        app.ctx.state.TestKind = 3;
        app.ctx.state.chosenChapter = 1;
        app.start(ScreenId::PrintWordSheets);
        auto *screen = app.currentAs<PrintScreen>();
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("テスト.pdf"));
        app.dialogs.textAnswers = {QString::number(copies)};
        app.dialogs.pathAnswers = {pdf};
        const QList<QueuedJob> before = queuedJobs();

        QTest::mouseClick(nCopies ? screen->testCopiesButton : screen->oneTestButton, Qt::LeftButton);
        const QList<QueuedJob> after = queuedJobs();
        if (accepting) {
            QCOMPARE(app.dialogs.count(QStringLiteral("choose")), 0); // printed, without a word
            QCOMPARE(after.size(), before.size() + 1);
            QCOMPARE(after.last().copies, copies);
            const QString spooled = serverFile(QStringLiteral("spool/d%1-001").arg(after.last().id, 5, 10, QChar(u'0')));
            QCOMPARE(pdfPageCount(spooled), 1);
            QVERIFY(!QFile::exists(pdf));
        } else {
            QCOMPARE(after.size(), before.size());
            QCOMPARE(app.dialogs.count(QStringLiteral("choose")), 1);
            const ScriptedDialogs::Call said = app.dialogs.calls.at(1); // after the confirmation
            QVERIFY2(said.text.startsWith(QStringLiteral("プリンター「%1」で印刷できませんでした。\n印刷されていません。").arg(kQueue)),
                     qPrintable(said.text));
            QCOMPARE(pdfPageCount(pdf), 1);
            QVERIFY(app.dialogs.calls.last().text.contains(QStringLiteral("保存しました")));
        }
    }
};

QTEST_MAIN(TestCupsPrinting)
#include "tst_cupsprinting.moc"
