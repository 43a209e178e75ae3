#include "rules/tests/mistakeclassifier.h"

#include "rules/tests/englishforms.h"
#include "rules/tests/sentenceroles.h"

#include <QSet>

#include <algorithm>
#include <vector>

using namespace englishforms;

const QString MistakeClassifier::Case = QStringLiteral("大文字・小文字");
const QString MistakeClassifier::Punctuation = QStringLiteral("句読点");
const QString MistakeClassifier::Space = QStringLiteral("スペース");
const QString MistakeClassifier::Contraction = QStringLiteral("短縮形");
const QString MistakeClassifier::Number = QStringLiteral("数");
const QString MistakeClassifier::Spelling = QStringLiteral("つづり");
const QString MistakeClassifier::Article = QStringLiteral("冠詞");
const QString MistakeClassifier::Plural = QStringLiteral("複数形");
const QString MistakeClassifier::ThirdPerson = QStringLiteral("三単現");
const QString MistakeClassifier::VerbForm = QStringLiteral("動詞の形");
const QString MistakeClassifier::WordOrder = QStringLiteral("語順");
const QString MistakeClassifier::Word = QStringLiteral("語");

bool MistakeClassifier::isSmallKind(const QString &tag)
{
    return tag == Spelling || tag == Case || tag == Punctuation || tag == Space;
}

namespace {

constexpr QChar kIdeographicSpace(0x3000);

bool isBlank(QChar c) { return c == u' ' || c == kIdeographicSpace; }
bool isWordChar(QChar c) { return c.isLetterOrNumber() || c == u'\'' || c == u'-' || c == u':'; }
bool isFinalMark(QChar c) { return c == u'.' || c == u'?' || c == u'!'; }
QString quoted(const QString &s) { return QStringLiteral("「%1」").arg(s); }

// One word of an answer: as written, and its key for comparing (lower case). A contraction
// stands as the words of its full form, each remembering the contraction it came from.
struct AnswerWord {
    QString text;
    QString key;
    QString contraction; // the token it came from when that was a contraction, else empty
};

struct Parsed {
    QList<AnswerWord> words;
    QStringList contractions; // as written
    QString marks;            // the punctuation marks, in order
    int commas = 0;
    QChar finalMark;
    QList<int> commaAfter; // the index of the word before each comma
};

QString plainApostrophes(QString s)
{
    s.replace(QChar(0x2019), u'\'');
    s.replace(QChar(0x2018), u'\'');
    return s;
}

// The full form of a contraction with the capital letters it had: I'm → I am, Isn't → Is not.
QStringList fullFormAsWritten(const QString &token)
{
    QStringList full = fullForm(token);
    for (QString &w : full) {
        if (w == u"i")
            w = QStringLiteral("I");
    }
    if (!full.isEmpty() && token.front().isUpper())
        full.front()[0] = full.front()[0].toUpper();
    return full;
}

// rightWords: the words of the right answer in lower case, when this is the typed one. A
// contraction typed without its apostrophe (dont, thats) is read as one only where the right
// answer has its full form (do not, that is); elsewhere thats and heres are words of their own.
Parsed parse(const QString &answer, const QStringList *rightWords = nullptr)
{
    Parsed p;
    const QString s = plainApostrophes(answer);
    QString token;
    auto endToken = [&p, &token, rightWords] {
        // Apostrophes and hyphens at the ends of a token are marks, not part of the word.
        while (!token.isEmpty() && (token.back() == u'\'' || token.back() == u'-' || token.back() == u':'))
            token.chop(1);
        while (!token.isEmpty() && (token.front() == u'\'' || token.front() == u'-'))
            token.remove(0, 1);
        if (token.isEmpty())
            return;
        QStringList full = fullFormAsWritten(token);
        if (rightWords && !token.contains(u'\'') && !full.isEmpty() &&
            !(u' ' + rightWords->join(u' ') + u' ').contains(u' ' + full.join(u' ').toLower() + u' '))
            full.clear();
        if (full.isEmpty()) {
            p.words.append({token, token.toLower(), QString()});
        } else {
            p.contractions << token;
            for (const QString &w : full)
                p.words.append({w, w.toLower(), token});
        }
        token.clear();
    };
    for (QChar c : s) {
        if (isWordChar(c)) {
            token += c;
            continue;
        }
        endToken();
        if (isBlank(c))
            continue;
        p.marks += c;
        if (c == u',') {
            ++p.commas;
            p.commaAfter << int(p.words.size()) - 1;
        }
    }
    endToken();
    QString trimmed = s;
    while (!trimmed.isEmpty() && isBlank(trimmed.back()))
        trimmed.chop(1);
    if (!trimmed.isEmpty() && isFinalMark(trimmed.back()))
        p.finalMark = trimmed.back();
    return p;
}

// Letters and digits only, in lower case: two answers with the same key differ only in case,
// blanks and punctuation.
QString keyOf(const QString &s)
{
    QString out;
    for (QChar c : s) {
        if (c.isLetterOrNumber())
            out += c.toLower();
    }
    return out;
}

QString lettersOf(const QString &s)
{
    QString out;
    for (QChar c : s) {
        if (c.isLetterOrNumber())
            out += c;
    }
    return out;
}

QString blanksOf(const QString &s)
{
    QString out;
    for (QChar c : s) {
        if (isBlank(c))
            out += c;
        else if (c.isLetterOrNumber())
            out += u'x';
    }
    return out;
}

// The punctuation marks but those that belong to their words (don't, 7:30, twenty-one).
QString marksOf(const QString &s)
{
    QString out;
    for (QChar c : plainApostrophes(s)) {
        if (!c.isLetterOrNumber() && !isBlank(c) && c != u'\'' && c != u':' && c != u'-')
            out += c;
    }
    return out;
}

int apostrophesOf(const QString &s)
{
    return int(plainApostrophes(s).count(u'\''));
}

// The optimal string alignment distance: letters left out, added, changed or swapped.
int editDistance(const QString &a, const QString &b)
{
    const qsizetype n = a.size(), m = b.size();
    std::vector<std::vector<int>> d(size_t(n + 1), std::vector<int>(size_t(m + 1)));
    for (qsizetype i = 0; i <= n; ++i)
        d[size_t(i)][0] = int(i);
    for (qsizetype j = 0; j <= m; ++j)
        d[0][size_t(j)] = int(j);
    for (qsizetype i = 1; i <= n; ++i) {
        for (qsizetype j = 1; j <= m; ++j) {
            const int cost = a[i - 1] == b[j - 1] ? 0 : 1;
            int best = std::min({d[size_t(i - 1)][size_t(j)] + 1, d[size_t(i)][size_t(j - 1)] + 1,
                                 d[size_t(i - 1)][size_t(j - 1)] + cost});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                best = std::min(best, d[size_t(i - 2)][size_t(j - 2)] + 1);
            d[size_t(i)][size_t(j)] = best;
        }
    }
    return d[size_t(n)][size_t(m)];
}

bool isSwapOfTwoLetters(const QString &a, const QString &b)
{
    if (a.size() != b.size())
        return false;
    qsizetype first = -1;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (a[i] != b[i]) {
            first = i;
            break;
        }
    }
    return first >= 0 && first + 1 < a.size() && a[first] == b[first + 1] && a[first + 1] == b[first] &&
           a.mid(first + 2) == b.mid(first + 2);
}

