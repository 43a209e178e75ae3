#include "screens/printing/printrun.h"

#include "print/printerprovider.h"
#include "print/printjob.h"
#include "screens/kit/appcontext.h"
#include "screens/kit/dialogs.h"

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QObject>
#include <QStandardPaths>
#include <QTimer>

#include <chrono>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

namespace {
const QString kTitle = QStringLiteral("印刷");
const QString kSending = QStringLiteral("プリンターに送っています。しばらくお待ちください。");

// How long the window waits for the print system at the most. The CUPS calls give up by
// themselves after a few seconds of silence; this is the bound should one wait elsewhere.
std::chrono::milliseconds printSystemLimit(10000);

// Runs work on a thread of its own while the window's thread goes on answering (repainting,
// moving; the notice shown meanwhile keeps clicks away). Nothing when the work took longer
// than the limit; the work then ends on its own, its result unread.
template <class T>
std::optional<T> waitForPrintSystem(std::function<T()> work)
{
    struct Shared {
        std::mutex mutex;
        std::optional<T> result;
    };
    auto shared = std::make_shared<Shared>();
    std::thread([shared, work = std::move(work)] {
        T result = work();
        const std::lock_guard<std::mutex> hold(shared->mutex);
        shared->result = std::move(result);
    }).detach();

    const auto done = [&shared] {
        const std::lock_guard<std::mutex> hold(shared->mutex);
        return shared->result.has_value();
    };
    QElapsedTimer waited;
    waited.start();
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done() || waited.elapsed() >= printSystemLimit.count())
            loop.quit();
    });
    poll.start(10);
    if (!done())
        loop.exec();
    const std::lock_guard<std::mutex> hold(shared->mutex);
    return shared->result;
}

// Runs the pages into the job and ends it; true when the whole document was written.
bool run(PrintJob &job, const std::function<void(PrintJob &)> &pages)
{
    pages(job);
    job.endDocument();
    return !job.failed();
}

// How a print on the default printer ended: went out (why empty), did not (why says why),
// or may still go out (the window stopped waiting while the job was being handed over).
struct PrinterResult {
    QString why;
    bool mayStillPrint = false;
};

// Runs the pages into a job for the default printer and hands it to the print system off
// the window's thread.
PrinterResult printOnDefaultPrinter(AppContext &ctx, QWidget *parent, const QString &documentName,
                                    const std::function<void(PrintJob &)> &pages)
{
    const std::unique_ptr<QObject> notice = ctx.dialogs->showWaiting(parent, kSending, kTitle);
    PrinterProvider *printers = ctx.printers;
    const std::optional<DefaultPrinter> printer =
        waitForPrintSystem<DefaultPrinter>([printers] { return printers->findDefaultPrinter(); });
    if (!printer)
        return {printServerNotAnsweringText()};
    if (!printer->problem.isEmpty())
        return {printer->problem};
    const std::shared_ptr<PrintJob> job = printers->startOnPrinter(*printer, documentName);
    if (!job)
        return {QStringLiteral("印刷を始められませんでした。")};
    if (!run(*job, pages))
        return {job->problem()};
    // The job stays with the thread that hands it over, should the window stop waiting.
    const std::optional<bool> sent = waitForPrintSystem<bool>([job] { return job->handOver(); });
    if (!sent)
        return {printServerNotAnsweringText()
                    + QStringLiteral("ページがプリンターに届いたかどうか確かめられません。"),
                true};
    return {*sent ? QString() : job->problem()};
}

QString suggestedPdfPath(const QString &documentName)
{
    // Where Documents does not exist the file dialog would open in the working folder,
    // which the launcher sets to a hidden one: the home folder instead.
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();
    return QDir(folder).filePath(documentName + QStringLiteral(".pdf"));
}
} // namespace

void setPrintSystemLimit(std::chrono::milliseconds limit)
{
    printSystemLimit = limit;
}

PrintOutcome printPages(AppContext &ctx, QWidget *parent, const QString &documentName,
                        const std::function<void(PrintJob &)> &pages)
{
    if (!ctx.printers) {
        ctx.dialogs->inform(parent, QStringLiteral("プリンターを使えません。印刷されていません。"), kTitle);
        return PrintOutcome::NotPrinted;
    }
    const PrinterResult printed = printOnDefaultPrinter(ctx, parent, documentName, pages);
    if (printed.why.isEmpty())
        return PrintOutcome::Printed;

    const QString offer = printed.mayStillPrint
        ? QStringLiteral("\n印刷されなかったときのために、同じページをPDFファイルに保存しますか？")
        : QStringLiteral("\n印刷されていません。同じページをPDFファイルに保存しますか？");
    if (!ctx.dialogs->choose(parent, printed.why + offer, kTitle, QStringLiteral("PDFに保存する"),
                             QStringLiteral("保存しない")))
        return PrintOutcome::NotPrinted;
    const std::optional<QString> path =
        ctx.dialogs->askSavePath(parent, QStringLiteral("PDFファイルに保存"), suggestedPdfPath(documentName));
    if (!path || path->isEmpty())
        return PrintOutcome::NotPrinted;

    const std::unique_ptr<PrintJob> pdf = ctx.printers->startPdf(*path, documentName);
    if (pdf && run(*pdf, pages) && pdf->handOver()) {
        ctx.dialogs->inform(parent, QStringLiteral("PDFファイル「%1」に保存しました。").arg(QDir::toNativeSeparators(*path)),
                            kTitle);
        return PrintOutcome::SavedAsPdf;
    }
    ctx.dialogs->inform(parent,
                        (pdf ? pdf->problem() : QStringLiteral("PDFファイルを作れませんでした。"))
                            + QStringLiteral("\n印刷も保存もされていません。"),
                        kTitle);
    return PrintOutcome::NotPrinted;
}
