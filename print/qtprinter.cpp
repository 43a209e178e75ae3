#include "print/qtprinter.h"

#include "look/fonts.h"
#include "print/cupsqueue.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTemporaryFile>

namespace {
constexpr int kDotsPerInch = 1200;

QString cannotPrintOn(const QString &printer)
{
    return QStringLiteral("プリンター「%1」で印刷できませんでした。").arg(printer);
}

QString unreachable(cupsqueue::Reach reach)
{
    switch (reach) {
    case cupsqueue::Reach::NoLibrary:
        return QStringLiteral("印刷に使うCUPSのライブラリ（libcups2）が入っていません。");
    case cupsqueue::Reach::NoServer:
        return QStringLiteral("プリンターの管理サービスに接続できません（動いていないようです）。");
    case cupsqueue::Reach::NotAnswering:
        return printServerNotAnsweringText();
    case cupsqueue::Reach::Answered:
        break;
    }
    return QString();
}
} // namespace

DefaultPrinter QtPrinterProvider::findDefaultPrinter()
{
    const cupsqueue::Printer found = cupsqueue::defaultPrinter();
    DefaultPrinter printer{found.name, unreachable(found.reach), found.a4Margins};
    if (!printer.problem.isEmpty())
        return printer;
    if (found.name.isEmpty())
        printer.problem = noDefaultPrinterText();
    else if (!found.acceptsJobs) // it would take the document without a word
        printer.problem = cannotPrintOn(found.name);
    return printer;
}

std::unique_ptr<PrintJob> QtPrinterProvider::startOnPrinter(const DefaultPrinter &printer, const QString &documentName)
{
    return std::make_unique<QtPrintJob>(printer, documentName);
}

std::unique_ptr<PrintJob> QtPrinterProvider::startPdf(const QString &path, const QString &documentName)
{
    return std::make_unique<QtPrintJob>(
        path, documentName, QStringLiteral("PDFファイル「%1」を書き込めませんでした。").arg(QFileInfo(path).fileName()));
}

QtPrintJob::QtPrintJob(const QString &path, const QString &documentName, QString failureText)
    : failureText_(std::move(failureText))
{
    setUp(path, documentName);
}

QtPrintJob::QtPrintJob(const DefaultPrinter &printer, const QString &documentName)
    : failureText_(cannotPrintOn(printer.name)), queue_(printer.name), margins_(printer.margins)
{
    QTemporaryFile file(QDir(QDir::tempPath()).filePath(QStringLiteral("eitango-print-XXXXXX.pdf")));
    file.setAutoRemove(false);
    if (file.open())
        queueFile_ = file.fileName();
    setUp(queueFile_, documentName);
}

void QtPrintJob::setUp(const QString &path, const QString &documentName)
{
    documentName_ = documentName;
    writer_ = std::make_unique<QPdfWriter>(path);
    writer_->setResolution(kDotsPerInch);
    writer_->setTitle(documentName);
    writer_->setPageSize(QPageSize(QPageSize::A4));
    writer_->setPageMargins(QMarginsF(0, 0, 0, 0));
    scale_ = kDotsPerInch / 1440.0;
    placeOrigin();
}

QtPrintJob::~QtPrintJob()
{
    // A job left unfinished is not sent half-done.
    if (painter_.isActive())
        painter_.end();
    writer_.reset();
    if (!queueFile_.isEmpty())
        QFile::remove(queueFile_);
}

void QtPrintJob::placeOrigin()
{
    origin_ = QPointF(margins_.left() * kDotsPerInch / 72.0, margins_.top() * kDotsPerInch / 72.0);
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
    if ((!queue_.isEmpty() && queueFile_.isEmpty()) || !painter_.begin(writer_.get())) {
        fail(failureText_);
        return false;
    }
    return true;
}

bool QtPrintJob::drawText(const QString &text, double x, double y, bool, double narrowing)
{
    if (!begin())
        return false;
    const QFont f = qfont(text);
    const QPointF at(origin_.x() + x * scale_, origin_.y() + y * scale_ + QFontMetricsF(f, writer_.get()).ascent());
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
    return QFontMetricsF(qfont(text), writer_.get()).horizontalAdvance(text) / scale_;
}

double QtPrintJob::lineHeight() const
{
    return QFontMetricsF(qfont(QString()), writer_.get()).height() / scale_;
}

bool QtPrintJob::applyPaperSize(PaperSize size)
{
    Q_ASSERT(size == PaperSize::A4);
    return writer_->setPageSize(QPageSize(QPageSize::A4));
}

bool QtPrintJob::applyCopies(int copies)
{
    if (begun_) {
        fail(QStringLiteral("印刷部数は印刷を始める前にしか決められません。"));
        return false;
    }
    if (copies < 1)
        return false;
    copies_ = copies;
    return true;
}

bool QtPrintJob::startPage()
{
    if (!begin())
        return false;
    if (!writer_->newPage()) {
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
    // A PDF file holds no copy count: its copies are printed as further pages. A print
    // queue is asked for the copies instead.
    if (queue_.isEmpty()) {
        const QList<Drawn> document = drawn_;
        for (int copy = 2; copy <= copies_; ++copy) {
            if (!writer_->newPage()) {
                fail(failureText_);
                break;
            }
            for (const Drawn &d : document) {
                if (d.pageBreak) {
                    writer_->newPage();
                } else {
                    paint(d);
                }
            }
        }
    }
    const bool ended = painter_.end();
    writer_.reset(); // the file is complete and closed
    if (!ended || failed()) {
        fail(failureText_);
        return false;
    }
    return true;
}

bool QtPrintJob::deliver()
{
    if (queue_.isEmpty())
        return true;
    // The number CUPS gives a job it holds is the proof that the job was taken.
    const cupsqueue::Sent sent = cupsqueue::sendPdf(queue_, queueFile_, documentName_, copies_);
    const QString why = unreachable(sent.reach);
    if (!why.isEmpty() || sent.job <= 0) {
        fail(why.isEmpty() ? failureText_ : why);
        return false;
    }
    return true;
}
