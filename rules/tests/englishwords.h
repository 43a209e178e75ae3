#pragma once
// The English word list the review of a typed answer asks: whether a word is a real English
// word (American spelling) and the stems of a form (plays → play). It is Hunspell with the
// en_US dictionary; the library and the dictionary are loaded the first time it is asked,
// never at start. Without either, every question gets the answer "do not know", and the
// review names fewer mistakes.
#include <QString>
#include <QStringList>

struct Hunhandle;

class EnglishWords {
public:
    // The dictionary in folder `dir` (en_US.aff and en_US.dic), read on the first question.
    explicit EnglishWords(const QString &dir);
    ~EnglishWords();
    EnglishWords(const EnglishWords &) = delete;
    EnglishWords &operator=(const EnglishWords &) = delete;

    // The program's copy, on Debian's dictionary folder.
    static EnglishWords &shared();

    bool available() const;
    // True when the word, as typed or in lower case, is in the dictionary; false when it is not
    // or there is no dictionary.
    bool isWord(const QString &word) const;
    // The stems the dictionary gives for the word (in lower case); empty without a dictionary.
    QStringList stems(const QString &word) const;

private:
    Hunhandle *dictionary() const;

    QString dir_;
    mutable bool tried_ = false;
    mutable Hunhandle *hunspell_ = nullptr;
};
