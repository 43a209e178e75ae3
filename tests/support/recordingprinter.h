#pragma once
// A printer for tests: every job and every operation is kept, in order, with the font in
// use and the position each text was written at. Jobs can be made to fail, and the default
// printer can be taken away.
#include "print/printerprovider.h"
#include "print/printjob.h"

#include <QList>
#include <QString>
#include <memory>

struct RecordedOp {
    enum Kind { Font, Position, Write, PaperSize, Copies, NewPage, EndDocument };
    Kind kind = Write;
    PrintFont font;          // Font: the font set; Write: the font written in
    double x = 0, y = 0;     // Position: the position set; Write: where the text starts
    QString text;            // Write
    bool stayOnLine = false; // Write
    double narrowing = 1;    // Write: the factor the text's width was scaled by to fit
    int copies = 0;          // Copies
    int page = 1;            // the page the operation belongs to
};

struct RecordedJob {
    QString target;        // "printer", or the PDF file's path
    QString documentName;
    QList<RecordedOp> ops;
    bool ended = false;    // the document was ended (and, unless failed, went out)
    bool failed = false;

    QList<RecordedOp> writes() const;
    QStringList texts() const;
    // The first write whose text is exactly text; a default op with empty text when none.
    RecordedOp write(const QString &text) const;
    int pages() const;     // pages that got anything written on them
    int copies() const;    // the last copy count set, 1 when none
};

class RecordingPrinter final : public PrinterProvider {
public:
    bool defaultPrinterPresent = true;
    QString printerFailure;  // when set, printer jobs fail with this problem as they end
    QString pdfFailure;      // the same for PDF jobs
    int handOverMs = 0;      // how long a printer job takes to be handed over
    QList<std::shared_ptr<RecordedJob>> jobs;

    DefaultPrinter findDefaultPrinter() override;
    std::unique_ptr<PrintJob> startOnPrinter(const DefaultPrinter &printer, const QString &documentName) override;
    // A job on the recording printer, as the print run would start it.
    std::unique_ptr<PrintJob> startOnDefaultPrinter(const QString &documentName);
    std::unique_ptr<PrintJob> startPdf(const QString &path, const QString &documentName) override;

    const RecordedJob &last() const { return *jobs.last(); }
};
