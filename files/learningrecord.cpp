#include "files/learningrecord.h"

#include "files/cp932.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>

namespace learningrecord {

namespace {
const QString kHeading = QStringLiteral("日時,テスト,順序,章,回目,番号,英語,正誤,ヒント,秒,得点,所要秒");
constexpr int kFields = 12;
constexpr QByteArrayView kCrLf("\r\n");

// A non-negative decimal number of at most nine digits; -1 for anything else.
int number(QByteArrayView field)
{
    if (field.isEmpty() || field.size() > 9)
        return -1;
    int value = 0;
    for (char c : field) {
        if (c < '0' || c > '9')
            return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

// "2026-12-08 18:08:26"; invalid for anything else.
ClockTime clockTime(QByteArrayView field)
{
    if (field.size() != 19 || field[4] != '-' || field[7] != '-' || field[10] != ' ' || field[13] != ':' ||
        field[16] != ':')
        return {};
    const QDate date(number(field.sliced(0, 4)), number(field.sliced(5, 2)), number(field.sliced(8, 2)));
    const QTime time(number(field.sliced(11, 2)), number(field.sliced(14, 2)), number(field.sliced(17, 2)));
    if (!date.isValid() || !time.isValid())
        return {};
    return {date, time};
}

// The fields of a line, as places in it. (Left unset until split: a line is read some
// hundred thousand times when the record screen opens.)
struct Fields {
    const char *start[kFields];
    qsizetype size[kFields];
    QByteArrayView operator[](int n) const { return {start[n], size[n]}; }
};

// Splits a line into its kFields fields, without copying: a field in double quotes is given
// with its quotes (see unquoted). Returns false for any other number of fields, an unclosed
// quote or text after a closing one.
bool splitFields(QByteArrayView line, Fields &fields)
{
    const char *p = line.data();
    const char *const end = p + line.size();
    for (int n = 0; n < kFields; ++n) {
        const char *start = p;
        if (p < end && *p == '"') {
            for (++p;; ++p) {
                if (p == end)
                    return false;
                if (*p == '"') {
                    if (p + 1 < end && p[1] == '"')
                        ++p; // a doubled quote
                    else
                        break;
                }
            }
            ++p;
            if (p < end && *p != ',')
                return false;
        } else {
            while (p < end && *p != ',')
                ++p;
        }
        fields.start[n] = start;
        fields.size[n] = p - start;
        if (p == end)
            return n == kFields - 1;
        ++p; // the comma
    }
    return false;
}

// A field without its double quotes and with its doubled quotes single.
QByteArray unquoted(QByteArrayView field)
{
    if (!field.startsWith('"'))
        return field.toByteArray();
    QByteArray text = field.sliced(1, field.size() - 2).toByteArray();
    return text.contains('"') ? text.replace("\"\"", "\"") : text;
}

bool isAscii(QByteArrayView bytes)
{
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return uchar(c) < 0x80; });
}
} // namespace

QByteArray headingLine()
{
    return cp932::encode(kHeading).bytes + kCrLf.toByteArray();
}

QByteArray encodeLine(const AnswerLine &line)
{
    const cp932::EncodeResult english = cp932::encode(line.english);
    if (!english.ok())
        return {};
    QByteArray quoted = english.bytes;
    quoted.replace("\"", "\"\"");
    const QDate day = line.passStart.date();
    const QTime time = line.passStart.time();
    char stamp[32] = {}; // a start that is no time at all is written empty, and read as a damaged line
    if (line.passStart.isValid())
        std::snprintf(stamp, sizeof stamp, "%04d-%02d-%02d %02d:%02d:%02d", day.year(), day.month(), day.day(),
                      time.hour(), time.minute(), time.second());
    QByteArray out(stamp);
    for (int n : {line.kind, line.order, line.chapter, line.passNo, line.item})
        out += ',' + QByteArray::number(n);
    out += ",\"" + quoted + "\"";
    for (int n : {int(line.right), int(line.hint), line.second})
        out += ',' + QByteArray::number(n);
    out += ',';
    if (line.score)
        out += QByteArray::number(*line.score);
    out += ',' + QByteArray::number(line.passSeconds);
    return out + kCrLf.toByteArray();
}

bool parseInto(QByteArrayView bytes, AnswerLine &line)
{
    Fields f; // NOLINT(cppcoreguidelines-pro-type-member-init): filled by splitFields
    if (!splitFields(bytes, f))
        return false;
    // The answers of a pass follow one another with the same start: it is worked out once.
    thread_local std::array<char, 19> lastStamp{};
    thread_local ClockTime lastStart;
    if (f[0].size() != qsizetype(lastStamp.size()))
        return false;
    if (std::memcmp(f[0].data(), lastStamp.data(), lastStamp.size()) != 0) {
        lastStart = clockTime(f[0]);
        std::memcpy(lastStamp.data(), f[0].data(), lastStamp.size());
    }
    line.passStart = lastStart;
    line.kind = number(f[1]);
    line.order = number(f[2]);
    line.chapter = number(f[3]);
    line.passNo = number(f[4]);
    line.item = number(f[5]);
    const int right = number(f[7]);
    const int hint = number(f[8]);
    line.second = number(f[9]);
    line.passSeconds = number(f[11]);
    if (!line.passStart.isValid() || line.kind < 1 || line.kind > 3 || line.order < 0 || line.order > 2 ||
        line.chapter < 1 || line.chapter > 60 || line.passNo < 1 || line.item < 0 || right < 0 || right > 1 ||
        hint < 0 || hint > 1 || line.second < 0 || line.passSeconds < 0)
        return false;
    line.score.reset();
    if (!f[10].isEmpty()) {
        const int score = number(f[10]);
        if (score < 0 || score > 100)
            return false;
        line.score = score;
    }
    // An item's English comes again and again: the text of its last line is shared when the
    // bytes are the same, which saves most of the reading of a long record.
    struct Seen {
        QByteArray bytes;
        QString text;
    };
    thread_local std::array<Seen, 61 * 51> seen;
    Seen &last = seen[size_t(line.chapter * 51 + std::min(line.item, 50))];
    const QByteArrayView english = f[6];
    if (english != QByteArrayView(last.bytes)) {
        if (english.size() >= 2 && english.startsWith('"') && !english.contains("\"\"") && isAscii(english))
            last.text = QString::fromLatin1(english.sliced(1, english.size() - 2));
        else
            last.text = cp932::decode(unquoted(english));
        last.bytes = english.toByteArray();
    }
    line.english = last.text;
    line.right = right == 1;
    line.hint = hint == 1;
    return true;
}

std::optional<AnswerLine> parseLine(QByteArrayView bytes)
{
    AnswerLine line;
    if (!parseInto(bytes, line))
        return std::nullopt;
    return line;
}

QByteArray exportCsv(const QList<AnswerLine> &lines)
{
    QByteArray out = headingLine();
    out.reserve(lines.size() * 64);
    for (const AnswerLine &line : lines)
        out += encodeLine(line);
    return out;
}

QString saveExport(const QString &path, const QByteArray &bytes)
{
    const QFileInfo info(path);
    return DataFolder(info.absolutePath()).write(info.fileName(), bytes);
}

QString fileName(int year, int part)
{
    return part <= 1 ? QStringLiteral("kiroku%1.csv").arg(year) : QStringLiteral("kiroku%1-%2.csv").arg(year).arg(part);
}

namespace {
const QRegularExpression &namePattern()
{
    static const QRegularExpression pattern(QStringLiteral("^kiroku(\\d{4})(?:-(\\d{1,3}))?\\.csv$"),
                                            QRegularExpression::CaseInsensitiveOption);
    return pattern;
}
} // namespace

bool isRecordFileName(const QString &name)
{
    return namePattern().match(name).hasMatch();
}

} // namespace learningrecord

