#include "pdffile.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include <algorithm>

int pdfPageCount(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray bytes = file.readAll();
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"));
    int n = 0;
    for (auto it = page.globalMatch(QString::fromLatin1(bytes)); it.hasNext(); it.next())
        ++n;
    return n;
}

std::optional<QString> pdfText(const QString &path, bool boxes)
{
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (tool.isEmpty())
        return std::nullopt;
    QProcess process;
    QStringList args;
    if (boxes)
        args << QStringLiteral("-bbox");
    args << QStringLiteral("-enc") << QStringLiteral("UTF-8") << path << QStringLiteral("-");
    process.start(tool, args);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return std::nullopt;
    return QString::fromUtf8(process.readAllStandardOutput());
}

std::optional<QList<PdfWord>> pdfWords(const QString &path)
{
    const std::optional<QString> xhtml = pdfText(path, true);
    if (!xhtml)
        return std::nullopt;
    static const QRegularExpression tag(QStringLiteral(
        "<page |<word xMin=\"([-0-9.]+)\" yMin=\"([-0-9.]+)\" xMax=\"([-0-9.]+)\" yMax=\"([-0-9.]+)\">([^<]*)</word>"));
    QList<PdfWord> words;
    int page = 0;
    for (auto it = tag.globalMatch(*xhtml); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (m.captured(1).isEmpty()) {
            ++page;
            continue;
        }
        QString text = m.captured(5);
        text.replace(QStringLiteral("&lt;"), QStringLiteral("<")).replace(QStringLiteral("&gt;"), QStringLiteral(">"));
        text.replace(QStringLiteral("&quot;"), QStringLiteral("\"")).replace(QStringLiteral("&amp;"), QStringLiteral("&"));
        words.append({page, QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                                   QPointF(m.captured(3).toDouble(), m.captured(4).toDouble())),
                      text});
    }
    return words;
}

QStringList overlappingWords(const QList<PdfWord> &words)
{
    const auto describe = [](const PdfWord &w) {
        return QStringLiteral("\u00AB%1\u00BB (%2, %3 - %4, %5)")
            .arg(w.text)
            .arg(w.box.left(), 0, 'f', 1)
            .arg(w.box.top(), 0, 'f', 1)
            .arg(w.box.right(), 0, 'f', 1)
            .arg(w.box.bottom(), 0, 'f', 1);
    };
    QStringList found;
    for (qsizetype i = 0; i < words.size(); ++i) {
        for (qsizetype j = i + 1; j < words.size() && words[j].page == words[i].page; ++j) {
            // Boxes that only touch, to a hundredth of a point, do not overlap.
            const QRectF common = words[i].box.intersected(words[j].box);
            if (common.width() > 0.01 && common.height() > 0.01)
                found << QStringLiteral("page %1: %2 and %3").arg(words[i].page).arg(describe(words[i]), describe(words[j]));
        }
    }
    return found;
}

qsizetype wordCount(const QList<PdfWord> &words, const QString &text)
{
    return std::count_if(words.begin(), words.end(), [&](const PdfWord &w) { return w.text == text; });
}