// A British spelling of the American word (colour, centre, travelled, realise, catalogue).
bool isBritishSpelling(const QString &typed, const QString &american)
{
    const QString t = typed.toLower(), a = american.toLower();
    // followedBy: the letters after the American spelling that the British one differs before
    // (canceled, traveling: one l before e or i).
    auto swapped = [&](const QString &us, const QString &uk, const QString &followedBy = QString()) {
        for (qsizetype at = a.indexOf(us); at >= 0; at = a.indexOf(us, at + 1)) {
            if (!followedBy.isEmpty() && (at + us.size() >= a.size() || !followedBy.contains(a[at + us.size()])))
                continue;
            QString candidate = a;
            candidate.replace(at, us.size(), uk);
            if (candidate == t)
                return true;
        }
        return false;
    };
    return swapped(QStringLiteral("or"), QStringLiteral("our")) || swapped(QStringLiteral("er"), QStringLiteral("re")) ||
           swapped(QStringLiteral("el"), QStringLiteral("ell"), QStringLiteral("ei")) || swapped(QStringLiteral("iz"), QStringLiteral("is")) ||
           swapped(QStringLiteral("og"), QStringLiteral("ogue")) || swapped(QStringLiteral("ense"), QStringLiteral("ence"));
}

QString finalMarkSentence(QChar typedMark, QChar rightMark)
{
    if (typedMark.isNull())
        return QStringLiteral("最後の「%1」がありません。").arg(rightMark);
    if (rightMark.isNull())
        return QStringLiteral("最後の「%1」は要りません。").arg(typedMark);
    return QStringLiteral("最後は「%1」です。").arg(rightMark);
}

// Words a verb phrase may gain or lose with a change of form (is playing / plays, will go / went).
bool isHelperVerb(const QString &w)
{
    static const QSet<QString> words = {
        QStringLiteral("am"), QStringLiteral("is"), QStringLiteral("are"), QStringLiteral("was"),
        QStringLiteral("were"), QStringLiteral("be"), QStringLiteral("been"), QStringLiteral("being"),
        QStringLiteral("will"), QStringLiteral("do"), QStringLiteral("does"), QStringLiteral("did"),
        QStringLiteral("have"), QStringLiteral("has"), QStringLiteral("had"), QStringLiteral("to"),
        QStringLiteral("going")};
    return words.contains(w);
}

// Words that never take the -s of the third person: a be, a modal, a past form.
bool neverTakesS(const QString &w)
{
    static const QSet<QString> be = {QStringLiteral("am"), QStringLiteral("are"), QStringLiteral("is"),
                                     QStringLiteral("was"), QStringLiteral("were"), QStringLiteral("be")};
    if (be.contains(w) || modalVerbs().contains(w))
        return true;
    const QString base = irregularVerbBase(w);
    if (base.isEmpty() || base == w)
        return false;
    // went, made, did, seen; not bed, which is only what a learner might make of be
    for (const QString &ending : {QStringLiteral("d"), QStringLiteral("ed"), QStringLiteral("s"), QStringLiteral("es")}) {
        if (w == base + ending)
            return false;
    }
    return true;
}

