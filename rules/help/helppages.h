#pragma once
// The five pages of operating hints on the help screen, and its paging; and one page more,
// reached by its own link, with the rules of the course a typed answer is judged by.
#include <QString>
#include <QStringList>

struct HelpPageText {
    QString heading;
    QStringList lines; // line 0 first; lines not listed are empty
};

inline constexpr int kHelpPages = 5;
inline constexpr int kHelpLines = 18;

inline constexpr int kRulesHelpPage = kHelpPages + 1;

// Page 1 to 5, or kRulesHelpPage.
const HelpPageText &helpPage(int page);
// The rules of the course for typed answers, in a learner's words, with the fixed words
// taken from the course's table.
const HelpPageText &typingRulesPage();

// "前へ" and "次へ": one page back or on, never past the first or the last of the five
// (from the rules page, back to the last).
inline int previousHelpPage(int page) { return page - 1 < 1 ? 1 : page - 1; }
inline int nextHelpPage(int page) { return page + 1 > kHelpPages ? kHelpPages : page + 1; }
