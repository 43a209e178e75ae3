#pragma once
// The chapters of one test kind studied so far: a row each with the last and the best score,
// the number of passes and a small line of the scores pass by pass. Up and Down choose a
// row (the list scrolls with it); the row chosen is the accessible name.
#include "rules/record/recordsummary.h"

#include <QWidget>

class ChapterChart : public QWidget {
    Q_OBJECT
public:
    static constexpr int kRowHeight = 22;
    static constexpr int kHeadHeight = 22;

    explicit ChapterChart(QWidget *parent);
    void setChapters(const QList<ChapterStudy> &chapters);

    int chosenRow() const { return chosen_; }
    int firstRowShown() const { return first_; }
    // "No.5　最新 80点　最高 100点　3回　推移 40, 80, 100"
    static QString rowText(const ChapterStudy &chapter);

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    int rowsShown() const { return (height() - kHeadHeight) / kRowHeight; }
    void choose(int row);

    QList<ChapterStudy> chapters_;
    int chosen_ = 0;
    int first_ = 0;
};