// Pronouns and question words: your / yours, it / its, here / heres are other words or no
// words, never a form with -s.
bool isFunctionWord(const QString &withoutS)
{
    static const QSet<QString> words = {QStringLiteral("your"), QStringLiteral("her"), QStringLiteral("our"),
                                        QStringLiteral("their"), QStringLiteral("it"), QStringLiteral("you"),
                                        QStringLiteral("they"), QStringLiteral("he"), QStringLiteral("she"), QStringLiteral("we"),
                                        QStringLiteral("me"), QStringLiteral("him"), QStringLiteral("us"),
                                        QStringLiteral("them"), QStringLiteral("here"), QStringLiteral("there"),
                                        QStringLiteral("how"), QStringLiteral("when"), QStringLiteral("where"),
                                        QStringLiteral("why"), QStringLiteral("what"), QStringLiteral("who"),
                                        QStringLiteral("which"), QStringLiteral("that"), QStringLiteral("this")};
    return words.contains(withoutS);
}

struct Hunk {
    QList<int> expected; // indices into the expected words
    QList<int> typed;    // indices into the typed words
};

class Comparison {
public:
    Comparison(const EnglishWords &dictionary, const QList<FixedWord> &fixed, const QString &japanese,
               const Parsed &expected, const Parsed &typed)
        : dictionary_(dictionary), fixed_(fixed), japanese_(japanese), e_(expected), t_(typed),
          roles_(textsOf(expected), expected.commaAfter, dictionary)
    {
    }

    QList<MistakeNote> notes;
    int related = 0;     // words the two answers share, or nearly share
    QStringList moved;   // the words (keys) typed in another place

    void run();

private:
    static QStringList textsOf(const Parsed &p)
    {
        QStringList out;
        for (const AnswerWord &w : p.words)
            out << w.text;
        return out;
    }
    void align(QList<Hunk> &hunks);
    void findMovedWords(QList<Hunk> &hunks);
    void classifyHunk(const Hunk &hunk);
    // A word of the right answer against the word typed in its place; true when they are
    // related (a form, a spelling, a number of the other).
    bool classifyPair(int ei, int ti);
    void sEnding(int ei, const QString &withS, const QString &withoutS, bool expectedHasS);
    // The do, to, can ... shortly before a word of the right answer, after which a verb is in
    // its base form; empty when there is none.
    QString auxiliaryBefore(int ei) const;
    // Another form of the right verb; the sentence names the auxiliary when the base form follows one.
    void verbForm(int ei, const QString &typedText, const QString &lemma);
    void otherWord(const QStringList &expected, const QStringList &typed);
    void add(const QString &tag, const QString &sentence)
    {
        for (const MistakeNote &n : notes) {
            if (n.tag == tag)
                return;
        }
        notes.append({tag, sentence});
    }
    bool areForms(const QString &a, const QString &b) const;
    // The dictionary knows the word and a form of it with -s (dog → dogs, watch → watches).
    bool takesS(const QString &w) const
    {
        if (!dictionary_.isWord(w))
            return false;
        if (dictionary_.isWord(w + u's') || dictionary_.isWord(w + QStringLiteral("es")))
            return true;
        return w.endsWith(u'y') && dictionary_.isWord(w.chopped(1) + QStringLiteral("ies"));
    }

    const EnglishWords &dictionary_;
    const QList<FixedWord> &fixed_;
    const QString &japanese_;
    const Parsed &e_;
    const Parsed &t_;
    SentenceRoles roles_; // of the right answer's words
};

void Comparison::align(QList<Hunk> &hunks)
{
    const qsizetype n = e_.words.size(), m = t_.words.size();
    std::vector<int> common(size_t((n + 1) * (m + 1)), 0);
    auto at = [&](qsizetype i, qsizetype j) -> int & { return common[size_t(i * (m + 1) + j)]; };
    for (qsizetype i = n - 1; i >= 0; --i) {
        for (qsizetype j = m - 1; j >= 0; --j)
            at(i, j) = e_.words[i].key == t_.words[j].key ? at(i + 1, j + 1) + 1 : std::max(at(i + 1, j), at(i, j + 1));
    }
    Hunk open;
    auto close = [&] {
        if (!open.expected.isEmpty() || !open.typed.isEmpty())
            hunks.append(open);
        open = Hunk();
    };
    qsizetype i = 0, j = 0;
    while (i < n || j < m) {
        if (i < n && j < m && e_.words[i].key == t_.words[j].key) {
            close();
            ++related;
            ++i, ++j;
        } else if (j >= m || (i < n && at(i + 1, j) >= at(i, j + 1))) {
            open.expected << int(i++);
        } else {
            open.typed << int(j++);
        }
    }
    close();
}

// Words left out in one place and typed in another: the order is wrong.
void Comparison::findMovedWords(QList<Hunk> &hunks)
{
    QStringList shown; // each moved word as the right answer writes it there
    auto hasArticle = [](const Parsed &p, const QList<int> &at) {
        return std::any_of(at.begin(), at.end(), [&p](int i) { return isArticle(p.words[i].key); });
    };
    for (Hunk &h : hunks) {
        for (int ei : std::as_const(h.expected)) {
            const QString key = e_.words[ei].key;
            if (moved.contains(key))
                continue;
            // An article left out in one place and typed in another (piano the) has moved; one
            // that stands where another article was (the dog ... a cat) is a swapped article.
            const bool article = isArticle(key);
            if (article && hasArticle(t_, h.typed))
                continue;
            for (const Hunk &other : std::as_const(hunks)) {
                if (article && (&other == &h || hasArticle(e_, other.expected)))
                    continue;
                for (int ti : other.typed) {
                    if (t_.words[ti].key == key && !moved.contains(key)) {
                        moved << key;
                        shown << quoted(e_.words[ei].text);
                    }
                }
            }
        }
    }
    if (moved.isEmpty())
        return;
    for (Hunk &h : hunks) {
        h.expected.removeIf([&](int ei) { return moved.contains(e_.words[ei].key); });
        h.typed.removeIf([&](int ti) { return moved.contains(t_.words[ti].key); });
    }
    hunks.removeIf([](const Hunk &h) { return h.expected.isEmpty() && h.typed.isEmpty(); });
    related += int(moved.size());
    add(MistakeClassifier::WordOrder, QStringLiteral("語の順番がちがいます（%1の位置）。").arg(shown.join(QString())));
}

