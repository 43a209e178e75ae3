#include "rules/tests/englishforms.h"

#include <QHash>

namespace englishforms {

namespace {

// The common irregular verbs of junior high school: base, past, past participle.
constexpr const char *kIrregularVerbs[][3] = {
    {"be", "was", "been"}, {"be", "were", "been"}, {"am", "was", "been"}, {"is", "was", "been"}, {"are", "were", "been"},
    {"have", "had", "had"}, {"has", "had", "had"}, {"do", "did", "done"}, {"does", "did", "done"},
    {"go", "went", "gone"}, {"come", "came", "come"}, {"become", "became", "become"}, {"get", "got", "gotten"},
    {"give", "gave", "given"}, {"take", "took", "taken"}, {"make", "made", "made"}, {"see", "saw", "seen"},
    {"eat", "ate", "eaten"}, {"drink", "drank", "drunk"}, {"write", "wrote", "written"}, {"read", "read", "read"},
    {"speak", "spoke", "spoken"}, {"say", "said", "said"}, {"tell", "told", "told"}, {"know", "knew", "known"},
    {"think", "thought", "thought"}, {"buy", "bought", "bought"}, {"bring", "brought", "brought"},
    {"teach", "taught", "taught"}, {"catch", "caught", "caught"}, {"find", "found", "found"}, {"run", "ran", "run"},
    {"swim", "swam", "swum"}, {"sing", "sang", "sung"}, {"begin", "began", "begun"}, {"sit", "sat", "sat"},
    {"stand", "stood", "stood"}, {"understand", "understood", "understood"}, {"leave", "left", "left"},
    {"feel", "felt", "felt"}, {"keep", "kept", "kept"}, {"sleep", "slept", "slept"}, {"meet", "met", "met"},
    {"send", "sent", "sent"}, {"spend", "spent", "spent"}, {"lose", "lost", "lost"}, {"hear", "heard", "heard"},
    {"put", "put", "put"}, {"cut", "cut", "cut"}, {"let", "let", "let"}, {"hit", "hit", "hit"}, {"set", "set", "set"},
    {"win", "won", "won"}, {"fly", "flew", "flown"}, {"draw", "drew", "drawn"}, {"grow", "grew", "grown"},
    {"throw", "threw", "thrown"}, {"ride", "rode", "ridden"}, {"rise", "rose", "risen"}, {"drive", "drove", "driven"},
    {"break", "broke", "broken"}, {"choose", "chose", "chosen"}, {"forget", "forgot", "forgotten"},
    {"wear", "wore", "worn"}, {"fall", "fell", "fallen"}, {"hold", "held", "held"}, {"lend", "lent", "lent"},
    {"build", "built", "built"}, {"pay", "paid", "paid"}, {"lay", "laid", "laid"}, {"mean", "meant", "meant"},
    {"show", "showed", "shown"}, {"sell", "sold", "sold"}, {"wake", "woke", "woken"}, {"hide", "hid", "hidden"},
    {"shake", "shook", "shaken"}, {"steal", "stole", "stolen"}, {"can", "could", "could"}, {"will", "would", "would"},
    {"shall", "should", "should"}, {"may", "might", "might"},
};

constexpr const char *kIrregularPlurals[][2] = {
    {"child", "children"}, {"man", "men"}, {"woman", "women"}, {"tooth", "teeth"}, {"foot", "feet"},
    {"mouse", "mice"}, {"person", "people"}, {"fish", "fish"}, {"sheep", "sheep"}, {"knife", "knives"},
    {"leaf", "leaves"}, {"wife", "wives"}, {"life", "lives"}, {"goose", "geese"}, {"potato", "potatoes"},
    {"tomato", "tomatoes"}, {"japanese", "japanese"},
};

bool isVowel(QChar c) { return QStringLiteral("aeiou").contains(c); }

// run → running, begin → beginning: one vowel before a last consonant.
bool doublesLastLetter(const QString &w)
{
    const qsizetype n = w.size();
    return n >= 3 && !isVowel(w[n - 1]) && !QStringLiteral("wxy").contains(w[n - 1]) && isVowel(w[n - 2]) &&
           !isVowel(w[n - 3]);
}

const QHash<QString, QString> &verbBases()
{
    static const QHash<QString, QString> bases = [] {
        QHash<QString, QString> map;
        for (const auto &v : kIrregularVerbs) {
            const QString base = QString::fromLatin1(v[0]), past = QString::fromLatin1(v[1]),
                          participle = QString::fromLatin1(v[2]);
            // am, is, are are forms of be; has of have; does of do.
            const QString lemma = base == u"am" || base == u"is" || base == u"are" ? QStringLiteral("be")
                                  : base == u"has"                                ? QStringLiteral("have")
                                  : base == u"does"                               ? QStringLiteral("do")
                                                                                  : base;
            for (const QString &form : {base, past, participle})
                map.insert(form, lemma);
            // What a learner makes of them by the rule: goed, eated, wented, taked, buyed, runned.
            for (const QString &stem : {base, past}) {
                map.insert(stem + (stem.endsWith(u'e') ? QStringLiteral("d") : QStringLiteral("ed")), lemma);
                if (doublesLastLetter(stem))
                    map.insert(stem + stem.back() + QStringLiteral("ed"), lemma);
            }
            map.insert(base + QStringLiteral("s"), lemma);
            const QString ing = doublesLastLetter(base) ? base + base.back()
                                : base.endsWith(u'e') && !base.endsWith(QStringLiteral("ee")) ? base.chopped(1)
                                                                                               : base;
            map.insert(ing + QStringLiteral("ing"), lemma);
        }
        map.insert(QStringLiteral("goes"), QStringLiteral("go"));
        map.insert(QStringLiteral("flies"), QStringLiteral("fly"));
        return map;
    }();
    return bases;
}

} // namespace

QStringList fullForm(const QString &word)
{
    static const QHash<QString, QStringList> forms = [] {
        QHash<QString, QStringList> map;
        auto add = [&map](const char *contraction, const char *full) {
            const QString c = QString::fromLatin1(contraction);
            const QStringList f = QString::fromLatin1(full).split(u' ');
            map.insert(c, f);
            QString bare = c;
            bare.remove(u'\'');
            // Written without the apostrophe only where that is no other word (not "its", "ill", "were").
            static const QStringList words = {QStringLiteral("its"), QStringLiteral("ill"), QStringLiteral("well"),
                                              QStringLiteral("were"), QStringLiteral("hell"), QStringLiteral("shell"),
                                              QStringLiteral("id"), QStringLiteral("wed"), QStringLiteral("hed"),
                                              QStringLiteral("shed"), QStringLiteral("whats"), QStringLiteral("hes"),
                                              QStringLiteral("lets"), QStringLiteral("wont")};
            if (!words.contains(bare))
                map.insert(bare, f);
        };
        for (const char *aux : {"is", "are", "was", "were", "do", "does", "did", "have", "has", "had", "could",
                                "should", "would", "must", "need"}) {
            add((std::string(aux) + "n't").c_str(), (std::string(aux) + " not").c_str());
        }
        add("can't", "cannot");
        add("won't", "will not");
        add("shan't", "shall not");
        for (const char *subject : {"i", "you", "we", "they", "he", "she", "it", "there", "that", "who"}) {
            const std::string s(subject);
            add((s + "'ll").c_str(), (s + " will").c_str());
            add((s + "'d").c_str(), (s + " would").c_str());
        }
        for (const char *subject : {"i", "you", "we", "they", "who", "could", "should", "would"})
            add((std::string(subject) + "'ve").c_str(), (std::string(subject) + " have").c_str());
        for (const char *subject : {"you", "we", "they", "who", "what", "there"})
            add((std::string(subject) + "'re").c_str(), (std::string(subject) + " are").c_str());
        add("i'm", "i am");
        for (const char *subject : {"it", "he", "she", "that", "what", "who", "where", "there", "here", "how",
                                    "when", "why", "this"})
            add((std::string(subject) + "'s").c_str(), (std::string(subject) + " is").c_str());
        return map;
    }();
    return forms.value(word.toLower());
}

bool isArticle(const QString &word)
{
    const QString w = word.toLower();
    return w == u"a" || w == u"an" || w == u"the";
}

const QSet<QString> &modalVerbs()
{
    static const QSet<QString> words = {QStringLiteral("can"),   QStringLiteral("could"),  QStringLiteral("will"),
                                        QStringLiteral("would"), QStringLiteral("shall"),  QStringLiteral("should"),
                                        QStringLiteral("may"),   QStringLiteral("might"),  QStringLiteral("must"),
                                        QStringLiteral("cannot")};
    return words;
}

bool hasDigit(const QString &word)
{
    for (QChar c : word) {
        if (c.isDigit())
            return true;
    }
    return false;
}

bool isNumberWord(const QString &word)
{
    static const QStringList numbers = {
        QStringLiteral("zero"), QStringLiteral("one"), QStringLiteral("two"), QStringLiteral("three"),
        QStringLiteral("four"), QStringLiteral("five"), QStringLiteral("six"), QStringLiteral("seven"),
        QStringLiteral("eight"), QStringLiteral("nine"), QStringLiteral("ten"), QStringLiteral("eleven"),
        QStringLiteral("twelve"), QStringLiteral("thirteen"), QStringLiteral("fourteen"), QStringLiteral("fifteen"),
        QStringLiteral("sixteen"), QStringLiteral("seventeen"), QStringLiteral("eighteen"), QStringLiteral("nineteen"),
        QStringLiteral("twenty"), QStringLiteral("thirty"), QStringLiteral("forty"), QStringLiteral("fifty"),
        QStringLiteral("sixty"), QStringLiteral("seventy"), QStringLiteral("eighty"), QStringLiteral("ninety"),
        QStringLiteral("hundred"), QStringLiteral("thousand"), QStringLiteral("million"), QStringLiteral("first"),
        QStringLiteral("second"), QStringLiteral("third"), QStringLiteral("fourth"), QStringLiteral("fifth"),
        QStringLiteral("twelfth"), QStringLiteral("twentieth"), QStringLiteral("o'clock"), QStringLiteral("half")};
    if (hasDigit(word))
        return true;
    for (const QString &part : word.toLower().split(u'-', Qt::SkipEmptyParts)) {
        if (!numbers.contains(part) && !(part.endsWith(QStringLiteral("th")) && numbers.contains(part.chopped(2))))
            return false;
    }
    return !word.isEmpty();
}

QString irregularVerbBase(const QString &word)
{
    const QString w = word.toLower();
    const QString base = verbBases().value(w);
    if (!base.isEmpty())
        return base;
    // A regular ending on an irregular verb's base: runned, swimmed, eatting.
    const QStringList bases = regularBases(w);
    for (qsizetype i = 1; i < bases.size(); ++i) {
        if (verbBases().value(bases[i]) == bases[i])
            return bases[i];
    }
    return {};
}

QString irregularNounSingular(const QString &word)
{
    const QString w = word.toLower();
    for (const auto &p : kIrregularPlurals) {
        const QString singular = QString::fromLatin1(p[0]), plural = QString::fromLatin1(p[1]);
        if (singular == plural)
            continue; // fish, sheep: the same word
        if (w == plural || w == singular + u's' || w == singular + QStringLiteral("es") || w == plural + u's' ||
            w == plural + QStringLiteral("es"))
            return singular;
    }
    return {};
}

QString irregularPlural(const QString &singular)
{
    const QString w = singular.toLower();
    for (const auto &p : kIrregularPlurals) {
        if (w == QLatin1String(p[0]))
            return QString::fromLatin1(p[1]);
    }
    return {};
}

Ending endingOf(const QString &word)
{
    Ending ending = Ending::None;
    regularBases(word, &ending);
    return ending;
}

QStringList regularBases(const QString &word, Ending *ending)
{
    const QString w = word.toLower();
    QStringList bases{w};
    Ending found = Ending::None;
    auto add = [&bases](const QString &b) {
        if (b.size() >= 2 && !bases.contains(b))
            bases << b;
    };
    const qsizetype n = w.size();
    if (n > 3 && w.endsWith(QStringLiteral("ing"))) {
        found = Ending::Ing;
        const QString stem = w.chopped(3);
        add(stem);
        add(stem + u'e');
        if (stem.size() > 2 && stem.back() == stem[stem.size() - 2] && !isVowel(stem.back()))
            add(stem.chopped(1)); // running → run
        if (stem.endsWith(u'y'))
            add(stem.chopped(1) + QStringLiteral("ie")); // lying → lie
    } else if (n > 3 && w.endsWith(QStringLiteral("ed"))) {
        found = Ending::Ed;
        const QString stem = w.chopped(2);
        add(stem);
        add(w.chopped(1)); // liked → like
        if (stem.endsWith(u'i'))
            add(stem.chopped(1) + u'y'); // studied → study
        if (stem.size() > 2 && stem.back() == stem[stem.size() - 2] && !isVowel(stem.back()))
            add(stem.chopped(1)); // stopped → stop
    } else if (n > 2 && w.endsWith(u's') && !w.endsWith(QStringLiteral("ss"))) {
        found = Ending::S;
        add(w.chopped(1));
        if (w.endsWith(QStringLiteral("ies")))
            add(w.chopped(3) + u'y'); // studies → study
        if (w.endsWith(QStringLiteral("es")))
            add(w.chopped(2)); // watches → watch
        if (w.endsWith(QStringLiteral("ves"))) {
            add(w.chopped(3) + u'f'); // leaves → leaf
            add(w.chopped(3) + QStringLiteral("fe"));
        }
    }
    if (ending)
        *ending = found;
    return bases;
}

} // namespace englishforms
