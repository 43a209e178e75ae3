#pragma once
// A label that can mark some of its characters (dark letters on a light mark), as the
// word test's review marks where a typed answer differs from the right one. The label's text
// stays the plain text: the marks are drawn, not written into it.
#include "screens/kit/uikit.h"

class MarkedLabel : public ClickLabel {
    Q_OBJECT
public:
    using ClickLabel::ClickLabel;

    // One flag per character of the text; an empty list, or one of another length, marks nothing.
    void setMarks(const QList<bool> &marks);
    const QList<bool> &marks() const { return marks_; }
    bool hasMarks() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QList<bool> marks_;
};
