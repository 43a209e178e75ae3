#include "rules/editor/questioneditor.h"

#include "files/cp932.h"

#include <algorithm>
#include <optional>

namespace {
const QString kMarker = QStringLiteral("*");

// The rows of tab-separated text as spreadsheets copy it: a cell holding a tab, a line
// break or a quote comes in double quotes, with its quotes doubled. Rows at the end whose
// cells are all empty are left out: a copied range often runs past the last filled row.
QList<QStringList> spreadsheetRows(const QString &text)
{
    QList<QStringList> rows;
    QStringList row;
    qsizetype i = 0;
    const qsizetype n = text.size();
    const auto endOfCell = [&](qsizetype at) { return at >= n || text[at] == u'\t' || text[at] == u'\n' || text[at] == u'\r'; };
    while (i <= n) {
        QString cell;
        bool quoted = false;
        if (i < n && text[i] == u'"') {
            // A quoted cell, if its closing quote ends the cell; otherwise the quote is text.
            QString inside;
            qsizetype j = i + 1;
            while (j < n) {
                if (text[j] == u'"') {
                    if (j + 1 < n && text[j + 1] == u'"') {
                        inside += u'"';
                        j += 2;
                        continue;
                    }
                    break;
                }
                inside += text[j++];
            }
            if (j < n && endOfCell(j + 1)) {
                cell = inside;
                i = j + 1;
                quoted = true;
            }
        }
        if (!quoted) {
            while (!endOfCell(i))
                cell += text[i++];
        }
        row << cell;
        if (i < n && text[i] == u'\t') {
            ++i;
            continue;
        }
        rows << row;
        row.clear();
        if (i >= n)
            break;
        i += text[i] == u'\r' && i + 1 < n && text[i + 1] == u'\n' ? 2 : 1;
    }
    const auto allEmpty = [](const QStringList &cells) {
        return std::all_of(cells.begin(), cells.end(), [](const QString &cell) { return cell.isEmpty(); });
    };
    while (!rows.isEmpty() && allEmpty(rows.last()))
        rows.removeLast();
    return rows;
}

// Cells copied past the last column often come along empty: they are no column of the row.
qsizetype filledColumns(const QStringList &cells)
{
    qsizetype n = cells.size();
    while (n > 0 && cells[n - 1].isEmpty())
        --n;
    return n;
}

// A control character (NUL, a tab inside a cell, an escape...) could never be typed as an
// answer; the first one in the text, else nothing.
std::optional<char16_t> controlCharacterIn(const QString &cell)
{
    for (const QChar c : cell) {
        if (c.category() == QChar::Other_Control)
            return c.unicode();
    }
    return std::nullopt;
}

// The slot of the end marker "*", or 0 when the chapter fills all 50 slots.
int markerSlot(const QList<Question> &records)
{
    for (int i = 1; i <= records.size(); ++i) {
        if (records[i - 1].eng == kMarker)
            return i;
    }
    return 0;
}
} // namespace

QuestionEditor::QuestionEditor(QList<Question> records) : records_(std::move(records))
{
    records_.resize(kMaxQuestions);
}

void QuestionEditor::setRecords(QList<Question> records)
{
    records_ = std::move(records);
    records_.resize(kMaxQuestions);
}

const Question &QuestionEditor::shown() const
{
    static const Question none;
    return slot_ >= 1 ? records_[slot_ - 1] : none;
}

Question *QuestionEditor::current()
{
    return slot_ >= 1 ? &records_[slot_ - 1] : nullptr;
}

bool QuestionEditor::first()
{
    slot_ = 1;
    return true;
}

bool QuestionEditor::previous()
{
    if (slot_ <= 1)
        return false;
    --slot_;
    return true;
}

bool QuestionEditor::next()
{
    if (slot_ >= kMaxQuestions)
        return false;
    ++slot_;
    return true;
}

bool QuestionEditor::last()
{
    slot_ = kMaxQuestions;
    return true;
}

void QuestionEditor::setEng(const QString &text)
{
    if (Question *q = current())
        q->eng = text;
}

void QuestionEditor::setJpn(const QString &text)
{
    if (Question *q = current())
        q->jpn = text;
}

