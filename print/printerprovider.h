#pragma once
// Where print jobs go: the system's default printer, or a PDF file in its place.
#include <QMarginsF>
#include <QString>
#include <memory>

class PrintJob;

// What the print system says of its default printer.
struct DefaultPrinter {
    QString name;
    // Why nothing can be printed on it, in Japanese (no default printer, a queue that refuses
    // jobs, a print server that is gone or silent); empty when it can print.
    QString problem;
    QMarginsF margins; // its printable area on A4, in points from each edge
};

class PrinterProvider {
public:
    virtual ~PrinterProvider() = default;
    // Asks the print system for its default printer. This may wait on the print server for a
    // few seconds, so the forms ask it off the window's thread.
    virtual DefaultPrinter findDefaultPrinter() = 0;
    // A new job on the printer found; documentName is what the print queue shows. Its pages
    // go to the printer when the ended job is handed over (PrintJob::handOver).
    virtual std::unique_ptr<PrintJob> startOnPrinter(const DefaultPrinter &printer, const QString &documentName) = 0;
    // A new job whose pages are written to a PDF file at path.
    virtual std::unique_ptr<PrintJob> startPdf(const QString &path, const QString &documentName) = 0;
};

// What the learner is told when the print server takes the connection and does not answer.
inline QString printServerNotAnsweringText() { return QStringLiteral("プリンターの管理サービスが応答しません。"); }
// ... when no default printer is set.
inline QString noDefaultPrinterText()
{
    return QStringLiteral("プリンターが見つかりません（通常使うプリンターが設定されていません）。");
}
