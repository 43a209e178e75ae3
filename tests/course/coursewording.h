// How the course's Japanese lines are read against their English: the fixed words of
// docs/fixed-words.tsv found in a Japanese line, the cues at its end, and English words
// compared in any of their usual forms (went → go, earlier → early).
#pragma once

#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>

namespace coursewording {

struct FixedWord {
    QStringList japanese; // alternatives, as 写真・絵
    QString english;      // may hold ～ for the words between, as like ～ very much
};

// The rows of the table, or an empty list with `problem` set.
inline QList<FixedWord> readFixedWords(const QString &path, QString *problem)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *problem = path + QStringLiteral(": not readable");
        return {};
    }
    QList<FixedWord> rows;
    for (const QString &line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList fields = line.split(u'\t');
        if (fields.size() != 2 || fields[0].isEmpty() || fields[1].isEmpty() || line.contains(u'\r')) {
            *problem = QStringLiteral("not Japanese<TAB>English: ") + line;
            return {};
        }
        rows.append({fields[0].split(u'・'), fields[1]});
    }
    return rows;
}

inline bool isKanji(QChar c)
{
    return (c.unicode() >= 0x4E00 && c.unicode() <= 0x9FFF) || c == u'々';
}

// A dictionary form is found in its other forms too: 起きる in 起きました, 会う in 会って,
// 楽しい in 楽しかった. A word is not found inside a longer kanji word that ends with it (家 in
// 作家); one that begins with it has its own entry (家族, 今日).
struct Span {
    int row, from, length;
};
inline QList<Span> spansOf(const QString &form, int row, const QString &line)
{
    static const QHash<QChar, QString> endings{
        {u'る', QStringLiteral("るりっられろまたてなよ")}, {u'う', QStringLiteral("うっいわえお")},
        {u'く', QStringLiteral("くきかけい")}, {u'す', QStringLiteral("すしさせそ")},
        {u'つ', QStringLiteral("つちっとて")}, {u'む', QStringLiteral("むみんまめも")},
        {u'ぶ', QStringLiteral("ぶびんばべぼ")}, {u'い', QStringLiteral("いくかけそな")}};
    const QString ends = endings.value(form.back());
    const QString stem = ends.isEmpty() ? form : form.chopped(1);
    QList<Span> spans;
    for (int at = line.indexOf(stem); at >= 0; at = line.indexOf(stem, at + 1)) {
        const int after = at + stem.size();
        if (at > 0 && isKanji(line[at - 1]) && isKanji(stem.front()))
            continue;
        if (!ends.isEmpty() && (after >= line.size() || !ends.contains(line[after])))
            continue;
        if (form.endsWith(u'で') && after < line.size() && (line[after] == u'す' || line[after] == u'し'))
            continue; // 家です is not 家で

        spans.append({row, int(at), int(stem.size()) + (ends.isEmpty() ? 0 : 1)});
    }
    return spans;
}

// The rows a Japanese line holds; where one entry lies inside a longer one, the longer counts.
inline QList<int> fixedWordsIn(const QString &japanese, const QList<FixedWord> &rows)
{
    // What the cues and glosses in brackets say is not the sentence itself.
    static const QRegularExpression bracketed(QStringLiteral("（[^（）]*）"));
    const QString said = QString(japanese).replace(bracketed, QStringLiteral("＿"));
    QList<Span> all;
    for (int r = 0; r < rows.size(); ++r) {
        for (const QString &form : rows[r].japanese)
            all += spansOf(form, r, said);
    }
    std::stable_sort(all.begin(), all.end(), [](const Span &a, const Span &b) { return a.length > b.length; });
    QList<Span> taken;
    QList<int> found;
    for (const Span &s : all) {
        const bool overlaps = std::any_of(taken.cbegin(), taken.cend(), [&](const Span &t) {
            return s.from < t.from + t.length && t.from < s.from + s.length;
        });
        if (!overlaps) {
            taken.append(s);
            if (!found.contains(s.row))
                found.append(s.row);
        }
    }
    return found;
}