void QuestionEditor::setThird(const QString &text)
{
    if (Question *q = current())
        q->third = text;
}

QuestionEditor::Paste QuestionEditor::planPaste(const QString &clipboard) const
{
    static const QString captions[3] = {QStringLiteral("英語"), QStringLiteral("日本語"), QStringLiteral("ダミー")};
    const QString nothing = QStringLiteral("何も貼り付けていません。");
    Paste plan;
    plan.from = std::max(slot_, 1);
    const QList<QStringList> rows = spreadsheetRows(clipboard);
    if (rows.isEmpty()) {
        plan.problem = QStringLiteral("クリップボードに貼り付けられる行がありません。表計算ソフトで英語と日本語の列を選んでコピーしてから押してください。");
        return plan;
    }
    for (qsizetype r = 0; r < rows.size() && plan.problem.isEmpty(); ++r) {
        const QStringList &cells = rows[r];
        const QString row = QStringLiteral("クリップボードの%1行目").arg(r + 1);
        if (plan.from + r > kMaxQuestions) {
            plan.problem = QStringLiteral("%1番目から貼り付けると、%2が%3番目を越えます。1つの章は%3問までです。")
                               .arg(plan.from)
                               .arg(row)
                               .arg(kMaxQuestions);
            break;
        }
        if (cells.size() < 2) {
            plan.problem = row + QStringLiteral("は列が1つしかありません。英語と日本語（とダミー）をタブで区切った行にしてください。");
            break;
        }
        if (filledColumns(cells) > 3) {
            plan.problem = row + QStringLiteral("は列が%1つあります。貼り付けられるのは英語、日本語、ダミーの3列までです。")
                                     .arg(filledColumns(cells));
            break;
        }
        for (int c = 0; c < 3 && c < cells.size() && plan.problem.isEmpty(); ++c) {
            const QString where = row + QStringLiteral("の「%1」").arg(captions[c]);
            const cp932::EncodeResult encoded = cp932::encode(cells[c]);
            const std::optional<char16_t> control = controlCharacterIn(cells[c]);
            if (cells[c].contains(u'\n') || cells[c].contains(u'\r'))
                plan.problem = where + QStringLiteral("のセルに改行が入っています。改行は登録できません。");
            else if (control)
                plan.problem = where + QStringLiteral("に制御文字 U+%1 が入っています。制御文字は登録できません。")
                                           .arg(QString::number(*control, 16).toUpper().rightJustified(4, u'0'));
            else if (cells[c].size() > kMaxLineLength)
                plan.problem = where + QStringLiteral("は%1文字より長く、登録できません。").arg(kMaxLineLength);
            else if (!encoded.ok())
                plan.problem = where + QStringLiteral("にある %1 はShift_JIS（コードページ932）で保存できない文字です。")
                                           .arg(cp932::describeCharacter(*encoded.badCharacter));
            else if (c == 0 && cells[c] == kMarker)
                plan.problem = where + QStringLiteral("が「*」です。「*」は章の終わりの印なので貼り付けられません。");
        }
        plan.rows.append({cells[0], cells[1], cells.value(2)});
    }
    if (!plan.problem.isEmpty()) {
        plan.rows.clear();
        plan.problem += nothing;
        return plan;
    }
    // Rows after the marker are kept in the file, but no test reads them.
    const int marker = markerSlot(records_);
    if (marker > 0 && plan.from > marker)
        plan.notice = QStringLiteral("%1番目に章の終わりの印「*」があります。「*」より後ろは読まれません。").arg(marker);
    return plan;
}

void QuestionEditor::paste(const Paste &plan)
{
    if (!plan.problem.isEmpty() || plan.rows.isEmpty())
        return;
    const int lastSlot = plan.from + int(plan.rows.size()) - 1;
    const int marker = markerSlot(records_);
    for (int i = 0; i < plan.rows.size(); ++i)
        records_[plan.from - 1 + i] = plan.rows[i];
    if (marker >= plan.from && marker <= lastSlot && lastSlot < kMaxQuestions)
        records_[lastSlot] = Question{kMarker, QString(), QString()};
}