bool Comparison::areForms(const QString &a, const QString &b) const
{
    const QString va = irregularVerbBase(a), vb = irregularVerbBase(b);
    if (!va.isEmpty() && va == vb)
        return true;
    const QStringList ba = regularBases(a), bb = regularBases(b);
    for (const QString &x : ba) {
        if (bb.contains(x))
            return true;
    }
    return false;
}

QString Comparison::auxiliaryBefore(int ei) const
{
    const int at = roles_.auxiliaryOf(ei);
    return at >= 0 ? e_.words[at].text : QString();
}

void Comparison::verbForm(int ei, const QString &typedText, const QString &lemma)
{
    const AnswerWord &ew = e_.words[ei];
    const QString auxiliary = endingOf(ew.key) == Ending::None ? auxiliaryBefore(ei) : QString();
    if (!auxiliary.isEmpty())
        add(MistakeClassifier::VerbForm, QStringLiteral("「%1」の後は原形の「%2」です。").arg(auxiliary, ew.text));
    else if (!lemma.isEmpty())
        add(MistakeClassifier::VerbForm, QStringLiteral("%1ではなく%2です（%3 の形）。").arg(quoted(typedText), quoted(ew.text), lemma));
    else
        add(MistakeClassifier::VerbForm, QStringLiteral("%1ではなく%2です。").arg(quoted(typedText), quoted(ew.text)));
}

void Comparison::sEnding(int ei, const QString &withS, const QString &withoutS, bool expectedHasS)
{
    // After do, to, can ... the verb is in its base form.
    const QString auxiliary = auxiliaryBefore(ei);
    if (!auxiliary.isEmpty()) {
        add(MistakeClassifier::VerbForm, QStringLiteral("「%1」の後は原形の「%2」です。").arg(auxiliary, expectedHasS ? withS : withoutS));
        return;
    }
    bool thirdPersonSingular = false;
    switch (roles_.roleOf(ei, &thirdPersonSingular)) {
    case SentenceRoles::Role::Verb:
        // My father read a book last night: a past form, whatever the subject.
        if (!expectedHasS && thirdPersonSingular)
            add(MistakeClassifier::VerbForm, QStringLiteral("「%1」ではなく「%2」です。").arg(withS, withoutS));
        else if (expectedHasS)
            add(MistakeClassifier::ThirdPerson, QStringLiteral("主語が三人称単数なので「%1」と -s を付けます。").arg(withS));
        else
            add(MistakeClassifier::ThirdPerson, QStringLiteral("主語が三人称単数ではないので -s を付けず「%1」です。").arg(withoutS));
        return;
    case SentenceRoles::Role::Unclear:
        return; // a wrong claim of noun or verb teaches the wrong thing
    case SentenceRoles::Role::Noun:
        break;
    }
    if (expectedHasS)
        add(MistakeClassifier::Plural, QStringLiteral("複数なので「%1」です。").arg(withS));
    else
        add(MistakeClassifier::Plural, QStringLiteral("ここは単数の「%1」です。").arg(withoutS));
}

