#pragma once
// The Japanese fonts the screens and printed pages ask for, by the names the course
// materials use, and the installed fonts that stand in for them.
#include <QFont>
#include <QString>

namespace fonts {
inline const QString PGothic = QStringLiteral("ＭＳ Ｐゴシック");
inline const QString Mincho = QStringLiteral("ＭＳ 明朝");
inline const QString Gothic = QStringLiteral("ＭＳ ゴシック");

// Maps the three names onto the IPA fonts and sets the application font, so that every
// screen and printed page uses Japanese glyph shapes in every locale.
void install();

// A font by one of the names above.
QFont font(const QString &family, qreal pointSize, bool bold = false, bool italic = false);

// The font a printed text is drawn in: font(), except that a number alone in ＭＳ Ｐゴシック
// (a score on the score sheet) takes IPAGothic, whose digits are half an em wide, so that the
// score columns keep apart; IPAPGothic's are wider and run neighbouring columns together.
QFont printFont(const QString &family, qreal pointSize, bool bold, bool italic, const QString &text);
} // namespace fonts