namespace {
// A record file of the data folder: the year and the part its name gives.
struct RecordFile {
    int year, part;
    QString name;
};

// The record files of the folder, oldest year and part first.
QList<RecordFile> recordFiles(const DataFolder &folder)
{
    QList<RecordFile> files;
    const QStringList names = QDir(folder.root()).entryList(QDir::Files | QDir::Hidden);
    for (const QString &name : names) {
        const QRegularExpressionMatch m = learningrecord::namePattern().match(name);
        if (m.hasMatch())
            files.append({m.captured(1).toInt(), m.captured(2).isEmpty() ? 1 : m.captured(2).toInt(), name});
    }
    std::sort(files.begin(), files.end(),
              [](const RecordFile &a, const RecordFile &b) { return std::tie(a.year, a.part) < std::tie(b.year, b.part); });
    return files;
}
} // namespace

QStringList LearningRecordReader::fileNames() const
{
    QStringList names;
    for (const RecordFile &file : recordFiles(folder_))
        names << file.name;
    return names;
}

LearningRecordReader::Result LearningRecordReader::readAll() const
{
    Result result;
    QList<DataFolder::Read> files;
    qsizetype total = 0;
    for (const QString &name : fileNames()) {
        files << folder_.read(name);
        total += files.last().bytes.size();
    }
    result.lines.reserve(total / 48); // about the shortest line of a word
    for (const DataFolder::Read &read : std::as_const(files)) {
        if (!read.ok()) {
            result.problems << read.problem;
            continue;
        }
        const QByteArrayView bytes(read.bytes);
        qsizetype start = 0;
        while (start < bytes.size()) {
            const auto *lf = static_cast<const char *>(std::memchr(bytes.data() + start, '\n', size_t(bytes.size() - start)));
            if (!lf) { // a last line without its line end: cut off while being written
                ++result.skipped;
                break;
            }
            const qsizetype end = lf - bytes.data();
            const bool crLf = end > start && bytes[end - 1] == '\r';
            const QByteArrayView text = bytes.sliced(start, end - start - (crLf ? 1 : 0));
            start = end + 1;
            if (!crLf) { // a line end without its CR: not a line the program wrote
                ++result.skipped;
                continue;
            }
            // Read into its place in the list: no copy of a line is made.
            if (learningrecord::parseInto(text, result.lines.emplace_back()))
                continue;
            result.lines.removeLast();
            if (text != QByteArrayView(learningrecord::headingLine()).chopped(2))
                ++result.skipped;
        }
    }
    return result;
}

