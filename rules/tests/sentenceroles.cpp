#include "rules/tests/sentenceroles.h"

#include "rules/tests/englishforms.h"
#include "rules/tests/englishwords.h"

#include <QSet>

using englishforms::isArticle;
using englishforms::isNumberWord;

namespace {

using Words = QSet<QString>;

bool isIn(const Words &set, const QString &w) { return set.contains(w); }

// Pronouns and the like that are the subject of the verb after them.
const Words &subjectPronouns()
{
    static const Words words = {u"i"_qs,        u"you"_qs,       u"we"_qs,        u"they"_qs,     u"he"_qs,
                                u"she"_qs,      u"it"_qs,        u"who"_qs,       u"everyone"_qs, u"everybody"_qs,
                                u"someone"_qs,  u"somebody"_qs,  u"nobody"_qs,    u"everything"_qs,
                                u"something"_qs, u"nothing"_qs,  u"there"_qs};
    return words;
}

// The course's names that are also English words (Mr. Brown, Ms. Green).
const Words &names()
{
    static const Words words = {u"ken"_qs,  u"yumi"_qs, u"tom"_qs,  u"emma"_qs,  u"mike"_qs,  u"lucy"_qs,
                                u"aya"_qs,  u"taku"_qs, u"brown"_qs, u"green"_qs, u"smith"_qs};
    return words;
}

const Words &titles()
{
    static const Words words = {u"mr"_qs, u"ms"_qs, u"mrs"_qs, u"dr"_qs};
    return words;
}

const Words &possessives()
{
    static const Words words = {u"my"_qs, u"your"_qs, u"his"_qs, u"her"_qs, u"our"_qs, u"their"_qs, u"its"_qs, u"whose"_qs};
    return words;
}

const Words &quantifiers()
{
    static const Words words = {u"these"_qs, u"those"_qs, u"some"_qs,    u"many"_qs,  u"few"_qs,   u"several"_qs,
                                u"any"_qs,   u"no"_qs,    u"all"_qs,     u"both"_qs,  u"every"_qs, u"each"_qs,
                                u"much"_qs,  u"more"_qs,  u"most"_qs,    u"other"_qs, u"another"_qs};
    return words;
}

// this, that, which, what: before a noun, or a word of their own.
const Words &demonstratives()
{
    static const Words words = {u"this"_qs, u"that"_qs, u"which"_qs, u"what"_qs};
    return words;
}

const Words &prepositions()
{
    static const Words words = {u"of"_qs,    u"in"_qs,    u"on"_qs,   u"at"_qs,    u"for"_qs,     u"with"_qs,
                                u"from"_qs,  u"to"_qs,    u"about"_qs, u"near"_qs, u"by"_qs,      u"under"_qs,
                                u"after"_qs, u"before"_qs, u"into"_qs, u"than"_qs, u"without"_qs, u"between"_qs,
                                u"during"_qs, u"over"_qs, u"around"_qs};
    return words;
}

// Words after which a new clause, with a subject of its own, begins.
const Words &clauseWords()
{
    static const Words words = {u"that"_qs,  u"which"_qs, u"who"_qs,    u"when"_qs,   u"if"_qs,     u"because"_qs,
                                u"and"_qs,   u"but"_qs,   u"so"_qs,     u"or"_qs,     u"while"_qs,  u"where"_qs,
                                u"what"_qs,  u"how"_qs,   u"why"_qs,    u"until"_qs,  u"though"_qs, u"although"_qs,
                                u"whether"_qs};
    return words;
}

// The words a verb may follow with its base form: do, can, will ... (to apart).
const Words &auxiliaries()
{
    static const Words words =
        Words{u"do"_qs, u"does"_qs, u"did"_qs, u"let's"_qs, u"please"_qs}.unite(englishforms::modalVerbs());
    return words;
}

// A verb or a be after a noun phrase at the start shows that phrase to be the subject (This
// book is ..., What color is ...).
const Words &verbsAfterSubject()
{
    static const Words words = Words{u"is"_qs,  u"are"_qs, u"was"_qs,  u"were"_qs, u"am"_qs, u"has"_qs,
                                     u"have"_qs, u"had"_qs, u"does"_qs, u"do"_qs,   u"did"_qs}
                                   .unite(englishforms::modalVerbs());
    return words;
}

const Words &objectPronouns()
{
    static const Words words = {u"me"_qs, u"him"_qs, u"us"_qs, u"them"_qs};
    return words;
}

// Verbs and words after which "to" is a preposition (go to school, listen to music), not the
// mark of a verb's base form (want to play).
const Words &beforeToAsPreposition()
{
    static const Words words = {
        u"go"_qs,     u"goes"_qs,    u"went"_qs,     u"gone"_qs,   u"come"_qs,    u"comes"_qs,
        u"came"_qs,   u"coming"_qs,  u"get"_qs,      u"gets"_qs,    u"got"_qs,    u"walk"_qs,    u"walks"_qs,
        u"walked"_qs, u"run"_qs,     u"runs"_qs,     u"ran"_qs,     u"listen"_qs, u"listens"_qs, u"listened"_qs,
        u"listening"_qs, u"talk"_qs, u"talks"_qs,    u"talked"_qs,  u"talking"_qs, u"speak"_qs,  u"speaks"_qs,
        u"spoke"_qs,  u"write"_qs,   u"writes"_qs,   u"wrote"_qs,   u"next"_qs,   u"back"_qs,    u"welcome"_qs,
        u"belong"_qs, u"belongs"_qs, u"send"_qs,     u"sent"_qs,    u"give"_qs,   u"gave"_qs,    u"from"_qs,
        u"close"_qs,  u"trip"_qs,    u"way"_qs};
    return words;
}

bool isFrequencyAdverb(const QString &w)
{
    static const Words words = {u"always"_qs, u"usually"_qs, u"often"_qs, u"sometimes"_qs, u"never"_qs, u"also"_qs,
                                u"really"_qs, u"just"_qs,    u"only"_qs,  u"still"_qs,     u"not"_qs};
    return words.contains(w);
}

} // namespace

