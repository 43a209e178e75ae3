#pragma once
// The colours of the marks in the word test's review: where a typed answer differs from the
// right one, the letters stand dark on a light mark of their line's own colour, so that every
// marked letter is as readable as the rest (WCAG contrast of at least 4.5:1) and the mark
// stands out from the review's black background.
#include <QColor>

struct MarkColours {
    QColor letters;
    QColor background;
};

namespace markcolours {

// The WCAG 2 contrast ratio of two colours, 1 to 21.
double contrastRatio(const QColor &a, const QColor &b);

// The mark for a line whose letters are `lineColour` on black: black letters on the line's
// colour, lightened where black letters on it would not reach a contrast of 7:1.
MarkColours forLine(const QColor &lineColour);

} // namespace markcolours
