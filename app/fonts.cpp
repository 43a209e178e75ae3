#include "app/fonts.h"

#include <QApplication>

namespace fonts {

void install()
{
    QFont::insertSubstitutions(PGothic, {QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic")});
    QFont::insertSubstitutions(Mincho, {QStringLiteral("IPAMincho"), QStringLiteral("IPAPMincho")});
    QFont::insertSubstitutions(Gothic, {QStringLiteral("IPAGothic"), QStringLiteral("IPAPGothic")});
    QApplication::setFont(font(PGothic, 10));
}

QFont font(const QString &family, qreal pointSize, bool bold, bool italic)
{
    QFont f(family);
    f.setPointSizeF(pointSize);
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

} // namespace fonts