SentenceRoles::SentenceRoles(const QStringList &words, const QList<int> &commaAfter, const EnglishWords &dictionary)
    : words_(words), commaAfter_(commaAfter), dictionary_(dictionary)
{
    for (const QString &w : words)
        keys_ << w.toLower();
}

bool SentenceRoles::isNationality(const QString &word)
{
    static const Words words = {
        u"english"_qs,  u"japanese"_qs,   u"french"_qs,  u"chinese"_qs,   u"spanish"_qs,  u"russian"_qs,
        u"korean"_qs,   u"italian"_qs,    u"german"_qs,  u"american"_qs,  u"canadian"_qs, u"australian"_qs,
        u"british"_qs,  u"indian"_qs,     u"thai"_qs,    u"vietnamese"_qs, u"brazilian"_qs, u"mexican"_qs,
        u"kenyan"_qs,   u"egyptian"_qs,   u"asian"_qs,   u"african"_qs,   u"european"_qs};
    return words.contains(word.toLower());
}

QString SentenceRoles::key(int at) const
{
    return at >= 0 && at < keys_.size() ? keys_[at] : QString();
}

bool SentenceRoles::isCapitalised(int at) const
{
    return at >= 0 && at < words_.size() && !words_[at].isEmpty() && words_[at].front().isUpper();
}

bool SentenceRoles::isDeterminer(int at) const
{
    const QString k = key(at);
    if (k.isEmpty())
        return false;
    if (isArticle(k) || isIn(possessives(), k) || isIn(quantifiers(), k) || isNumberWord(k))
        return true;
    if (k.endsWith(u"'s") && k != u"let's")
        return true; // Ken's, my father's
    return isCapitalised(at) && isNationality(k);
}

bool SentenceRoles::isName(int at) const
{
    const QString k = key(at);
    if (!isCapitalised(at) || k == u"i" || isNationality(k) || k.endsWith(u"'s"))
        return false;
    const QString &w = words_[at];
    if (w.size() > 1 && w[1].isUpper())
        return false; // TV, CD
    if (isIn(names(), k) || isIn(titles(), key(at - 1)))
        return true;
    // A capital inside the sentence, or a word the dictionary knows only with its capital.
    return dictionary_.available() ? !dictionary_.isWord(k) : at > 0;
}

bool SentenceRoles::isClauseStart(int at) const
{
    return at == 0 || commaAfter_.contains(at - 1) || isIn(clauseWords(), key(at - 1));
}

int SentenceRoles::nounPhraseStart(int end, bool withAdjective) const
{
    if (end <= 0 || isDeterminer(end) || isIn(demonstratives(), key(end)) || isIn(verbsAfterSubject(), key(end)) ||
        isIn(auxiliaries(), key(end)))
        return -1; // this is, that can
    auto opens = [this](int at) { return isDeterminer(at) || key(at) == u"this" || key(at) == u"that"; };
    // my friend's dog, Mr. Brown's car: the phrase starts before the owner.
    auto owner = [this](int start) {
        while (start > 0 && key(start).endsWith(u"'s") && (isDeterminer(start - 1) || isIn(titles(), key(start - 1))))
            --start;
        return start;
    };
    if (opens(end - 1))
        return owner(end - 1);
    // One word between: my little sister, Ken's old bike; not my sister likes, those women are,
    // my friends like, my father made.
    auto mayBeVerb = [this](int at) {
        const QString k = key(at);
        return k.endsWith(u's') || k.endsWith(QStringLiteral("ed")) || isIn(verbsAfterSubject(), k) ||
               isIn(auxiliaries(), k) || isFrequencyAdverb(k) || !englishforms::irregularVerbBase(k).isEmpty();
    };
    // After does, can ... the phrase is a question's subject and its verb follows it (Does your
    // mother like flowers?).
    if (withAdjective && end >= 2 && opens(end - 2) && !isIn(prepositions(), key(end - 1)) && !mayBeVerb(end) &&
        !mayBeVerb(end - 1) && !isIn(auxiliaries(), key(end - 3)))
        return owner(end - 2);
    return -1;
}