bool Comparison::classifyPair(int ei, int ti)
{
    const AnswerWord &ew = e_.words[ei];
    const AnswerWord &tw = t_.words[ti];
    const QString e = ew.key, t = tw.key;

    QString eBare = e, tBare = t;
    eBare.remove(u'\'');
    tBare.remove(u'\'');
    if (eBare == tBare) {
        add(MistakeClassifier::Punctuation, QStringLiteral("%1は%2と書きます。").arg(quoted(tw.text), quoted(ew.text)));
        return true;
    }
    if (isNumberWord(e) && isNumberWord(t) && hasDigit(e) != hasDigit(t)) {
        add(MistakeClassifier::Number, hasDigit(t) ? QStringLiteral("この教材では数を英語のつづりで書きます（%1 → %2）。").arg(tw.text, ew.text)
                                                   : QStringLiteral("ここは数字で書きます（%1 → %2）。").arg(tw.text, ew.text));
        return true;
    }
    if (isArticle(e) && isArticle(t)) {
        add(MistakeClassifier::Article, QStringLiteral("%1ではなく%2です。").arg(quoted(tw.text), quoted(ew.text)));
        return true;
    }
    // Irregular plurals: child, children, childs.
    const QString es = irregularPlural(e).isEmpty() ? irregularNounSingular(e) : e;
    const QString ts = irregularPlural(t).isEmpty() ? irregularNounSingular(t) : t;
    if (!es.isEmpty() && es == ts) {
        if (e == es)
            add(MistakeClassifier::Plural, QStringLiteral("ここは単数の「%1」です。").arg(ew.text));
        else
            add(MistakeClassifier::Plural, QStringLiteral("「%1」の複数形は「%2」です。").arg(es, ew.text));
        return true;
    }
    bool formsKnown = true; // false for a word and itself with an -s it never takes
    Ending eEnding = Ending::None, tEnding = Ending::None;
    const QStringList eBases = regularBases(e, &eEnding), tBases = regularBases(t, &tEnding);
    // One of them is the other with -s (plays, watches, studies; goes, has, does).
    const QString ev = irregularVerbBase(e), tv = irregularVerbBase(t);
    const bool sPairIrregular = !ev.isEmpty() && ev == tv &&
                                ((e == t + u's' || e == t + QStringLiteral("es")) || (t == e + u's' || t == e + QStringLiteral("es")) ||
                                 (QSet<QString>{e, t} == QSet<QString>{QStringLiteral("have"), QStringLiteral("has")}));
    // morning / mornings: a word that only looks like a form has its -s too, but not a verb's
    // -ing or -ed after be or have (is writings).
    auto plusS = [](const QString &w, const QString &withS) {
        return withS == w + u's' || withS == w + QStringLiteral("es") ||
               (w.endsWith(u'y') && withS == w.chopped(1) + QStringLiteral("ies"));
    };
    const bool plainS = (plusS(e, t) || plusS(t, e)) && (ei == 0 || !isHelperVerb(e_.words[ei - 1].key));
    if (sPairIrregular || plainS || (eEnding == Ending::S && tBases.size() == 1 && eBases.contains(t)) ||
        (tEnding == Ending::S && eBases.size() == 1 && tBases.contains(e))) {
        const bool expectedHasS = e == u"has" || (t != u"has" && e.size() > t.size());
        const QString withoutS = expectedHasS ? t : e;
        if (isFunctionWord(withoutS)) {
            otherWord({ew.text}, {tw.text});
            return true;
        }
        if (!expectedHasS && neverTakesS(e)) {
            add(MistakeClassifier::ThirdPerson, QStringLiteral("「%1」には -s を付けません。").arg(ew.text));
            return true;
        }
        // Only a word that takes -s at all (later, easy, tennis do not) is a plural or a verb;
        // of laters and tenni no more is said than of a misspelling.
        if (sPairIrregular || !dictionary_.available() || takesS(withoutS)) {
            sEnding(ei, expectedHasS ? ew.text : tw.text, expectedHasS ? tw.text : ew.text, expectedHasS);
            return true;
        }
        formsKnown = false;
    }
    // The dictionary knows every letter of the alphabet as a word; an answer does not.
    const bool typedIsWord = (t.size() > 1 || t == u"a" || t == u"i") && dictionary_.isWord(tw.text);
    // The right form misspelt: runing, studyed, watchs.
    if (formsKnown && !ev.isEmpty() && ev == tv && eEnding == tEnding && eEnding != Ending::None && !typedIsWord &&
        dictionary_.available()) {
        add(MistakeClassifier::Spelling, QStringLiteral("%1のつづりがちがいます（%2）。").arg(quoted(tw.text), ew.text));
        return true;
    }
    if (formsKnown && !ev.isEmpty() && ev == tv) {
        verbForm(ei, tw.text, ev);
        return true;
    }
    QStringList eAll = eBases + dictionary_.stems(e), tAll = tBases + dictionary_.stems(t);
    bool sameBase = false;
    for (const QString &b : std::as_const(eAll)) {
        if (tAll.contains(b))
            sameBase = true;
    }
    // Another word made of the same one: kindly, fastly, bigger.
    const bool derived = t.startsWith(e) ? QStringList{QStringLiteral("ly"), QStringLiteral("er"), QStringLiteral("est")}.contains(t.mid(e.size()))
                                         : e.startsWith(t) && QStringList{QStringLiteral("ly"), QStringLiteral("er"), QStringLiteral("est")}.contains(e.mid(t.size()));
    if (formsKnown && (derived || (sameBase && eEnding == Ending::None && tEnding == Ending::None))) {
        otherWord({ew.text}, {tw.text});
        return true;
    }
    if (formsKnown && sameBase) {
        if (eEnding == tEnding && eEnding != Ending::None && !typedIsWord && dictionary_.available()) {
            add(MistakeClassifier::Spelling, QStringLiteral("%1のつづりがちがいます（%2）。").arg(quoted(tw.text), ew.text));
        } else {
            verbForm(ei, tw.text, QString());
        }
        return true;
    }
    if (isBritishSpelling(t, e)) {
        add(MistakeClassifier::Spelling, QStringLiteral("アメリカ式のつづりで書きます（%1 → %2）。").arg(tw.text, ew.text));
        return true;
    }
    const int distance = editDistance(e, t);
    const int allowed = e.size() <= 3 ? 1 : e.size() <= 6 ? 2 : 3;
    const bool close = distance <= allowed && t.size() >= 2;
    if (close && (!typedIsWord || isSwapOfTwoLetters(e, t))) {
        add(MistakeClassifier::Spelling, QStringLiteral("%1のつづりがちがいます（%2）。").arg(quoted(tw.text), ew.text));
        return true;
    }
    // Neither a word nor near one (x, asdf): nothing that can be said of it for sure.
    if (dictionary_.available() && !typedIsWord && !isNumberWord(t))
        return false;
    otherWord({ew.text}, {tw.text});
    return false;
}

