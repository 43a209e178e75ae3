#include "files/questionbank.h"

#include "files/datafolder.h"
#include "files/textreader.h"

QString levelFileName(int chapter)
{
    return QStringLiteral("T/LEVEL.") + QString::number(chapter);
}

ChapterQuestions parseQuestions(const QString &text)
{
    ChapterQuestions chapter;
    TextReader reader(text);
    for (int i = 1; i <= kMaxQuestions; ++i) {
        if (reader.atEnd()) {
            chapter.ranShort = true;
            break;
        }
        Question q;
        q.eng = reader.readLine();
        if (q.eng == QStringLiteral("*")) {
            chapter.endedByMarker = true;
            break;
        }
        q.jpn = reader.readLine();
        q.third = reader.readLine();
        chapter.items.append(q);
    }
    return chapter;
}

ChapterQuestions readChapter(const DataFolder &folder, int chapter)
{
    if (chapter < 1 || chapter > kChapterCount) {
        ChapterQuestions none;
        none.problem = QStringLiteral("章の番号 %1 は 1 から 60 の範囲にありません。").arg(chapter);
        return none;
    }
    QString problem;
    const QString text = folder.readText(levelFileName(chapter), &problem);
    if (!problem.isEmpty()) {
        ChapterQuestions none;
        none.problem = problem;
        return none;
    }
    ChapterQuestions read = parseQuestions(text);
    read.undecodable = DataFolder::undecodable(text);
    for (qsizetype i = 0; i < read.items.size(); ++i) {
        Question &q = read.items[i];
        int line = int(i) * 3;
        for (QString *field : {&q.eng, &q.jpn, &q.third}) {
            ++line;
            if (field->size() <= kMaxLineLength)
                continue;
            field->truncate(kMaxLineLength);
            if (read.longLine == 0)
                read.longLine = line;
        }
    }
    return read;
}

QString readingNotice(const DataFolder &folder, int chapter, const ChapterQuestions &questions, const QString &use)
{
    if (!questions.readable())
        return {};
    QStringList lines;
    const QString name = levelFileName(chapter);
    if (questions.ranShort) {
        lines << QStringLiteral("ファイル「%1」は終わりの印「*」の行がないまま終わっています。読めた %2 問%3")
                     .arg(folder.displayName(name))
                     .arg(questions.items.size())
                     .arg(use);
    }
    if (const QString encoding = folder.encodingProblem(name, questions.undecodable); !encoding.isEmpty())
        lines << encoding;
    if (questions.longLine > 0) {
        lines << QStringLiteral("ファイル「%1」の%2行目は%3文字より長いため、%3文字までを使います。")
                     .arg(folder.displayName(name))
                     .arg(questions.longLine)
                     .arg(kMaxLineLength);
    }
    return lines.join(u'\n');
}
