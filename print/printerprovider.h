#pragma once
// Where print jobs go: the system's default printer, or a PDF file in its place.
#include <QString>
#include <memory>

class PrintJob;

class PrinterProvider {
public:
    virtual ~PrinterProvider() = default;
    virtual bool hasDefaultPrinter() const = 0;
    virtual QString defaultPrinterName() const = 0;
    // A new job on the default printer; documentName is what the print queue shows.
    virtual std::unique_ptr<PrintJob> startOnDefaultPrinter(const QString &documentName) = 0;
    // A new job whose pages are written to a PDF file at path.
    virtual std::unique_ptr<PrintJob> startPdf(const QString &path, const QString &documentName) = 0;
};
