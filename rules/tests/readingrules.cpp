#include "rules/tests/readingrules.h"

#include <QList>
#include <QSet>
#include <initializer_list>
#include <utility>

namespace {

// ---- Abbreviations ----------------------------------------------------------------------

struct Abbreviation {
    const char *written; // before its full stop
    const char *said;
};
// "St." is "Saint" before a name and "Street" after one; "No." is "Number" only before a number.
constexpr Abbreviation kAbbreviations[] = {
    {"Mr", "Mister"}, {"Mrs", "Missus"}, {"Ms", "Miz"}, {"Dr", "Doctor"},
    {"Mt", "Mount"},  {"St", "Saint"},   {"No", "Number"},
};

bool isWordChar(const QString &text, qsizetype i)
{
    if (i < 0 || i >= text.size())
        return false;
    const QChar c = text[i];
    if (c.isLetterOrNumber())
        return true;
    // An apostrophe inside a word ("don't", "Tom's") belongs to it.
    return (c == QLatin1Char('\'') || c == QChar(0x2019)) && i > 0 && i + 1 < text.size()
           && text[i - 1].isLetter() && text[i + 1].isLetter();
}

qsizetype skipBlanks(const QString &text, qsizetype i)
{
    while (i < text.size() && text[i].isSpace())
        ++i;
    return i;
}

bool capitalisedWordBefore(const QString &text, qsizetype start)
{
    qsizetype i = start - 1;
    while (i >= 0 && text[i].isSpace())
        --i;
    qsizetype begin = i;
    while (begin > 0 && isWordChar(text, begin - 1))
        --begin;
    return i >= 0 && isWordChar(text, i) && text[begin].isUpper();
}

// ---- Words of a sentence ----------------------------------------------------------------

struct Word {
    qsizetype start = 0;
    qsizetype length = 0;
    QString lower;          // case-folded, with ' for ’
    bool capitalised = false;
    bool sentenceStart = false; // the first word of its sentence
    bool breakBefore = false;   // punctuation between this word and the one before
};

QList<Word> wordsOf(const QString &text)
{
    QList<Word> words;
    bool newSentence = true;
    bool punctuation = false;
    for (qsizetype i = 0; i < text.size();) {
        if (!isWordChar(text, i)) {
            const QChar c = text[i];
            if (c == QLatin1Char('.') || c == QLatin1Char('!') || c == QLatin1Char('?'))
                newSentence = true;
            else if (!c.isSpace())
                punctuation = true;
            ++i;
            continue;
        }
        Word w;
        w.start = i;
        while (isWordChar(text, i))
            ++i;
        w.length = i - w.start;
        w.lower = text.mid(w.start, w.length).toCaseFolded().replace(QChar(0x2019), QLatin1Char('\''));
        w.capitalised = text[w.start].isUpper();
        w.sentenceStart = newSentence;
        w.breakBefore = newSentence || punctuation;
        newSentence = punctuation = false;
        words.append(w);
    }
    return words;
}

// ---- Heteronyms ---------------------------------------------------------------------------

using Words = std::initializer_list<const char *>;

bool among(const QString &word, Words list)
{
    for (const char *w : list) {
        if (word == QLatin1String(w))
            return true;
    }
    return false;
}

// Words before a verb that call for its plain (present) form, and those that call for the
// past participle. The nearest of them up to three words back, in the same clause, decides:
// "Can Mary read", "have you read", "is read by".
constexpr Words kPlainFormMarkers = {
    "to",      "will",     "would",     "can",      "could",  "may",    "might",    "must",
    "shall",   "should",   "do",        "does",     "did",    "don't",  "doesn't",  "didn't",
    "can't",   "cannot",   "won't",     "wouldn't", "couldn't", "shouldn't", "mustn't", "let's",
    "please",  "i'll",     "you'll",    "we'll",    "they'll", "he'll", "she'll",
};
constexpr Words kParticipleMarkers = {
    "have",  "has",   "had",   "haven't", "hasn't", "hadn't", "i've",   "you've",  "we've",
    "they've", "is",  "are",   "was",     "were",   "am",     "be",     "been",    "being",
    "isn't", "aren't", "wasn't", "weren't", "it's", "he's",   "she's",  "that's",
};
// Words that begin a new clause: the scan for a marker stops there.
constexpr Words kClauseWords = {"that", "which", "who", "whom", "and", "but", "or", "because", "when", "if", "so"};
// Words that are no subject of a verb (for a name or a noun just before it).
constexpr Words kFunctionWords = {
    "i",    "you",   "we",    "they", "the",  "a",    "an",    "this", "that", "these", "those",
    "what", "where", "when",  "who",  "which", "how", "why",   "and",  "but",  "or",    "not",
    "to",   "in",    "on",    "at",   "of",   "for",  "with",  "from", "by",   "there", "here",
    "my",   "your",  "his",   "her",  "our",  "their", "its",  "very", "also", "often", "always",
};
constexpr Words kDeterminers = {"my", "your", "his", "her", "our", "their", "its", "the", "a", "an", "this", "that"};

enum class Cue {
    After,          // the word just before is one of the cue words
    Before,         // the word just after is one of the cue words
    Marker,         // the nearest marker (see above) is one of the cue words
    Command,        // the first word of a sentence that goes on, with one of the cue words next (any when none)
    SentenceHas,    // the sentence holds one of the cue words
    SingularSubject, // just after he, she, it, a name or "my father": the present would take an -s
    AfterObjectOf,  // after one of the cue words and its object, a name or a pronoun: "made Taku read"
    PresentSentence, // the sentence tells of the present (see presentSentence), and holds no "was" or "were"
};

struct ReadingRule {
    const char *word;
    Cue cue;
    Words cueWords;
    const char *respelt; // said alike by flite and espeak-ng
};

constexpr Words kNoCueWords = {};

// The first rule of a word that applies decides its reading; when none does, the engine's
// own reading stays. The verb "present" has no rule: no spelling makes both engines stress
// its second syllable, and both already do so after "to", a modal or a pronoun.
const ReadingRule kRules[] = {
    // read: /riːd/ "reed", /rɛd/ "red"
    {"read", Cue::Marker, kPlainFormMarkers, "reed"},
    {"read", Cue::Marker, kParticipleMarkers, "red"},
    {"read", Cue::Command, kNoCueWords, "reed"},
    {"read", Cue::SentenceHas, {"yesterday", "ago", "last"}, "red"},
    {"read", Cue::AfterObjectOf, {"make", "makes", "made", "let", "lets", "help", "helps", "helped", "hear", "heard", "see", "saw", "watch", "watched"}, "reed"},
    {"read", Cue::SingularSubject, kNoCueWords, "red"},
    {"read", Cue::PresentSentence, kNoCueWords, "reed"},
    // lives: the noun /laɪvz/ "lyves", the verb /lɪvz/ "livs"
    {"lives", Cue::After, {"my", "your", "his", "her", "our", "their", "its", "the", "many", "these", "those", "whose", "save", "saved", "saves"}, "lyves"},
    {"lives", Cue::After, {"he", "she", "it", "who", "that", "which"}, "livs"},
    {"lives", Cue::SingularSubject, kNoCueWords, "livs"},
    // live: the adjective /laɪv/ "lyve", the verb /lɪv/ "liv"
    {"live", Cue::Before, {"music", "show", "shows", "concert", "concerts", "broadcast", "performance", "event", "stream", "tv"}, "lyve"},
    {"live", Cue::Marker, kPlainFormMarkers, "liv"},
    {"live", Cue::After, {"i", "you", "we", "they", "who", "people", "children", "families"}, "liv"},
    // close: the adjective /kloʊs/ "kloce", the verb /kloʊz/ "cloze"
    {"close", Cue::After, {"is", "are", "was", "were", "am", "be", "been", "very", "so", "too", "quite", "really", "isn't", "aren't", "wasn't", "weren't", "it's"}, "kloce"},
    {"close", Cue::Before, {"to", "by", "friend", "friends"}, "kloce"},
    {"close", Cue::Marker, kPlainFormMarkers, "cloze"},
    {"close", Cue::Command, kNoCueWords, "cloze"},
    {"close", Cue::After, {"i", "you", "we", "they"}, "cloze"},
    // use: the noun /juːs/ "yoose", the verb /juːz/ "yooz"
    {"use", Cue::After, {"the", "a", "no", "of", "its", "any", "much", "some", "in", "for", "good", "daily"}, "yoose"},
    {"use", Cue::Marker, kPlainFormMarkers, "yooz"},
    {"use", Cue::Command, kNoCueWords, "yooz"},
    {"use", Cue::After, {"i", "you", "we", "they", "people", "who"}, "yooz"},
    // wind: the noun /wɪnd/ "winned", the verb /waɪnd/ "wined"
    {"wind", Cue::After, {"the", "a", "cold", "strong", "north", "south", "east", "west", "of", "no"}, "winned"},
    {"wind", Cue::Marker, kPlainFormMarkers, "wined"},
    {"wind", Cue::Command, {"the", "up", "your", "my", "it", "this", "that", "his", "her"}, "wined"},
    // tear, tears: the noun /tɪə(r)/ "teer", the verb /tɛə(r)/ "tair"
    {"tear", Cue::After, {"a", "the", "her", "his", "my", "your", "their", "our", "in", "one"}, "teer"},
    {"tear", Cue::Marker, kPlainFormMarkers, "tair"},
    {"tear", Cue::Command, {"the", "up", "it", "this", "that", "your", "my", "off", "out"}, "tair"},
    {"tears", Cue::After, {"in", "her", "his", "my", "your", "their", "our", "the", "with", "into", "of", "no"}, "teers"},
    {"tears", Cue::After, {"he", "she", "it", "who"}, "tairs"},
    // lead: the metal /lɛd/ "led", the verb /liːd/ "leed"
    {"lead", Cue::Before, {"pencil", "pencils", "pipe", "pipes", "poisoning"}, "led"},
    {"lead", Cue::After, {"of"}, "led"},
    {"lead", Cue::Marker, kPlainFormMarkers, "leed"},
    {"lead", Cue::Command, {"the", "us", "me", "them", "him", "her", "a", "your"}, "leed"},
    {"lead", Cue::After, {"i", "you", "we", "they"}, "leed"},
    // present: the noun and adjective /ˈprɛzənt/ "prezzent"
    {"present", Cue::After, {"a", "the", "birthday", "christmas", "wedding", "my", "your", "his", "her", "our", "their", "this", "that", "nice", "at", "is", "are", "was", "were", "be"}, "prezzent"},
    // record: the noun /ˈrɛkərd/ "reckerd", the verb /rɪˈkɔːrd/ "rekord"
    {"record", Cue::After, {"a", "the", "my", "your", "his", "her", "our", "their", "world", "new", "this", "that", "school", "good", "best"}, "reckerd"},
    {"record", Cue::Marker, kPlainFormMarkers, "rekord"},
    {"record", Cue::Command, {"the", "your", "it", "this", "a", "my"}, "rekord"},
};

// The nearest marker word before words[at], up to three words back in its clause; empty if none.
QString nearestMarker(const QList<Word> &words, qsizetype at)
{
    for (qsizetype i = at - 1; i >= 0 && i >= at - 3; --i) {
        if (words[i + 1].breakBefore)
            break;
        const QString &w = words[i].lower;
        if (among(w, kPlainFormMarkers) || among(w, kParticipleMarkers))
            return w;
        if (among(w, kClauseWords))
            break;
    }
    return {};
}

bool singularSubjectBefore(const QList<Word> &words, qsizetype at)
{
    if (at == 0 || words[at].breakBefore)
        return false;
    const Word &before = words[at - 1];
    if (among(before.lower, {"he", "she", "it"}))
        return true;
    if (among(before.lower, kFunctionWords) || among(before.lower, kPlainFormMarkers)
        || among(before.lower, kParticipleMarkers))
        return false;
    if (before.capitalised) // a name: "Tom lives"
        return true;
    // "my father read": a noun after a determiner, not a plural one
    return at >= 2 && !before.breakBefore && among(words[at - 2].lower, kDeterminers)
           && !before.lower.endsWith(QLatin1Char('s'));
}

// The words of the sentence that holds words[at]: [first, end).
std::pair<qsizetype, qsizetype> sentenceOf(const QList<Word> &words, qsizetype at)
{
    qsizetype first = at;
    while (first > 0 && !words[first].sentenceStart)
        --first;
    qsizetype end = at + 1;
    while (end < words.size() && !words[end].sentenceStart)
        ++end;
    return {first, end};
}

// A sentence tells of the present when it names a habit ("every morning", "usually") or
// holds a subject with a present form of "be", "have" or "do" ("I'm", "when I have time",
// "she doesn't"). Words of the past beside it ("When I was a child, I often read comics")
// leave the tense undecided; so does a sentence without either ("We read it together").
bool presentSentence(const QList<Word> &words, qsizetype at)
{
    static constexpr Words kHabits = {"usually", "often", "always", "sometimes", "everyday"};
    static constexpr Words kEveryWhat = {"day", "morning", "week", "night", "evening", "afternoon", "weekend",
                                         "month", "year", "sunday", "monday", "tuesday", "wednesday",
                                         "thursday", "friday", "saturday"};
    static constexpr Words kPresentSubjects = {"i'm", "you're", "we're", "they're"};
    const auto presentVerbOf = [](const QString &subject, const QString &verb) {
        if (subject == QLatin1String("i"))
            return among(verb, {"am", "have", "do", "don't"});
        if (among(subject, {"you", "we", "they"}))
            return among(verb, {"are", "have", "do", "don't"});
        if (among(subject, {"he", "she"}))
            return among(verb, {"is", "has", "does", "doesn't"});
        return false;
    };
    static constexpr Words kPastOfBe = {"was", "were", "wasn't", "weren't"};
    const auto [first, end] = sentenceOf(words, at);
    bool present = false;
    for (qsizetype i = first; i < end; ++i) {
        const QString &w = words[i].lower;
        const QString next = i + 1 < end ? words[i + 1].lower : QString();
        if (among(w, kPastOfBe))
            return false;
        present = present || among(w, kHabits) || (w == QLatin1String("every") && among(next, kEveryWhat))
                  || among(w, kPresentSubjects) || presentVerbOf(w, next);
    }
    return present;
}

bool applies(const ReadingRule &rule, const QList<Word> &words, qsizetype at)
{
    const bool hasBefore = at > 0 && !words[at].breakBefore;
    const bool hasAfter = at + 1 < words.size() && !words[at + 1].breakBefore;
    switch (rule.cue) {
    case Cue::After:
        return hasBefore && among(words[at - 1].lower, rule.cueWords);
    case Cue::Before:
        return hasAfter && among(words[at + 1].lower, rule.cueWords);
    case Cue::Marker: {
        const QString marker = nearestMarker(words, at);
        return !marker.isEmpty() && among(marker, rule.cueWords);
    }
    case Cue::Command:
        return words[at].sentenceStart && at + 1 < words.size() && !words[at + 1].sentenceStart
               && (rule.cueWords.size() == 0 || (hasAfter && among(words[at + 1].lower, rule.cueWords)));
    case Cue::SentenceHas: {
        const auto [first, end] = sentenceOf(words, at);
        for (qsizetype i = first; i < end; ++i) {
            if (among(words[i].lower, rule.cueWords))
                return true;
        }
        return false;
    }
    case Cue::SingularSubject:
        return singularSubjectBefore(words, at);
    case Cue::AfterObjectOf: {
        if (at < 2 || words[at].breakBefore || words[at - 1].breakBefore || !among(words[at - 2].lower, rule.cueWords))
            return false;
        const Word &object = words[at - 1];
        return object.capitalised || among(object.lower, {"me", "you", "him", "her", "us", "them", "it"});
    }
    case Cue::PresentSentence:
        return presentSentence(words, at);
    }
    return false;
}

// The respelling keeps the capital of the word it stands for.
QString likeCase(const QString &respelt, const QString &original)
{
    QString out = respelt;
    if (!original.isEmpty() && original[0].isUpper())
        out[0] = out[0].toUpper();
    return out;
}

} // namespace

