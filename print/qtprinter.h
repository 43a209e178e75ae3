#pragma once
// Printing with Qt's PDF writer: every job is drawn into a PDF file, which is either the
// file the learner chose or, for the default printer, a temporary file handed to the print
// system (CUPS) as it stands. Qt's own print support is not used: it loads the CUPS library
// and asks the print server on the window's thread even for a PDF file.
#include "print/printerprovider.h"
#include "print/printjob.h"

#include <QFont>
#include <QList>
#include <QMarginsF>
#include <QPainter>
#include <QPointF>
#include <memory>

class QPdfWriter;

class QtPrinterProvider : public PrinterProvider {
public:
    DefaultPrinter findDefaultPrinter() override;
    std::unique_ptr<PrintJob> startOnPrinter(const DefaultPrinter &printer, const QString &documentName) override;
    std::unique_ptr<PrintJob> startPdf(const QString &path, const QString &documentName) override;

    // The default printer's name, empty when there is none (waits on the print server).
    QString defaultPrinterName() { return findDefaultPrinter().name; }
};

// Draws at 1200 dpi on the whole sheet with the origin at the corner of the printer's
// printable area. The painter starts with the first page, so paper size and copies set
// before it still count.
class QtPrintJob final : public PrintJob {
public:
    // A job written to the PDF file at path; failureText names the file in a failure.
    QtPrintJob(const QString &path, const QString &documentName, QString failureText);
    // A job for the print queue of printer, written to a temporary file first.
    QtPrintJob(const DefaultPrinter &printer, const QString &documentName);
    ~QtPrintJob() override;

protected:
    bool drawText(const QString &text, double x, double y, bool stayOnLine, double narrowing) override;
    double textWidth(const QString &text) const override;
    double lineHeight() const override;
    bool applyPaperSize(PaperSize size) override;
    bool applyCopies(int copies) override;
    bool startPage() override;
    bool finish() override;
    bool deliver() override;

private:
    void setUp(const QString &path, const QString &documentName);
    bool begin();
    QFont qfont(const QString &text) const;
    void placeOrigin();

    struct Drawn {
        QFont font;
        QPointF at; // device units, baseline start
        QString text;
        bool pageBreak = false;
        double narrowing = 1;
    };
    void paint(const Drawn &d);

    std::unique_ptr<QPdfWriter> writer_;
    QString documentName_;
    QString failureText_;
    QString queue_;      // the print queue the file goes to; empty for a PDF file of the learner's
    QString queueFile_;  // the temporary file handed to the queue
    QMarginsF margins_;  // points
    QPainter painter_;
    bool begun_ = false;
    double scale_ = 1;   // device units per twip
    QPointF origin_;     // the printable area's corner in device units
    int copies_ = 1;
    QList<Drawn> drawn_; // kept to print the copies a PDF file cannot ask for
};