// A different word, words left out or words too many.
void Comparison::otherWord(const QStringList &expected, const QStringList &typed)
{
    for (const QString &w : expected) {
        QString japanese;
        if (const FixedWord *row = FixedWords::find(fixed_, japanese_, w, &japanese)) {
            add(MistakeClassifier::Word, QStringLiteral("この教材では「%1」は %2 です。").arg(japanese, row->english));
            return;
        }
    }
    const QString e = expected.join(u' '), t = typed.join(u' ');
    if (typed.isEmpty())
        add(MistakeClassifier::Word, QStringLiteral("%1が抜けています。").arg(quoted(e)));
    else if (expected.isEmpty())
        add(MistakeClassifier::Word, QStringLiteral("%1は要りません。").arg(quoted(t)));
    else
        add(MistakeClassifier::Word, QStringLiteral("%1ではなく%2です。").arg(quoted(t), quoted(e)));
}

void Comparison::classifyHunk(const Hunk &hunk)
{
    auto textOf = [](const Parsed &p, const QList<int> &at) {
        QStringList out;
        for (int i : at)
            out << p.words[i].text;
        return out;
    };
    const QStringList eText = textOf(e_, hunk.expected), tText = textOf(t_, hunk.typed);
    // The same letters with the blanks elsewhere: ice cream, icecream.
    if (eText.join(QString()).toLower() == tText.join(QString()).toLower()) {
        add(MistakeClassifier::Space, QStringLiteral("%1は%2と書きます。").arg(quoted(tText.join(u' ')), quoted(eText.join(u' '))));
        related += int(hunk.expected.size());
        return;
    }
    // Digits against a number in letters: 7:30, seven thirty.
    auto allNumbers = [](const QStringList &ws) {
        return !ws.isEmpty() && std::all_of(ws.begin(), ws.end(), [](const QString &w) { return isNumberWord(w); });
    };
    auto anyDigit = [](const QStringList &ws) { return std::any_of(ws.begin(), ws.end(), hasDigit); };
    if (allNumbers(eText) && allNumbers(tText) && anyDigit(eText) != anyDigit(tText)) {
        add(MistakeClassifier::Number, anyDigit(tText)
                                           ? QStringLiteral("この教材では数を英語のつづりで書きます（%1 → %2）。").arg(tText.join(u' '), eText.join(u' '))
                                           : QStringLiteral("ここは数字で書きます（%1 → %2）。").arg(tText.join(u' '), eText.join(u' ')));
        related += int(hunk.expected.size());
        return;
    }
    // Articles apart from the other words.
    QList<int> eWords, tWords;
    QStringList eArticles, tArticles;
    for (int i : hunk.expected)
        isArticle(e_.words[i].key) ? void(eArticles << e_.words[i].text) : void(eWords << i);
    for (int i : hunk.typed)
        isArticle(t_.words[i].key) ? void(tArticles << t_.words[i].text) : void(tWords << i);
    if (!eArticles.isEmpty() && !tArticles.isEmpty() && eArticles.size() == tArticles.size()) {
        if (eArticles.join(u' ').toLower() != tArticles.join(u' ').toLower())
            add(MistakeClassifier::Article, QStringLiteral("%1ではなく%2です。").arg(quoted(tArticles.first()), quoted(eArticles.first())));
        related += int(eArticles.size());
    } else if (!eArticles.isEmpty() && tArticles.isEmpty()) {
        add(MistakeClassifier::Article, QStringLiteral("%1が抜けています。").arg(quoted(eArticles.first())));
    } else if (eArticles.isEmpty() && !tArticles.isEmpty()) {
        add(MistakeClassifier::Article, QStringLiteral("%1は要りません。").arg(quoted(tArticles.first())));
    } else if (!eArticles.isEmpty()) {
        eWords = hunk.expected; // articles on both sides in different numbers: compare them as words
        tWords = hunk.typed;
    }
    if (eWords.isEmpty() && tWords.isEmpty())
        return;
    if (eWords.size() == tWords.size()) {
        for (qsizetype k = 0; k < eWords.size(); ++k) {
            if (classifyPair(eWords[k], tWords[k]))
                ++related;
        }
        return;
    }
    // A verb phrase in another form: is playing / plays, will go / went.
    for (int ei : std::as_const(eWords)) {
        for (int ti : std::as_const(tWords)) {
            if (!areForms(e_.words[ei].key, t_.words[ti].key))
                continue;
            bool helpersOnly = true;
            for (int k : std::as_const(eWords))
                helpersOnly = helpersOnly && (k == ei || isHelperVerb(e_.words[k].key));
            for (int k : std::as_const(tWords))
                helpersOnly = helpersOnly && (k == ti || isHelperVerb(t_.words[k].key));
            if (helpersOnly) {
                QStringList eShown, tShown;
                for (int k : std::as_const(eWords))
                    eShown << e_.words[k].text;
                for (int k : std::as_const(tWords))
                    tShown << t_.words[k].text;
                add(MistakeClassifier::VerbForm,
                    QStringLiteral("%1ではなく%2です。").arg(quoted(tShown.join(u' ')), quoted(eShown.join(u' '))));
                ++related;
                return;
            }
        }
    }
    QStringList eShown, tShown;
    for (int k : std::as_const(eWords))
        eShown << e_.words[k].text;
    for (int k : std::as_const(tWords))
        tShown << t_.words[k].text;
    otherWord(eShown, tShown);
}

