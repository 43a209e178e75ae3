// The printer operations, the print primitives, the way a print falls back to a PDF file,
// and the Qt printer writing real PDF files.
#include "look/fonts.h"
#include "print/printprimitives.h"
#include "print/qtprinter.h"
#include "screens/printing/printrun.h"
#include "support/pdffile.h"
#include "support/testapp.h"
#include "support/watchdog.h"

#include <QDir>
#include <QElapsedTimer>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {
// The two pages every fallback test prints.
void twoPages(PrintJob &job)
{
    setMincho12(job);
    job.setPosition(480, 540);
    job.write(QStringLiteral("一ページ目"));
    job.newPage();
    job.setPosition(480, 540);
    job.write(QStringLiteral("二ページ目"));
    job.endDocument();
}

// The box pdftotext gives the first word that is exactly text: xMin, yMin in points.
std::optional<QPointF> wordBox(const QString &xhtml, const QString &text)
{
    const QRegularExpression word(QStringLiteral("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\"[^>]*>%1</word>")
                                      .arg(QRegularExpression::escape(text)));
    const QRegularExpressionMatch m = word.match(xhtml);
    if (!m.hasMatch())
        return std::nullopt;
    return QPointF(m.captured(1).toDouble(), m.captured(2).toDouble());
}
// A print server that takes connections and never answers: a listening socket nobody reads.
int silentServer(const QString &path)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    qstrncpy(address.sun_path, name.constData(), sizeof address.sun_path);
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    if (fd < 0 || bind(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0 || listen(fd, 16) != 0)
        return -1;
    return fd;
}
} // namespace