QString LearningRecordWriter::append(const QList<AnswerLine> &lines) const
{
    // The lines of each year, in their order.
    QMap<int, QByteArray> years;
    for (const AnswerLine &line : lines) {
        const QByteArray bytes = learningrecord::encodeLine(line);
        if (bytes.isEmpty())
            return QStringLiteral("「%1」はShift_JIS（コードページ932）で書けない文字を含むため、学習の記録に書けません。")
                .arg(line.english);
        years[line.passStart.date().year()] += bytes;
    }
    for (auto it = years.cbegin(); it != years.cend(); ++it) {
        const QString problem = appendYear(it.key(), it.value());
        if (!problem.isEmpty())
            return problem;
    }
    return {};
}

QString LearningRecordWriter::appendYear(int year, const QByteArray &bytes) const
{
    // The lines go after every line of the year written before: into the year's last file, or
    // into new ones after it, never into room left in an earlier one (the record is read
    // file by file, and the order of the answers is the order of the boxes of 苦手な問題).
    int lastPart = 1;
    for (const RecordFile &file : recordFiles(folder_)) {
        if (file.year == year)
            lastPart = file.part; // the files come in order
    }
    QByteArrayView pending(bytes); // whole lines, each with its CR LF
    for (int part = lastPart; part <= 999 && !pending.isEmpty(); ++part) {
        const QString name = learningrecord::fileName(year, part);
        const QFileInfo info(folder_.pathOf(name));
        if (info.exists() && info.size() + 2 >= limit_)
            continue; // full, or not a file we can add to
        const DataFolder::Read read = folder_.read(name);
        if (read.status == DataFolder::Read::Failed)
            continue; // unreadable: kept as it is for whoever can mend it
        QByteArray content = read.ok() ? read.bytes : learningrecord::headingLine();
        // A line cut off by a crash gets its line end, so that it stays one damaged line.
        if (!content.isEmpty() && !content.endsWith(learningrecord::kCrLf))
            content += learningrecord::kCrLf.toByteArray();
        // As many whole lines as the file has room for.
        qsizetype take = 0;
        for (qsizetype end; (end = pending.indexOf(learningrecord::kCrLf, take)) >= 0;) {
            if (content.size() + end + 2 > limit_)
                break;
            take = end + 2;
        }
        if (take == 0)
            continue;
        const QString problem = folder_.write(name, content.append(pending.first(take)));
        if (!problem.isEmpty())
            return problem;
        pending = pending.sliced(take);
    }
    return pending.isEmpty() ? QString() : QStringLiteral("学習の記録のファイルがいっぱいで、今回の記録を書けませんでした。");
}

QString LearningRecordWriter::clearKind(int kind) const
{
    for (const QString &name : LearningRecordReader(folder_).fileNames()) {
        const DataFolder::Read read = folder_.read(name);
        if (!read.ok())
            continue; // unreadable: left for whoever can mend it
        QByteArray kept;
        bool changed = false;
        for (QByteArrayView rest(read.bytes); !rest.isEmpty();) {
            const qsizetype end = rest.indexOf(learningrecord::kCrLf);
            const QByteArrayView line = end < 0 ? rest : rest.first(end + 2);
            rest = end < 0 ? QByteArrayView() : rest.sliced(end + 2);
            const std::optional<AnswerLine> parsed = learningrecord::parseLine(end < 0 ? line : line.chopped(2));
            if (parsed && parsed->kind == kind)
                changed = true;
            else
                kept += line;
        }
        if (!changed)
            continue;
        const QString problem = folder_.write(name, kept);
        if (!problem.isEmpty())
            return problem;
    }
    return {};
}

QString LearningRecordWriter::clear() const
{
    for (const QString &name : LearningRecordReader(folder_).fileNames()) {
        if (!QFile::remove(folder_.pathOf(name)))
            return QStringLiteral("学習の記録「%1」を削除できませんでした。").arg(folder_.displayName(name));
    }
    return {};
}
