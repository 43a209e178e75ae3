#include "recordingprinter.h"

#include "look/fonts.h"

#include <QFontMetricsF>
#include <QImage>

#include <chrono>
#include <thread>

namespace {
// Text is measured as the printer would at 1440 dots an inch, so one dot is one twip.
class RecordingJob final : public PrintJob {
public:
    RecordingJob(std::shared_ptr<RecordedJob> record, QString failure, int handOverMs = 0)
        : record_(std::move(record)), failure_(std::move(failure)), handOverMs_(handOverMs),
          ruler_(1, 1, QImage::Format_RGB32)
    {
        const int dotsPerMeter = qRound(1440 / 0.0254);
        ruler_.setDotsPerMeterX(dotsPerMeter);
        ruler_.setDotsPerMeterY(dotsPerMeter);
    }

protected:
    void applyFont(const PrintFont &font) override
    {
        RecordedOp op = make(RecordedOp::Font);
        op.font = font;
        record_->ops.append(op);
    }
    bool drawText(const QString &text, double x, double y, bool stayOnLine, double narrowing) override
    {
        // The position is recorded where a set position leaves it, so that a test sees
        // both the position operations and where each text landed.
        RecordedOp op = make(RecordedOp::Write);
        op.font = font();
        op.x = x;
        op.y = y;
        op.text = text;
        op.stayOnLine = stayOnLine;
        op.narrowing = narrowing;
        record_->ops.append(op);
        return true;
    }
    double textWidth(const QString &text) const override { return metrics(text).horizontalAdvance(text); }
    double lineHeight() const override { return metrics().height(); }
    bool applyPaperSize(PaperSize) override
    {
        record_->ops.append(make(RecordedOp::PaperSize));
        return true;
    }
    bool applyCopies(int copies) override
    {
        RecordedOp op = make(RecordedOp::Copies);
        op.copies = copies;
        record_->ops.append(op);
        return true;
    }
    bool startPage() override
    {
        record_->ops.append(make(RecordedOp::NewPage));
        ++page_;
        return true;
    }
    bool finish() override
    {
        record_->ops.append(make(RecordedOp::EndDocument));
        record_->ended = true;
        if (!failure_.isEmpty()) {
            record_->failed = true;
            fail(failure_);
            return false;
        }
        return true;
    }
    bool deliver() override
    {
        if (handOverMs_ > 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(handOverMs_));
        return true;
    }

private:
    RecordedOp make(RecordedOp::Kind kind) const
    {
        RecordedOp op;
        op.kind = kind;
        op.page = page_;
        return op;
    }
    QFontMetricsF metrics(const QString &text = QString()) const
    {
        return QFontMetricsF(fonts::printFont(font().name, font().size, font().bold, font().italic, text), &ruler_);
    }

    std::shared_ptr<RecordedJob> record_;
    QString failure_;
    int handOverMs_ = 0;
    QImage ruler_;
    int page_ = 1;
};
} // namespace

QList<RecordedOp> RecordedJob::writes() const
{
    QList<RecordedOp> result;
    for (const RecordedOp &op : ops) {
        if (op.kind == RecordedOp::Write)
            result.append(op);
    }
    return result;
}

QStringList RecordedJob::texts() const
{
    QStringList result;
    for (const RecordedOp &op : writes())
        result.append(op.text);
    return result;
}

RecordedOp RecordedJob::write(const QString &text) const
{
    for (const RecordedOp &op : ops) {
        if (op.kind == RecordedOp::Write && op.text == text)
            return op;
    }
    return {};
}

int RecordedJob::pages() const
{
    int last = 0;
    for (const RecordedOp &op : writes())
        last = qMax(last, op.page);
    return last;
}

int RecordedJob::copies() const
{
    int copies = 1;
    for (const RecordedOp &op : ops) {
        if (op.kind == RecordedOp::Copies)
            copies = op.copies;
    }
    return copies;
}

DefaultPrinter RecordingPrinter::findDefaultPrinter()
{
    return {QStringLiteral("記録用プリンター"), defaultPrinterPresent ? QString() : noDefaultPrinterText(), {}};
}

std::unique_ptr<PrintJob> RecordingPrinter::startOnDefaultPrinter(const QString &documentName)
{
    return startOnPrinter(findDefaultPrinter(), documentName);
}

std::unique_ptr<PrintJob> RecordingPrinter::startOnPrinter(const DefaultPrinter &, const QString &documentName)
{
    auto record = std::make_shared<RecordedJob>();
    record->target = QStringLiteral("printer");
    record->documentName = documentName;
    jobs.append(record);
    return std::make_unique<RecordingJob>(record, printerFailure, handOverMs);
}

std::unique_ptr<PrintJob> RecordingPrinter::startPdf(const QString &path, const QString &documentName)
{
    auto record = std::make_shared<RecordedJob>();
    record->target = path;
    record->documentName = documentName;
    jobs.append(record);
    return std::make_unique<RecordingJob>(record, pdfFailure);
}