QString ReadingRules::withAbbreviationsWrittenOut(const QString &english)
{
    QString out;
    qsizetype copied = 0;
    for (qsizetype i = 0; i < english.size();) {
        if (!isWordChar(english, i)) {
            ++i;
            continue;
        }
        const qsizetype start = i;
        while (isWordChar(english, i))
            ++i;
        if (i >= english.size() || english[i] != QLatin1Char('.'))
            continue;
        const QString word = english.mid(start, i - start);
        const qsizetype next = skipBlanks(english, i + 1);
        for (const Abbreviation &a : kAbbreviations) {
            if (word != QLatin1String(a.written))
                continue;
            QString said = QString::fromLatin1(a.said);
            if (word == QLatin1String("No") && !(next < english.size() && english[next].isDigit()))
                break;
            if (word == QLatin1String("St")
                && (capitalisedWordBefore(english, start) || !(next < english.size() && english[next].isUpper())))
                said = QStringLiteral("Street");
            out += english.mid(copied, start - copied) + said;
            // The full stop of an abbreviation that ends the line also ends its sentence.
            copied = next >= english.size() ? i : i + 1;
            break;
        }
    }
    return out + english.mid(copied);
}

QString ReadingRules::forEngine(const QString &english)
{
    const QString text = withAbbreviationsWrittenOut(english);
    const QList<Word> words = wordsOf(text);
    QString out;
    qsizetype copied = 0;
    for (qsizetype at = 0; at < words.size(); ++at) {
        const Word &w = words[at];
        for (const ReadingRule &rule : kRules) {
            if (w.lower != QLatin1String(rule.word) || !applies(rule, words, at))
                continue;
            out += text.mid(copied, w.start - copied)
                   + likeCase(QString::fromLatin1(rule.respelt), text.mid(w.start, w.length));
            copied = w.start + w.length;
            break;
        }
    }
    return out + text.mid(copied);
}
