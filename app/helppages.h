#pragma once
// The five pages of operating hints on the help screen, and its paging.
#include <QString>
#include <QStringList>

struct HelpPageText {
    QString heading;
    QStringList lines; // line 0 first; lines not listed are empty
};

inline constexpr int kHelpPages = 5;
inline constexpr int kHelpLines = 18;

// Page 1 to 5.
const HelpPageText &helpPage(int page);

// "前へ" and "次へ": one page back or on, never past the first or the last.
inline int previousHelpPage(int page) { return page - 1 < 1 ? 1 : page - 1; }
inline int nextHelpPage(int page) { return page + 1 > kHelpPages ? kHelpPages : page + 1; }
