#include "rules/tests/englishwords.h"

#include "files/runtimelibrary.h"

#include <QFileInfo>

#include <hunspell/hunspell.h>

namespace {
// Hunspell's C interface, looked up in the library the first time a word is asked, so that a
// start that never judges a typed answer never loads it.
struct HunspellLibrary {
    decltype(&::Hunspell_create) create = nullptr;
    decltype(&::Hunspell_destroy) destroy = nullptr;
    decltype(&::Hunspell_spell) spell = nullptr;
    decltype(&::Hunspell_stem) stem = nullptr;
    decltype(&::Hunspell_free_list) freeList = nullptr;
};

const HunspellLibrary *hunspellLibrary()
{
    static const HunspellLibrary *const loaded = []() -> const HunspellLibrary * {
        void *handle = dlopen("libhunspell-1.7.so.0", RTLD_NOW | RTLD_LOCAL); // never unloaded
        if (!handle)
            return nullptr;
        static HunspellLibrary lib;
        const bool complete = resolveFunction(handle, lib.create, "Hunspell_create")
            && resolveFunction(handle, lib.destroy, "Hunspell_destroy") && resolveFunction(handle, lib.spell, "Hunspell_spell")
            && resolveFunction(handle, lib.stem, "Hunspell_stem") && resolveFunction(handle, lib.freeList, "Hunspell_free_list");
        return complete ? &lib : nullptr;
    }();
    return loaded;
}
} // namespace

EnglishWords::EnglishWords(const QString &dir) : dir_(dir) {}

EnglishWords::~EnglishWords()
{
    if (hunspell_)
        hunspellLibrary()->destroy(hunspell_);
}

EnglishWords &EnglishWords::shared()
{
    static EnglishWords words(QStringLiteral("/usr/share/hunspell"));
    return words;
}

Hunhandle *EnglishWords::dictionary() const
{
    if (!tried_) {
        tried_ = true;
        const QString aff = dir_ + QStringLiteral("/en_US.aff");
        const QString dic = dir_ + QStringLiteral("/en_US.dic");
        const HunspellLibrary *lib = hunspellLibrary();
        // Hunspell reads a missing file as an empty dictionary that knows no word: ask first.
        if (lib && QFileInfo(aff).isReadable() && QFileInfo(dic).isReadable())
            hunspell_ = lib->create(aff.toLocal8Bit().constData(), dic.toLocal8Bit().constData());
    }
    return hunspell_;
}

bool EnglishWords::available() const
{
    return dictionary() != nullptr;
}

bool EnglishWords::isWord(const QString &word) const
{
    Hunhandle *h = dictionary();
    if (!h || word.isEmpty())
        return false;
    const HunspellLibrary *lib = hunspellLibrary();
    return lib->spell(h, word.toUtf8().constData()) || lib->spell(h, word.toLower().toUtf8().constData());
}

QStringList EnglishWords::stems(const QString &word) const
{
    Hunhandle *h = dictionary();
    QStringList out;
    if (!h || word.isEmpty())
        return out;
    const HunspellLibrary *lib = hunspellLibrary();
    char **list = nullptr;
    const int count = lib->stem(h, &list, word.toLower().toUtf8().constData());
    for (int i = 0; i < count; ++i) {
        const QString s = QString::fromUtf8(list[i]).toLower();
        if (!out.contains(s))
            out << s;
    }
    if (list)
        lib->freeList(h, &list, count);
    return out;
}
