#include "rules/editor/questionslots.h"

#include "files/cp932.h"
#include "files/datafolder.h"
#include "files/textreader.h"

namespace {
constexpr int kSlotLines = 3 * kMaxQuestions;
const QString kMarker = QStringLiteral("*");

// Past line 150 only another marker record, or nothing but blank lines, may be left out
// without losing anything.
bool holdsTextPastLastSlot(TextReader &reader)
{
    bool first = true;
    int afterMarker = 0;
    while (!reader.atEnd()) {
        const QString line = reader.readLine();
        if (first && line == kMarker)
            afterMarker = 2;
        else if (afterMarker > 0)
            --afterMarker; // the marker record's own second and third lines are never read
        else if (!line.isEmpty())
            return true;
        first = false;
    }
    return false;
}

const QString &lineCaption(int line)
{
    static const QString captions[3] = {QStringLiteral("英語"), QStringLiteral("日本語"), QStringLiteral("ダミー")};
    return captions[line];
}
} // namespace

ChapterSlots readChapterSlots(const DataFolder &folder, int chapter)
{
    ChapterSlots result;
    result.records.resize(kMaxQuestions);
    if (chapter < 1 || chapter > kChapterCount) {
        result.unreadable = true;
        result.problem = QStringLiteral("章の番号 %1 は 1 から 60 の範囲にありません。").arg(chapter);
        return result;
    }
    const DataFolder::Read raw = folder.read(levelFileName(chapter));
    if (!raw.ok()) {
        result.problem = raw.problem;
        result.missing = raw.status == DataFolder::Read::Missing;
        result.unreadable = !result.missing;
        if (result.missing)
            result.records[0].eng = kMarker; // a new chapter without questions
        return result;
    }
    const QString text = cp932::decode(raw.bytes);
    result.undecodable = text.contains(QChar::ReplacementCharacter);
    result.utf8 = DataFolder::looksLikeUtf8(raw.bytes);

    const ChapterQuestions questions = parseQuestions(text);
    result.questionCount = int(questions.items.size());

    TextReader reader(text);
    int line = 0;
    for (Question &slot : result.records) {
        for (QString *text : {&slot.eng, &slot.jpn, &slot.third}) {
            *text = reader.readLine();
            ++line;
            if (text->size() > kMaxLineLength && result.longLine == 0)
                result.longLine = line;
        }
    }
    result.linesDropped = holdsTextPastLastSlot(reader);

    // Saved as it stands, the blank slots after the last record would become questions.
    if (!questions.endedByMarker && result.questionCount < kMaxQuestions) {
        result.markerAddedAt = result.questionCount + 1;
        result.records[result.questionCount].eng = kMarker;
    }
    return result;
}

QList<Question> mergedSlots(const QList<Question> &now, const QList<Question> &base, const QList<Question> &edited)
{
    QList<Question> merged = now;
    merged.resize(kMaxQuestions);
    for (int i = 0; i < kMaxQuestions; ++i) {
        if (edited.value(i) != base.value(i))
            merged[i] = edited.value(i);
    }
    return merged;
}

QStringList slotLines(const QList<Question> &records)
{
    QStringList lines;
    lines.reserve(kSlotLines);
    for (int i = 0; i < kMaxQuestions; ++i) {
        const Question slot = records.value(i);
        lines << slot.eng << slot.jpn << slot.third;
    }
    return lines;
}

int questionCountOf(const QList<Question> &records)
{
    return int(parseQuestions(joinLinesCrLf(slotLines(records))).items.size());
}

QString writeChapterSlots(const DataFolder &folder, int chapter, const QList<Question> &records)
{
    const QString name = levelFileName(chapter);
    const QStringList lines = slotLines(records);
    for (int i = 0; i < lines.size(); ++i) {
        const QString &text = lines[i];
        const QString where = QStringLiteral("%1番目の「%2」").arg(i / 3 + 1).arg(lineCaption(i % 3));
        if (text.contains(u'\r') || text.contains(u'\n')) {
            return QStringLiteral("%1に改行が入っています。改行は保存できません。ファイル「%2」は書き換えていません。")
                .arg(where, folder.displayName(name));
        }
        const cp932::EncodeResult encoded = cp932::encode(text);
        if (!encoded.ok()) {
            return QStringLiteral("%1にある %2 はShift_JIS（コードページ932）で保存できない文字です。ファイル「%3」は書き換えていません。")
                .arg(where, cp932::describeCharacter(*encoded.badCharacter), folder.displayName(name));
        }
    }
    return folder.writeLines(name, lines);
}