int SentenceRoles::subjectStart(int end, bool withAdjective) const
{
    if (end < 0)
        return -1;
    if (isIn(subjectPronouns(), key(end)))
        return end;
    if (isName(end)) {
        const int start = isIn(titles(), key(end - 1)) ? end - 1 : end;
        return isIn(prepositions(), key(start - 1)) ? -1 : start; // with Ken
    }
    return nounPhraseStart(end, withAdjective);
}

int SentenceRoles::skipAdverbsBack(int at) const
{
    while (at >= 0 && isFrequencyAdverb(key(at)))
        --at;
    return at;
}

int SentenceRoles::auxiliaryOf(int at) const
{
    const int k = skipAdverbsBack(at - 1);
    if (k < 0)
        return -1;
    if (key(k) == u"to")
        return isIn(beforeToAsPreposition(), key(k - 1)) || key(k - 1) == u"going" ? -1 : k;
    if (isIn(auxiliaries(), key(k)))
        return k;
    // A question: Does Ken play, Can your brother swim.
    const int subject = subjectStart(k, false);
    if (subject > 0 && isIn(auxiliaries(), key(subject - 1)))
        return subject - 1;
    return -1;
}

bool SentenceRoles::isSingularNoun(int at) const
{
    const QString k = key(at);
    return !(k.endsWith(u's') && !k.endsWith(QStringLiteral("ss"))) && englishforms::irregularNounSingular(k).isEmpty();
}

SentenceRoles::Role SentenceRoles::roleOf(int at, bool *thirdPersonSingular) const
{
    bool single = false;
    if (!thirdPersonSingular)
        thirdPersonSingular = &single;
    *thirdPersonSingular = false;
    const int before = at - 1;
    if (before < 0) {
        // Books are ..., book; but Open the window.
        const QString next = key(at + 1);
        return next.isEmpty() || isIn(verbsAfterSubject(), next) ? Role::Noun : Role::Unclear;
    }
    const QString k = key(before);
    if (isIn(demonstratives(), k)) {
        // The train that goes: that and which after a noun stand for it as a subject.
        if ((k == u"that" || k == u"which") && nounPhraseStart(before - 1) >= 0)
            return Role::Verb;
        if (!isClauseStart(before))
            return Role::Noun; // I know that girl.
        // This book is ..., What color is ...; That sounds good, This makes me happy.
        const QString next = key(at + 1);
        if (next.isEmpty() || isIn(verbsAfterSubject(), next) || isFrequencyAdverb(next))
            return Role::Noun;
        if (isIn(objectPronouns(), next)) {
            *thirdPersonSingular = true;
            return Role::Verb;
        }
        return Role::Unclear;
    }
    // going to school, going to play: a noun or a verb.
    if (k == u"to" && key(before - 1) == u"going")
        return Role::Unclear;
    if (isDeterminer(before) || isIn(prepositions(), k))
        return Role::Noun;
    // He plays, Ken often plays, Mr. Brown speaks, my sister likes: a verb after its subject.
    const int end = skipAdverbsBack(before);
    if (isIn(subjectPronouns(), key(end))) {
        // You and it are objects too (were you yesterday, like it): a subject at a clause's start.
        const bool alsoObject = key(end) == u"you" || key(end) == u"it";
        static const Words notSingle = {u"i"_qs, u"you"_qs, u"we"_qs, u"they"_qs, u"who"_qs, u"there"_qs};
        *thirdPersonSingular = !isIn(notSingle, key(end));
        return !alsoObject || isClauseStart(end) ? Role::Verb : Role::Unclear;
    }
    if (isName(end) && subjectStart(end) >= 0) {
        *thirdPersonSingular = key(subjectStart(end) - 1) != u"and"; // not Tom and Ken
        return Role::Verb;
    }
    // A noun phrase that starts no clause (gave my sister books): an object, or a noun before
    // a noun; what follows it cannot be told.
    // The red car is ...: the word before the be is the phrase's noun.
    const int phrase = nounPhraseStart(end);
    if (phrase >= 0 && isIn(verbsAfterSubject(), key(at + 1)))
        return Role::Noun;
    if (phrase >= 0 && isClauseStart(phrase)) {
        *thirdPersonSingular = isSingularNoun(end) && key(phrase - 1) != u"and";
        return Role::Verb;
    }
    if (phrase >= 0)
        return Role::Unclear;
    return Role::Noun; // after a verb or an adjective: I like dogs, good friends
}