// The forms an English word may stand for; generous, since it only answers "is this word here".
inline QSet<QString> lemmasOf(QString word)
{
    static const QHash<QString, QStringList> irregular{
        {"had", {"have"}}, {"has", {"have"}}, {"got", {"get"}}, {"took", {"take"}}, {"taken", {"take"}},
        {"brought", {"bring"}}, {"met", {"meet"}}, {"saw", {"see"}}, {"seen", {"see"}}, {"spoke", {"speak"}},
        {"spoken", {"speak"}}, {"said", {"say"}}, {"told", {"tell"}}, {"taught", {"teach"}}, {"made", {"make"}},
        {"began", {"begin"}}, {"begun", {"begin"}}, {"better", {"good", "well"}}, {"best", {"good", "well"}},
        {"left", {"leave"}}, {"went", {"go"}}, {"gone", {"go"}}, {"came", {"come"}}, {"ate", {"eat"}},
        {"eaten", {"eat"}}, {"wrote", {"write"}}, {"written", {"write"}}, {"bought", {"buy"}}, {"found", {"find"}},
        {"knew", {"know"}}, {"known", {"know"}}, {"drew", {"draw"}}, {"drawn", {"draw"}}, {"heard", {"hear"}},
        {"slept", {"sleep"}}, {"sang", {"sing"}}, {"sung", {"sing"}}, {"swam", {"swim"}}, {"ran", {"run"}},
        {"won", {"win"}}, {"lost", {"lose"}}, {"sat", {"sit"}}, {"gave", {"give"}}, {"sent", {"send"}},
        {"felt", {"feel"}}, {"became", {"become"}}, {"built", {"build"}}, {"broke", {"break"}},
        {"did", {"do"}}, {"done", {"do"}}, {"was", {"be"}}, {"were", {"be"}}, {"been", {"be"}},
        {"is", {"be"}}, {"am", {"be"}}, {"are", {"be"}}, {"children", {"child"}}, {"men", {"man"}},
        {"women", {"woman"}}, {"teeth", {"tooth"}}, {"flew", {"fly"}}};
    word = word.toLower();
    QSet<QString> forms{word};
    for (const QString &base : irregular.value(word))
        forms.insert(base);
    for (const char *suffix : {"s", "es", "d", "ed", "ing", "er", "est"}) {
        const QString s = QLatin1String(suffix);
        if (!word.endsWith(s) || word.size() <= s.size() + 1)
            continue;
        const QString stem = word.chopped(s.size());
        forms.insert(stem);
        forms.insert(stem + u'e');
        if (stem.endsWith(u'i'))
            forms.insert(stem.chopped(1) + u'y'); // studies, earlier
        if (stem.size() > 2 && stem.back() == stem[stem.size() - 2])
            forms.insert(stem.chopped(1)); // stopped, running, bigger
    }
    return forms;
}

inline QStringList wordsOf(const QString &english)
{
    static const QRegularExpression notWord(QStringLiteral("[^A-Za-z'-]+"));
    return english.split(notWord, Qt::SkipEmptyParts);
}

// Whether the words of `phrase` stand in `english` one after another, in any of their forms;
// a ～ in the phrase lets other words come between (or any gap, when not `together`).
inline bool holds(const QString &english, const QString &phrase, bool together = true)
{
    if (!together)
        return holds(english, QStringList(wordsOf(phrase)).join(u'～'));
    const QStringList words = wordsOf(english);
    int next = 0;
    for (const QString &part : phrase.split(u'～', Qt::SkipEmptyParts)) {
        const QStringList wanted = wordsOf(part);
        bool found = false;
        for (int at = next; !found && at + wanted.size() <= words.size(); ++at) {
            found = true;
            for (int i = 0; found && i < wanted.size(); ++i)
                found = lemmasOf(words[at + i]).contains(wanted[i].toLower());
            if (found)
                next = at + wanted.size();
        }
        if (!found)
            return false;
    }
    return true;
}

// What the cues at the end of a Japanese line ask of the English.
struct Cues {
    QStringList use;     // （willを使って）（thatとwillを使って）
    QStringList avoid;   // （o'clockを使わずに）（o'clockとolderを使わずに）
    QString beginWith;   // （Itで始めて）
    QChar letter;        // （fで始まる語）
    int letters = 0;     // （hで始まる五文字で）
    int words = 0;       // （二語で）
};
inline Cues cuesOf(const QString &japanese)
{
    static const QRegularExpression paren(QStringLiteral("（([^（）]*)）"));
    static const QRegularExpression ascii(QStringLiteral("[A-Za-z'-]+(?: [A-Za-z'-]+)*"));
    static const QString numerals = QStringLiteral("一二三四五六七八九");
    Cues cues;
    for (auto p = paren.globalMatch(japanese); p.hasNext();) {
        const QString inside = p.next().captured(1);
        for (auto a = ascii.globalMatch(inside); a.hasNext();) {
            const auto m = a.next();
            const QString rest = inside.mid(m.capturedEnd());
            if (rest.startsWith(QStringLiteral("で始まる"))) {
                cues.letter = m.captured().front().toLower();
                const int count = rest.size() > 4 ? numerals.indexOf(rest[4]) + 1 : 0;
                if (count > 0 && rest.mid(5).startsWith(QStringLiteral("文字")))
                    cues.letters = count;
            } else if (rest.startsWith(QStringLiteral("で始めて"))) {
                cues.beginWith = m.captured();
            } else if (rest.section(u'・', 0, 0).contains(QStringLiteral("を使って"))) {
                cues.use.append(m.captured());
            } else if (rest.section(u'・', 0, 0).contains(QStringLiteral("を使わずに"))) {
                cues.avoid.append(m.captured());
            }
        }
        const int count = inside.indexOf(QStringLiteral("語で"));
        if (count > 0 && numerals.contains(inside[count - 1]))
            cues.words = numerals.indexOf(inside[count - 1]) + 1;
    }
    return cues;
}

} // namespace coursewording
