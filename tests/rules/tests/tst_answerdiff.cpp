// Where a typed answer differs from the right one: the letters marked on each side.
#include "rules/tests/answerdiff.h"

#include <QTest>

namespace {
// "^" under a marked character, "." under one that is not.
QString picture(const QList<bool> &marks)
{
    QString out;
    for (bool m : marks)
        out += m ? u'^' : u'.';
    return out;
}
} // namespace

class TestAnswerDiff : public QObject {
    Q_OBJECT
private slots:
    void marks_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("right");
        QTest::addColumn<QString>("typedMarks");
        QTest::addColumn<QString>("rightMarks");
        QTest::newRow("identical") << "apple" << "apple" << "....." << ".....";
        QTest::newRow("a letter left out") << "bred" << "bread" << "...." << "...^.";
        QTest::newRow("a letter too many") << "appple" << "apple" << "...^.." << ".....";
        QTest::newRow("a letter changed") << "aplle" << "apple" << "..^.." << "..^..";
        QTest::newRow("case only") << "Apple" << "apple" << "^...." << "^....";
        QTest::newRow("final mark left out") << "I am Ken" << "I am Ken." << "........" << "........^";
        QTest::newRow("final mark not wanted") << "apple." << "apple" << ".....^" << ".....";
        QTest::newRow("other final mark") << "Are you Ken." << "Are you Ken?" << "...........^" << "...........^";
        QTest::newRow("blanks only") << "icecream" << "ice cream" << "........" << "...^.....";
        QTest::newRow("ideographic space") << QStringLiteral("ice\u3000cream") << "ice cream" << "...^....." << "...^.....";
        QTest::newRow("case and final mark") << "i am Ken" << "I am Ken." << "^......." << "^.......^";
        QTest::newRow("a word changed") << "He is not from Canada." << "He isn't from Canada."
                                        << ".....^.^.............." << "......^..............";
        QTest::newRow("empty typed answer") << "" << "apple" << "" << "^^^^^";
    }
    void marks()
    {
        QFETCH(QString, typed);
        QFETCH(QString, right);
        const AnswerDiff diff = AnswerDiff::compare(typed, right);
        QTEST(picture(diff.typedMarks), "typedMarks");
        QTEST(picture(diff.rightMarks), "rightMarks");
    }

    // A pasted page of text against a short answer neither hangs nor marks the common ends.
    void longAnswersStayQuick()
    {
        const QString typed = QStringLiteral("a") + QString(30000, u'x') + QStringLiteral("z");
        const AnswerDiff diff = AnswerDiff::compare(typed, QStringLiteral("a") + QString(20000, u'y') + QStringLiteral("z"));
        QVERIFY(!diff.typedMarks.first() && !diff.typedMarks.last());
        QCOMPARE(diff.typedMarks.count(true), 30000);
    }
};

QTEST_GUILESS_MAIN(TestAnswerDiff)
#include "tst_answerdiff.moc"