void Comparison::run()
{
    // A contraction on one side where the other writes the full form.
    QStringList eFull, tFull; // as written, and in lower case to compare
    QStringList eKeys, tKeys;
    for (const QString &c : e_.contractions) {
        eFull << fullFormAsWritten(c).join(u' ');
        eKeys << eFull.back().toLower();
    }
    for (const QString &c : t_.contractions) {
        tFull << fullFormAsWritten(c).join(u' ');
        tKeys << tFull.back().toLower();
    }
    const bool cueAsksForShortForm = japanese_.contains(QStringLiteral("短縮形"));
    for (qsizetype k = 0; k < t_.contractions.size(); ++k) {
        const qsizetype same = eKeys.indexOf(tKeys[k]);
        if (same >= 0 && apostrophesOf(t_.contractions[k]) != apostrophesOf(e_.contractions[same]))
            add(MistakeClassifier::Punctuation, QStringLiteral("%1は%2と書きます。").arg(quoted(t_.contractions[k]), quoted(e_.contractions[same])));
    }
    for (qsizetype k = 0; k < t_.contractions.size(); ++k) {
        if (!eKeys.contains(tKeys[k])) {
            add(MistakeClassifier::Contraction,
                QStringLiteral("この教材では短縮しない形で書きます（%1 → %2）。").arg(t_.contractions[k], tFull[k]));
            break;
        }
    }
    for (qsizetype k = 0; k < e_.contractions.size(); ++k) {
        if (!tKeys.contains(eKeys[k])) {
            add(MistakeClassifier::Contraction, cueAsksForShortForm
                                                    ? QStringLiteral("（短縮形で）とあるので短縮形で書きます（%1 → %2）。").arg(eFull[k], e_.contractions[k])
                                                    : QStringLiteral("ここは短縮形で書きます（%1 → %2）。").arg(eFull[k], e_.contractions[k]));
            break;
        }
    }

    QList<Hunk> hunks;
    align(hunks);
    findMovedWords(hunks);
    for (const Hunk &h : std::as_const(hunks))
        classifyHunk(h);
}

} // namespace

MistakeClassifier::MistakeClassifier(const EnglishWords &words, const QList<FixedWord> &fixedWords)
    : words_(words), fixedWords_(fixedWords)
{
}

