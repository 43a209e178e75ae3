#include "look/fonts.h"

#include <QStringList>

#include <algorithm>

namespace fonts {

QFont font(const QString &family, qreal pointSize, bool bold, bool italic)
{
    QFont f(family);
    f.setPointSizeF(pointSize);
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

QFont printFont(const QString &family, qreal pointSize, bool bold, bool italic, const QString &text)
{
    QFont f = font(family, pointSize, bold, italic);
    const bool figures = !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) { return c.isDigit() || c == u' '; });
    if (family == PGothic && figures)
        f.setFamilies({QStringLiteral("IPAGothic"), PGothic});
    return f;
}

} // namespace fonts
