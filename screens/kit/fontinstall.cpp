// fonts::install sets the font of the widget application, so it lives with the forms; the
// rest of fonts.h is shared with the printed pages, which have no widgets.
#include "look/fonts.h"

#include <QApplication>

namespace fonts {

void install()
{
    QFont::insertSubstitutions(PGothic, {QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic")});
    QFont::insertSubstitutions(Mincho, {QStringLiteral("IPAMincho"), QStringLiteral("IPAPMincho")});
    QFont::insertSubstitutions(Gothic, {QStringLiteral("IPAGothic"), QStringLiteral("IPAPGothic")});
    QApplication::setFont(font(PGothic, 10));
}

} // namespace fonts
