// The marks of the word test's review: every marked letter readable on its mark (WCAG 4.5:1),
// and the mark standing out from the review's black background.
#include "look/markcolours.h"

#include <QTest>

class TestMarkColours : public QObject {
    Q_OBJECT
private slots:
    void contrastRatioIsTheWcagMeasure()
    {
        QCOMPARE(markcolours::contrastRatio(Qt::white, Qt::black), 21.0);
        QCOMPARE(qRound(markcolours::contrastRatio(QColor(255, 0, 0), Qt::black) * 100), 525);
        QCOMPARE(markcolours::contrastRatio(QColor(119, 119, 119), QColor(119, 119, 119)), 1.0);
    }

    // The right answer's line is yellow, the typed answer's red (and the question's cyan).
    void everyMarkedLetterIsReadable_data()
    {
        QTest::addColumn<QColor>("line");
        QTest::newRow("right answer") << QColor(255, 255, 0);
        QTest::newRow("typed answer") << QColor(255, 0, 0);
        QTest::newRow("question") << QColor(0, 255, 255);
    }
    void everyMarkedLetterIsReadable()
    {
        QFETCH(QColor, line);
        const MarkColours mark = markcolours::forLine(line);
        QVERIFY(markcolours::contrastRatio(mark.letters, mark.background) >= 4.5);
        QVERIFY(markcolours::contrastRatio(mark.background, Qt::black) >= 3.0);
    }
};

QTEST_GUILESS_MAIN(TestMarkColours)
#include "tst_markcolours.moc"
