#include "print/printrun.h"

#include "app/appcontext.h"
#include "app/dialogs.h"
#include "print/printerprovider.h"
#include "print/printjob.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
const QString kTitle = QStringLiteral("印刷");

// Runs the pages into the job and ends it; true when it went out whole.
bool run(PrintJob &job, const std::function<void(PrintJob &)> &pages)
{
    pages(job);
    job.endDocument();
    return !job.failed();
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

PrintOutcome printPages(AppContext &ctx, QWidget *parent, const QString &documentName,
                        const std::function<void(PrintJob &)> &pages)
{
    if (!ctx.printers) {
        ctx.dialogs->inform(parent, QStringLiteral("プリンターを使えません。印刷されていません。"), kTitle);
        return PrintOutcome::NotPrinted;
    }
    QString why;
    if (!ctx.printers->hasDefaultPrinter()) {
        why = QStringLiteral("プリンターが見つかりません（通常使うプリンターが設定されていません）。");
    } else {
        const std::unique_ptr<PrintJob> job = ctx.printers->startOnDefaultPrinter(documentName);
        if (job && run(*job, pages))
            return PrintOutcome::Printed;
        why = job ? job->problem() : QStringLiteral("印刷を始められませんでした。");
    }

    if (!ctx.dialogs->choose(parent, why + QStringLiteral("\n印刷されていません。同じページをPDFファイルに保存しますか？"),
                             kTitle, QStringLiteral("PDFに保存する"), QStringLiteral("保存しない")))
        return PrintOutcome::NotPrinted;
    const std::optional<QString> path =
        ctx.dialogs->askSavePath(parent, QStringLiteral("PDFファイルに保存"), suggestedPdfPath(documentName));
    if (!path || path->isEmpty())
        return PrintOutcome::NotPrinted;

    const std::unique_ptr<PrintJob> pdf = ctx.printers->startPdf(*path, documentName);
    if (pdf && run(*pdf, pages)) {
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
