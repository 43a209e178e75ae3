#pragma once
// Printing through Qt Print Support: the system's default printer, or a PDF file.
#include "print/printerprovider.h"
#include "print/printjob.h"

#include <QFont>
#include <QList>
#include <QPainter>
#include <QPointF>
#include <memory>
#include <optional>

class QPrinter;

class QtPrinterProvider : public PrinterProvider {
public:
    bool hasDefaultPrinter() const override;
    QString defaultPrinterName() const override;
    std::unique_ptr<PrintJob> startOnDefaultPrinter(const QString &documentName) override;
    std::unique_ptr<PrintJob> startPdf(const QString &path, const QString &documentName) override;
};

// Draws at 1200 dpi on the whole sheet and puts the origin at the corner of the printer's
// printable area itself: Qt's own printable-area origin is rounded to whole points, which
// would shift every position by up to 10 twips. The painter starts with the first page,
// so paper size and copies set before it still reach the printer.
class QtPrintJob final : public PrintJob {
public:
    // failureText names the printer or the file in the message of a failed job. A job on a
    // print queue (queue not empty) counts as printed only once the print system holds it.
    QtPrintJob(std::unique_ptr<QPrinter> printer, QString failureText, QString queue = QString());
    ~QtPrintJob() override;

protected:
    bool drawText(const QString &text, double x, double y, bool stayOnLine, double narrowing) override;
    double textWidth(const QString &text) const override;
    double lineHeight() const override;
    bool applyPaperSize(PaperSize size) override;
    bool applyCopies(int copies) override;
    bool startPage() override;
    bool finish() override;

private:
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

    std::unique_ptr<QPrinter> printer_;
    QString failureText_;
    QString queue_;
    std::optional<int> jobBefore_; // the queue's newest job before this one
    QPainter painter_;
    bool begun_ = false;
    bool finished_ = false;
    double scale_ = 1;   // device units per twip
    QPointF origin_;     // the printable area's corner in device units
    int copies_ = 1;
    QList<Drawn> drawn_; // kept to print the copies a PDF file cannot ask for
};
