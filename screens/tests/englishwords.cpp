#include "screens/tests/englishwords.h"

#include <QFileInfo>

#include <hunspell/hunspell.hxx>

EnglishWords::EnglishWords(const QString &dir) : dir_(dir) {}

EnglishWords::~EnglishWords() = default;

EnglishWords &EnglishWords::shared()
{
    static EnglishWords words(QStringLiteral("/usr/share/hunspell"));
    return words;
}

Hunspell *EnglishWords::dictionary() const
{
    if (!tried_) {
        tried_ = true;
        const QString aff = dir_ + QStringLiteral("/en_US.aff");
        const QString dic = dir_ + QStringLiteral("/en_US.dic");
        // Hunspell reads a missing file as an empty dictionary that knows no word: ask first.
        if (QFileInfo(aff).isReadable() && QFileInfo(dic).isReadable())
            hunspell_ = std::make_unique<Hunspell>(aff.toLocal8Bit().constData(), dic.toLocal8Bit().constData());
    }
    return hunspell_.get();
}

bool EnglishWords::available() const
{
    return dictionary() != nullptr;
}

bool EnglishWords::isWord(const QString &word) const
{
    Hunspell *h = dictionary();
    if (!h || word.isEmpty())
        return false;
    return h->spell(word.toStdString()) || h->spell(word.toLower().toStdString());
}

QStringList EnglishWords::stems(const QString &word) const
{
    Hunspell *h = dictionary();
    QStringList out;
    if (!h || word.isEmpty())
        return out;
    for (const std::string &stem : h->stem(word.toLower().toStdString())) {
        const QString s = QString::fromStdString(stem).toLower();
        if (!out.contains(s))
            out << s;
    }
    return out;
}
