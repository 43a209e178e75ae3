#include "rules/editor/chaptertexts.h"

#include "files/coursefiles.h"
#include "files/datafolder.h"
#include "files/questionbank.h"

#include <QFileInfo>

ChapterTexts readChapterTexts(const DataFolder &folder, const QString &name)
{
    ChapterTexts file;
    QString problem;
    bool linesPast60 = false;
    file.lines = readChapterLines(folder, name, &problem, &linesPast60);
    if (linesPast60) {
        file.notice = QStringLiteral("ファイル「%1」には60行目より後にも行があります。ここで書き換えると、61行目から後は消えます。")
                          .arg(folder.displayName(name));
    }
    while (file.lines.size() < kChapterCount)
        file.lines.append(QString());
    if (!problem.isEmpty()) {
        file.missing = !QFileInfo::exists(folder.pathOf(name));
        file.problem = problem;
        return file;
    }
    for (int n = 0; n < kChapterCount; ++n) {
        if (file.lines[n].contains(QChar::ReplacementCharacter)) {
            file.problem = QStringLiteral("ファイル「%1」の%2行目にShift_JISとして読めない文字があるため、このファイルは書き換えません。")
                               .arg(folder.displayName(name))
                               .arg(n + 1);
            break;
        }
    }
    return file;
}

QString writeChapterText(const DataFolder &folder, const QString &name, const ChapterTexts &file, int chapter,
                         const QString &text)
{
    if (!file.rewritable())
        return file.problem;
    if (chapter < 1 || chapter > kChapterCount)
        return QStringLiteral("章の番号 %1 は 1 から 60 の範囲にありません。").arg(chapter);
    if (text.contains(u'\r') || text.contains(u'\n'))
        return QStringLiteral("改行は入れられません。ファイル「%1」は書き換えていません。").arg(folder.displayName(name));
    QStringList lines = file.lines.mid(0, kChapterCount);
    while (lines.size() < kChapterCount)
        lines.append(QString());
    lines[chapter - 1] = text;
    return folder.writeLines(name, lines);
}
