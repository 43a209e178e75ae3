// The printer operations, the print primitives, the way a print falls back to a PDF file,
// and the Qt printer writing real PDF files.
#include "app/fonts.h"
#include "print/printprimitives.h"
#include "print/printrun.h"
#include "print/qtprinter.h"
#include "support/pdffile.h"
#include "support/testapp.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {
// The two pages every fallback test prints.
void twoPages(PrintJob &job)
{
    MSG12(job);
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
        void (*const primitives[])(PrintJob &) = {MSG32, MSG16, MSG14, MSG12, MSGG12, MSG12RED};
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
        MSGG12(*job);
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

    void qtPrinterPutsTextAtItsTwipsInAPdf()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("positions.pdf"));
        QtPrinterProvider printers;
        auto job = printers.startPdf(path, QStringLiteral("t"));
        MSGG12(*job);
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