QList<MistakeNote> MistakeClassifier::classify(const QString &japanese, const QString &expected, const QString &typed) const
{
    if (typed.isEmpty() || typed == expected)
        return {};
    // A page pasted into the box is no slip of a sentence: nothing to name, and no time spent.
    constexpr qsizetype kLongestAnswer = 300;
    if (typed.size() > kLongestAnswer || expected.size() > kLongestAnswer)
        return {};
    QList<MistakeNote> small;
    auto addSmall = [&small](const QString &tag, const QString &sentence) {
        for (const MistakeNote &n : std::as_const(small)) {
            if (n.tag == tag)
                return;
        }
        small.append({tag, sentence});
    };
    const Parsed e = parse(expected);
    QStringList rightWords;
    for (const AnswerWord &w : e.words)
        rightWords << w.key;
    const Parsed t = parse(typed, &rightWords);

    // Letter case: the first word written in another case, each word against the typed word
    // of the same place among its namesakes. A word typed elsewhere is a matter of order, and
    // a capital that only follows the word to or from the sentence's start is no slip.
    auto caseSlip = [&](const QList<AnswerWord> &ew, const QList<AnswerWord> &tw, const QStringList &moved) {
        auto capitalised = [](QString s, bool upper) {
            if (!s.isEmpty())
                s[0] = upper ? s[0].toUpper() : s[0].toLower();
            return s;
        };
        for (qsizetype i = 0; i < ew.size(); ++i) {
            const AnswerWord &a = ew[i];
            if (moved.contains(a.key))
                continue;
            qsizetype nth = 0;
            for (qsizetype k = 0; k < i; ++k)
                nth += ew[k].key == a.key ? 1 : 0;
            qsizetype j = 0;
            for (; j < tw.size(); ++j) {
                if (tw[j].key == a.key && nth-- == 0)
                    break;
            }
            if (j == tw.size())
                continue;
            const AnswerWord &b = tw[j];
            if (!a.contraction.isEmpty() || !b.contraction.isEmpty() || a.text == b.text)
                continue;
            if ((i == 0) != (j == 0) && b.text == capitalised(a.text, j == 0) && a.key != u"i")
                continue;
            const bool upper = std::any_of(a.text.begin(), a.text.end(), [](QChar c) { return c.isUpper(); }) &&
                               lettersOf(a.text).toLower() != lettersOf(a.text);
            const bool typedHasUpper = std::any_of(b.text.begin(), b.text.end(), [](QChar c) { return c.isUpper(); });
            addSmall(MistakeClassifier::Case, upper && !typedHasUpper
                                                  ? QStringLiteral("%1は大文字で%2と書きます。").arg(quoted(b.text), quoted(a.text))
                                                  : QStringLiteral("%1は%2と書きます。").arg(quoted(b.text), quoted(a.text)));
            return;
        }
    };
    auto punctuationSlips = [&] {
        if (e.finalMark != t.finalMark)
            addSmall(MistakeClassifier::Punctuation, finalMarkSentence(t.finalMark, e.finalMark));
        else if (e.commas > t.commas) {
            const int before = e.commaAfter.value(0, -1);
            addSmall(MistakeClassifier::Punctuation,
                     before >= 0 ? QStringLiteral("%1の後に「,」が要ります。").arg(quoted(e.words[before].text))
                                 : QStringLiteral("「,」が抜けています。"));
        } else if (e.commas < t.commas) {
            addSmall(MistakeClassifier::Punctuation, QStringLiteral("「,」は要りません。"));
        } else if (marksOf(expected) != marksOf(typed)) {
            addSmall(MistakeClassifier::Punctuation, QStringLiteral("記号の書き方がちがいます（%1）。").arg(expected));
        }
    };
    auto spaceSlips = [&] {
        if (typed.contains(kIdeographicSpace))
            addSmall(MistakeClassifier::Space, QStringLiteral("全角のスペースが入っています。"));
        else if (typed.contains(QStringLiteral("  ")))
            addSmall(MistakeClassifier::Space, QStringLiteral("単語と単語の間のスペースは1つです。"));
    };

    if (keyOf(expected) == keyOf(typed)) {
        // Only case, blanks and punctuation differ.
        if (lettersOf(expected) != lettersOf(typed))
            caseSlip(e.words, t.words, {});
        if (marksOf(expected) != marksOf(typed) || apostrophesOf(expected) != apostrophesOf(typed)) {
            // Toms for Tom's, dont for don't: an apostrophe left out or added.
            const QStringList typedTokens = typed.split(u' ', Qt::SkipEmptyParts);
            for (const QString &r : expected.split(u' ', Qt::SkipEmptyParts)) {
                for (const QString &w : typedTokens) {
                    if (keyOf(w) == keyOf(r) && apostrophesOf(w) != apostrophesOf(r)) {
                        addSmall(MistakeClassifier::Punctuation, QStringLiteral("%1は%2と書きます。").arg(quoted(w), quoted(r)));
                        break;
                    }
                }
            }
            punctuationSlips();
        }
        if (blanksOf(expected) != blanksOf(typed)) {
            spaceSlips();
            if (std::none_of(small.begin(), small.end(), [](const MistakeNote &n) { return n.tag == MistakeClassifier::Space; })) {
                Comparison words(words_, fixedWords_, japanese, e, t);
                words.run();
                for (const MistakeNote &n : std::as_const(words.notes)) {
                    if (n.tag == MistakeClassifier::Space)
                        addSmall(n.tag, n.sentence);
                }
                addSmall(MistakeClassifier::Space, QStringLiteral("スペースの入れ方がちがいます（%1）。").arg(expected));
            }
        }
        return small.mid(0, 2);
    }

    Comparison words(words_, fixedWords_, japanese, e, t);
    words.run();
    const qsizetype longer = std::max(e.words.size(), t.words.size());
    // Far off: fewer than half the words in common, or none at all.
    const bool far = t.words.isEmpty() || (longer >= 3 && words.related * 2 < longer) || (longer >= 2 && words.related == 0);
    if (far) {
        // Only what is sure is said: a contraction, words in another order, a fixed word of
        // the course left out (大好き: like ... very much, not love).
        QList<MistakeNote> sure = words.notes;
        sure.removeIf([](const MistakeNote &n) { return n.tag != Contraction && n.tag != WordOrder; });
        QSet<QString> typedKeys;
        for (const AnswerWord &w : t.words)
            typedKeys.insert(w.key);
        for (const AnswerWord &w : e.words) {
            QString found;
            const FixedWord *row = FixedWords::find(fixedWords_, japanese, w.key, &found);
            if (!row || isArticle(w.key))
                continue;
            const QStringList rowWords = row->english.toLower().split(u' ', Qt::SkipEmptyParts);
            if (std::all_of(rowWords.begin(), rowWords.end(), [&](const QString &r) { return r == u"～" || typedKeys.contains(r); }))
                continue;
            sure.append({Word, QStringLiteral("この教材では「%1」は %2 です。").arg(found, row->english)});
            break;
        }
        return sure.mid(0, 2);
    }
    QList<MistakeNote> notes = words.notes;
    caseSlip(e.words, t.words, words.moved);
    punctuationSlips();
    spaceSlips();
    for (const MistakeNote &n : std::as_const(small)) {
        if (std::none_of(notes.begin(), notes.end(), [&n](const MistakeNote &m) { return m.tag == n.tag; }))
            notes << n;
    }
    // The big kinds first: a slip of case or a mark beside them is the lesser one.
    std::stable_sort(notes.begin(), notes.end(), [](const MistakeNote &a, const MistakeNote &b) {
        const bool aSmall = a.tag == Case || a.tag == Punctuation || a.tag == Space;
        const bool bSmall = b.tag == Case || b.tag == Punctuation || b.tag == Space;
        return !aSmall && bSmall;
    });
    return notes.mid(0, 2);
}

QString MistakeClassifier::noteLine(const QList<MistakeNote> &notes, const QString &between)
{
    QStringList parts;
    for (const MistakeNote &n : notes)
        parts << QStringLiteral("【%1】%2").arg(n.tag, n.sentence);
    return parts.join(between);
}

QString MistakeClassifier::tagLine(const QList<MistakeNote> &notes)
{
    QString line;
    for (const MistakeNote &n : notes)
        line += QStringLiteral("【%1】").arg(n.tag);
    return line;
}
