#include "print/qtprinter.h"

#include "app/fonts.h"
#include "print/cupsqueue.h"

#include <QFileInfo>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>

bool QtPrinterProvider::hasDefaultPrinter() const
{
    return !QPrinterInfo::defaultPrinter().isNull();
}

QString QtPrinterProvider::defaultPrinterName() const
{
    return QPrinterInfo::defaultPrinter().printerName();
}

std::unique_ptr<PrintJob> QtPrinterProvider::startOnDefaultPrinter(const QString &documentName)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    printer->setDocName(documentName);
    return std::make_unique<QtPrintJob>(
        std::move(printer), QStringLiteral("プリンター「%1」で印刷できませんでした。").arg(info.printerName()),
        info.printerName());
}

std::unique_ptr<PrintJob> QtPrinterProvider::startPdf(const QString &path, const QString &documentName)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    printer->setPageSize(QPageSize(QPageSize::A4));
    printer->setDocName(documentName);
    return std::make_unique<QtPrintJob>(
        std::move(printer), QStringLiteral("PDFファイル「%1」を書き込めませんでした。").arg(QFileInfo(path).fileName()));
}

QtPrintJob::QtPrintJob(std::unique_ptr<QPrinter> printer, QString failureText, QString queue)
    : printer_(std::move(printer)), failureText_(std::move(failureText)), queue_(std::move(queue))
{
    printer_->setFullPage(true);
    scale_ = printer_->resolution() / 1440.0;
    placeOrigin();
}

QtPrintJob::~QtPrintJob()
{
    // A job left unfinished is not sent half-done.
    if (painter_.isActive() && !finished_) {
        printer_->abort();
        painter_.end();
    }
}

void QtPrintJob::placeOrigin()
{
    const QPageLayout layout = printer_->pageLayout();
    const QPageLayout printable(layout.pageSize(), layout.orientation(), layout.minimumMargins(), layout.units());
    const QMargins margins = printable.marginsPixels(printer_->resolution());
    origin_ = QPointF(margins.left(), margins.top());
}

QFont QtPrintJob::qfont(const QString &text) const
{
    return fonts::printFont(font().name, font().size, font().bold, font().italic, text);
}

bool QtPrintJob::begin()
{
    if (begun_)
        return true;
    begun_ = true;
    // A queue that refuses jobs would take the document without a word: nothing is sent.
    if (!queue_.isEmpty()) {
        jobBefore_ = cupsqueue::newestJob(queue_);
        if (!jobBefore_ || !cupsqueue::acceptsJobs(queue_)) {
            fail(failureText_);
            return false;
        }
    }
    if (!painter_.begin(printer_.get())) {
        fail(failureText_);
        return false;
    }
    placeOrigin();
    return true;
}

bool QtPrintJob::drawText(const QString &text, double x, double y, bool, double narrowing)
{
    if (!begin())
        return false;
    const QFont f = qfont(text);
    const QPointF at(origin_.x() + x * scale_, origin_.y() + y * scale_ + QFontMetricsF(f, printer_.get()).ascent());
    drawn_.append({f, at, text, false, narrowing});
    paint(drawn_.last());
    return true;
}

void QtPrintJob::paint(const Drawn &d)
{
    painter_.setFont(d.font);
    if (d.narrowing == 1) {
        painter_.drawText(d.at, d.text);
        return;
    }
    painter_.save();
    painter_.translate(d.at);
    painter_.scale(d.narrowing, 1);
    painter_.drawText(QPointF(0, 0), d.text);
    painter_.restore();
}

double QtPrintJob::textWidth(const QString &text) const
{
    return QFontMetricsF(qfont(text), printer_.get()).horizontalAdvance(text) / scale_;
}

double QtPrintJob::lineHeight() const
{
    return QFontMetricsF(qfont(QString()), printer_.get()).height() / scale_;
}

bool QtPrintJob::applyPaperSize(PaperSize size)
{
    Q_ASSERT(size == PaperSize::A4);
    const bool ok = printer_->setPageSize(QPageSize(QPageSize::A4));
    placeOrigin();
    return ok;
}

bool QtPrintJob::applyCopies(int copies)
{
    if (begun_) {
        fail(QStringLiteral("印刷部数は印刷を始める前にしか決められません。"));
        return false;
    }
    printer_->setCopyCount(copies);
    if (printer_->supportsMultipleCopies() && printer_->copyCount() != copies)
        return false;
    copies_ = copies;
    return true;
}

bool QtPrintJob::startPage()
{
    if (!begin())
        return false;
    if (!printer_->newPage()) {
        fail(failureText_);
        return false;
    }
    drawn_.append({QFont(), QPointF(), QString(), true});
    return true;
}

bool QtPrintJob::finish()
{
    if (!begin())
        return false;
    // A PDF file holds no copy count: its copies are printed as further pages.
    if (!printer_->supportsMultipleCopies()) {
        const QList<Drawn> document = drawn_;
        for (int copy = 2; copy <= copies_; ++copy) {
            if (!printer_->newPage()) {
                fail(failureText_);
                break;
            }
            for (const Drawn &d : document) {
                if (d.pageBreak) {
                    printer_->newPage();
                } else {
                    paint(d);
                }
            }
        }
    }
    finished_ = true;
    const bool ended = painter_.end();
    const QPrinter::PrinterState state = printer_->printerState();
    if (!ended || state == QPrinter::Error || state == QPrinter::Aborted || failed()) {
        fail(failureText_);
        return false;
    }
    // Qt does not look at what the print system answered when it handed the document
    // over; a job that the queue holds now is the proof that it was taken.
    if (!queue_.isEmpty()) {
        const std::optional<int> jobAfter = cupsqueue::newestJob(queue_);
        if (!jobAfter || *jobAfter <= *jobBefore_) {
            fail(failureText_);
            return false;
        }
    }
    return true;
}