class TestPrintLayer : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { fonts::install(); }

    void primitivesSetExactlyTheirFontOrPosition_data()
    {
        QTest::addColumn<int>("which");
        QTest::addColumn<QString>("name");
        QTest::addColumn<qreal>("size");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("italic");
        QTest::newRow("MSG32") << 0 << QStringLiteral("ＭＳ Ｐゴシック") << qreal(32) << false << false;
        QTest::newRow("MSG16") << 1 << QStringLiteral("ＭＳ 明朝") << qreal(16) << true << true;
        QTest::newRow("MSG14") << 2 << QStringLiteral("ＭＳ 明朝") << qreal(14) << true << true;
        QTest::newRow("MSG12") << 3 << QStringLiteral("ＭＳ 明朝") << qreal(12) << false << false;
        QTest::newRow("MSGG12") << 4 << QStringLiteral("ＭＳ Ｐゴシック") << qreal(12) << false << false;
        QTest::newRow("MSG12RED") << 5 << QStringLiteral("ＭＳ ゴシック") << qreal(12) << false << false;
    }
    void primitivesSetExactlyTheirFontOrPosition()
    {
        QFETCH(int, which);
        QFETCH(QString, name);
        QFETCH(qreal, size);
        QFETCH(bool, bold);
        QFETCH(bool, italic);
        RecordingPrinter printer;
        auto job = printer.startOnDefaultPrinter(QStringLiteral("t"));
        job->setPosition(111, 222);
        void (*const primitives[])(PrintJob &) = {setPGothic32, setMincho16, setMincho14, setMincho12, setPGothic12, setGothic12};
        primitives[which](*job);
        QCOMPARE(job->font(), (PrintFont{name, size, bold, italic}));
        QCOMPARE(job->currentX(), 111.0); // the position is left alone
        QCOMPARE(job->currentY(), 222.0);

        ichi01(*job);
        QCOMPARE(job->currentX(), 3600.0);
        QCOMPARE(job->currentY(), 360.0);
        ichi02(*job);
        QCOMPARE(job->currentX(), 1200.0);
        QCOMPARE(job->currentY(), 1000.0);
        QCOMPARE(job->font(), (PrintFont{name, size, bold, italic})); // the font is left alone
    }

    void writeMovesThePositionOnOrToTheNextLine()
    {
        RecordingPrinter printer;
        auto job = printer.startOnDefaultPrinter(QStringLiteral("t"));
        setPGothic12(*job);
        job->setPosition(480, 1000);
        job->write(QStringLiteral("abc"), true);
        const double afterText = job->currentX();
        QVERIFY(afterText > 480 + 200 && afterText < 480 + 800); // three letters of 12 points
        QCOMPARE(job->currentY(), 1000.0);
        job->write(QStringLiteral("def"));
        QCOMPARE(job->currentX(), 0.0);
        QVERIFY(job->currentY() > 1000 + 200 && job->currentY() < 1000 + 400); // one 12-point line
        const QList<RecordedOp> writes = printer.last().writes();
        QCOMPARE(writes.size(), 2);
        QCOMPARE(writes[1].x, afterText);
        QCOMPARE(writes[1].y, 1000.0);
    }

    void aFailedJobDoesNothingMore()
    {
        RecordingPrinter printer;
        auto job = printer.startOnDefaultPrinter(QStringLiteral("t"));
        job->setCopies(0);
        QVERIFY(job->failed());
        job->write(QStringLiteral("x"));
        job->endDocument();
        QVERIFY(printer.last().writes().isEmpty());
        QVERIFY(!printer.last().ended);
    }

    void printsOnTheDefaultPrinterWithoutAWord()
    {
        TestApp app;
        QCOMPARE(printPages(app.ctx, nullptr, QStringLiteral("文書"), twoPages), PrintOutcome::Printed);
        QCOMPARE(app.printer.jobs.size(), 1);
        QCOMPARE(app.printer.last().target, QStringLiteral("printer"));
        QCOMPARE(app.printer.last().pages(), 2);
        QVERIFY(app.dialogs.calls.isEmpty());
    }

    void withoutAPrinterOffersThePagesAsPdf()
    {
        TestApp app;
        app.printer.defaultPrinterPresent = false;
        app.dialogs.pathAnswers = {QStringLiteral("/somewhere/文書.pdf")};
        QCOMPARE(printPages(app.ctx, nullptr, QStringLiteral("文書"), twoPages), PrintOutcome::SavedAsPdf);
        QCOMPARE(app.printer.jobs.size(), 1);
        QCOMPARE(app.printer.last().target, QStringLiteral("/somewhere/文書.pdf"));
        QCOMPARE(app.printer.last().texts(), QStringList({QStringLiteral("一ページ目"), QStringLiteral("二ページ目")}));
        QCOMPARE(app.dialogs.calls[0].kind, QStringLiteral("choose"));
        QVERIFY(app.dialogs.calls[0].text.contains(QStringLiteral("プリンターが見つかりません")));
        QCOMPARE(app.dialogs.calls[1].kind, QStringLiteral("askSavePath"));
        QVERIFY(app.dialogs.calls[1].defaultText.endsWith(QStringLiteral("文書.pdf")));
        QCOMPARE(app.dialogs.calls.last().kind, QStringLiteral("inform"));
        QVERIFY(app.dialogs.calls.last().text.contains(QStringLiteral("保存しました")));
    }

    // Never the working folder, which the launcher sets to a hidden one.
    void thePdfIsOfferedInDocumentsOrElseInHome_data()
    {
        QTest::addColumn<bool>("documentsExists");
        QTest::newRow("Documents") << true;
        QTest::newRow("no Documents") << false;
    }
    void thePdfIsOfferedInDocumentsOrElseInHome()
    {
        QFETCH(bool, documentsExists);
        QTemporaryDir home;
        const QByteArray oldHome = qgetenv("HOME"), oldConfig = qgetenv("XDG_CONFIG_HOME");
        const auto restore = qScopeGuard([&] {
            qputenv("HOME", oldHome);
            oldConfig.isNull() ? qunsetenv("XDG_CONFIG_HOME") : qputenv("XDG_CONFIG_HOME", oldConfig);
        });
        qputenv("HOME", QFile::encodeName(home.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral(".config"))));
        if (documentsExists)
            QVERIFY(QDir(home.path()).mkdir(QStringLiteral("Documents")));
        TestApp app;
        app.printer.defaultPrinterPresent = false;
        printPages(app.ctx, nullptr, QStringLiteral("文書"), twoPages);
        QCOMPARE(app.dialogs.calls[1].kind, QStringLiteral("askSavePath"));
        QCOMPARE(app.dialogs.calls[1].defaultText,
                 QDir(home.path()).filePath(documentsExists ? QStringLiteral("Documents/文書.pdf") : QStringLiteral("文書.pdf")));
    }

    void declinedOrCancelledPdfPrintsNothing()
    {
        TestApp app;
        app.printer.defaultPrinterPresent = false;
        app.dialogs.confirmAnswers = {false};
        QCOMPARE(printPages(app.ctx, nullptr, QStringLiteral("文書"), twoPages), PrintOutcome::NotPrinted);
        QCOMPARE(app.dialogs.count(QStringLiteral("askSavePath")), 0);
        // Offered, accepted, but no file chosen.
        QCOMPARE(printPages(app.ctx, nullptr, QStringLiteral("文書"), twoPages), PrintOutcome::NotPrinted);
        QCOMPARE(app.dialogs.count(QStringLiteral("askSavePath")), 1);
        QVERIFY(app.printer.jobs.isEmpty());
    }

    void aFailedJobIsReportedAndTheSamePagesGoToPdf()
    {
        TestApp app;
        app.printer.printerFailure = QStringLiteral("プリンター「記録用プリンター」で印刷できませんでした。");
        app.dialogs.pathAnswers = {QStringLiteral("/somewhere/x.pdf")};
        QCOMPARE(printPages(app.ctx, nullptr, QStringLiteral("文書"), twoPages), PrintOutcome::SavedAsPdf);
        QCOMPARE(app.printer.jobs.size(), 2);
        QVERIFY(app.printer.jobs[0]->failed);
        QCOMPARE(app.printer.jobs[1]->texts(), app.printer.jobs[0]->texts());
        QVERIFY(app.dialogs.calls[0].text.contains(app.printer.printerFailure));
        QVERIFY(app.dialogs.calls[0].text.contains(QStringLiteral("印刷されていません")));
    }

    void aFailedPdfIsNotReportedAsSaved()
    {
        TestApp app;
        app.printer.defaultPrinterPresent = false;
        app.printer.pdfFailure = QStringLiteral("PDFファイル「x.pdf」を書き込めませんでした。");
        app.dialogs.pathAnswers = {QStringLiteral("/somewhere/x.pdf")};
        QCOMPARE(printPages(app.ctx, nullptr, QStringLiteral("文書"), twoPages), PrintOutcome::NotPrinted);
        QVERIFY(app.dialogs.calls.last().text.contains(app.printer.pdfFailure));
        QVERIFY(!app.dialogs.calls.last().text.contains(QStringLiteral("保存しました")));
    }

    // Whatever the print server does, the window goes on answering while the print is sent,
    // the learner is told what happened and the same pages can be saved as a PDF file.
    void aPrintServerThatIsSilentOrGoneIsNamed_data()
    {
        QTest::addColumn<bool>("listening");
        QTest::addColumn<QString>("said");
        QTest::newRow("silent") << true << QStringLiteral("プリンターの管理サービスが応答しません。");
        QTest::newRow("gone") << false << QStringLiteral("プリンターの管理サービスに接続できません");
    }
    void aPrintServerThatIsSilentOrGoneIsNamed()
    {
        QFETCH(bool, listening);
        QFETCH(QString, said);
        QTemporaryDir dir;
        const QString socket = dir.filePath(QStringLiteral("cups.sock"));
        const int server = listening ? silentServer(socket) : -1;
        QVERIFY(!listening || server >= 0);
        const auto close = qScopeGuard([server] { if (server >= 0) ::close(server); });
        const QByteArray oldServer = qgetenv("CUPS_SERVER");
        const auto restore = qScopeGuard([&] { oldServer.isNull() ? qunsetenv("CUPS_SERVER") : qputenv("CUPS_SERVER", oldServer); });
        qputenv("CUPS_SERVER", QFile::encodeName(socket));

        TestApp app;
        QtPrinterProvider printers;
        app.ctx.printers = &printers;
        const QString pdf = dir.filePath(QStringLiteral("文書.pdf"));
        app.dialogs.pathAnswers = {pdf};
        int ticks = 0;
        QTimer tick;
        QObject::connect(&tick, &QTimer::timeout, [&ticks] { ++ticks; });
        tick.start(100);
        QElapsedTimer took;
        took.start();
        {
            const Watchdog guard(QTest::currentDataTag(), std::chrono::seconds(30));
            QCOMPARE(printPages(app.ctx, nullptr, QStringLiteral("文書"), twoPages), PrintOutcome::SavedAsPdf);
        }
        QVERIFY2(took.elapsed() < 12000, qPrintable(QString::number(took.elapsed())));
        QVERIFY(ticks >= took.elapsed() / 100 / 2); // the window's thread went on with its events
        QCOMPARE(app.dialogs.waitingShown.size(), 1);
        QVERIFY2(app.dialogs.calls[0].text.startsWith(said), qPrintable(app.dialogs.calls[0].text));
        QVERIFY(app.dialogs.calls[0].text.contains(QStringLiteral("印刷されていません")));
        QCOMPARE(pdfPageCount(pdf), 2);
    }

    // A print server that takes longer to take the pages than the window waits may still print
    // them: the learner is not told that nothing was printed.
    void aHandOverStillGoingIsNotCalledAFailure()
    {
        TestApp app;
        app.printer.handOverMs = 500;
        setPrintSystemLimit(std::chrono::milliseconds(100));
        const auto restore = qScopeGuard([] { setPrintSystemLimit(std::chrono::seconds(10)); });
        QCOMPARE(printPages(app.ctx, nullptr, QStringLiteral("文書"), twoPages), PrintOutcome::NotPrinted);
        const QString said = app.dialogs.calls[0].text;
        QVERIFY2(said.contains(QStringLiteral("届いたかどうか確かめられません")), qPrintable(said));
        QVERIFY(!said.contains(QStringLiteral("印刷されていません")));
        QTest::qWait(500); // the hand-over's thread ends before the next test
    }

    void qtPrinterPutsTextAtItsTwipsInAPdf()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("positions.pdf"));
        QtPrinterProvider printers;
        auto job = printers.startPdf(path, QStringLiteral("t"));
        setPGothic12(*job);
        job->setPosition(1440, 2880); // one inch in, two inches down
        job->write(QStringLiteral("Alpha"));
        job->setPosition(5000, 15660);
        job->write(QStringLiteral("Omega"));
        job->newPage();
        job->setPosition(480, 540);
        job->write(QStringLiteral("Second"));
        job->endDocument();
        QVERIFY2(!job->failed(), qPrintable(job->problem()));
        QCOMPARE(pdfPageCount(path), 2);

        const std::optional<QString> boxes = pdfText(path, true);
        if (!boxes)
            QSKIP("pdftotext is not installed");
        const auto alpha = wordBox(*boxes, QStringLiteral("Alpha"));
        const auto omega = wordBox(*boxes, QStringLiteral("Omega"));
        QVERIFY(alpha && omega && wordBox(*boxes, QStringLiteral("Second")));
        // Twips / 20 = points; the top of the text within a point of the position.
        QVERIFY2(qAbs(alpha->x() - 72) < 1 && qAbs(alpha->y() - 144) < 1.5, qPrintable(QString::number(alpha->y())));
        QVERIFY(qAbs(omega->x() - 250) < 1 && qAbs(omega->y() - 783) < 1.5);
    }

    void qtPrinterPrintsCopiesIntoAPdfAsPages()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("copies.pdf"));
        QtPrinterProvider printers;
        auto job = printers.startPdf(path, QStringLiteral("t"));
        job->setPaperSize(PaperSize::A4);
        job->setCopies(3);
        twoPages(*job);
        QVERIFY2(!job->failed(), qPrintable(job->problem()));
        QCOMPARE(pdfPageCount(path), 6);
        const std::optional<QString> text = pdfText(path);
        if (!text)
            QSKIP("pdftotext is not installed");
        QCOMPARE(text->count(QStringLiteral("二ページ目")), 3);
    }

    void qtPrinterReportsAFileItCannotWrite()
    {
        QTemporaryDir dir;
        QtPrinterProvider printers;
        auto job = printers.startPdf(dir.filePath(QStringLiteral("no/such/folder/x.pdf")), QStringLiteral("t"));
        twoPages(*job);
        QVERIFY(job->failed());
        QVERIFY(job->problem().contains(QStringLiteral("x.pdf")));
    }
};

QTEST_MAIN(TestPrintLayer)
#include "tst_printlayer.moc"
