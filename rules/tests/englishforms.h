#pragma once
// What the review of a typed answer knows of English forms beside the word list: contractions
// and their full forms, number words, articles, the irregular verbs and plurals, and the
// regular endings -s, -ed and -ing. All words are taken in lower case.
#include <QSet>
#include <QString>
#include <QStringList>

namespace englishforms {

// The full form of a contraction (isn't → is not, I'm → i am, can't → cannot), also written
// without its apostrophe (dont); empty for a word that is none. Let's, o'clock and the
// possessive 's are not contractions.
QStringList fullForm(const QString &word);

bool isArticle(const QString &word);
// can, could, will, would, shall, should, may, might, must and cannot: the verbs before a
// base form that never take the -s of the third person.
const QSet<QString> &modalVerbs();
// A number written in letters (seven, twenty-one, hundred) or in digits (7, 7:30, 2nd).
bool isNumberWord(const QString &word);
bool hasDigit(const QString &word);

// The base form a word is a form of when it belongs to an irregular verb, including the forms
// a learner makes by rule (goed, wented, eated); empty otherwise.
QString irregularVerbBase(const QString &word);
// The singular a word belongs to when it is an irregular plural noun or a learner's plural of
// one (children, childs, childrens, mans); empty otherwise.
QString irregularNounSingular(const QString &word);
// The irregular plural of a singular; empty when it takes -s.
QString irregularPlural(const QString &singular);

enum class Ending { None, S, Ed, Ing };
// The words a word can come from by a regular ending, the word itself first (plays → play,
// studies → study, stopped → stop, making → make), with the ending taken off.
QStringList regularBases(const QString &word, Ending *ending = nullptr);
Ending endingOf(const QString &word);

} // namespace englishforms
