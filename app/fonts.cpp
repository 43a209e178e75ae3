#include "app/fonts.h"

namespace fonts {

QFont font(const QString &family, qreal pointSize, bool bold, bool italic)
{
    QFont f(family);
    f.setPointSizeF(pointSize);
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

} // namespace fonts
