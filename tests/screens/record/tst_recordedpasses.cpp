// The answers of a pass reach the learning record at its end, with the score, or when the
// learner leaves during the pass, without one; a damaged record never stops a test.
#include "files/learningrecord.h"
#include "rules/record/passlog.h"
#include "screens/tests/feedbackblink.h"
#include "support/testscreens.h"

#include <QDir>
#include <QPushButton>
#include <QTest>

class TestRecordedPasses : public QObject {
    Q_OBJECT

    std::unique_ptr<TestApp> app;
    QDateTime now;

    void after(int seconds) { now = now.addSecs(seconds); }
    QByteArray record() const { return app->course.bytes(QStringLiteral("kiroku2026.csv")); }

private slots:
    void initTestCase()
    {
        FeedbackBlink::setStandardDurationMs(0);
        PassLog::setClock([this] { return now; });
    }
    void init()
    {
        now = QDateTime(QDate(2026, 12, 8), QTime(18, 0, 0));
        app = std::make_unique<TestApp>();
        app->nameChapters();
    }
    void cleanup() { app.reset(); }

    void aPassAndItsRetestAreWrittenAtTheirEnds()
    {
        WordTestScreen *f = openWordTest(*app, 2, 1);
        after(7);
        answer(f, QStringLiteral("e2-1"));
        after(5);
        QTest::mouseClick(f->hintButton, Qt::LeftButton); // the hint
        answer(f, QStringLiteral("e2-2"));
        QVERIFY(record().isEmpty()); // nothing before the end of the pass
        after(10);
        answer(f, QStringLiteral("wrong"));
        const QByteArray firstPass = learningrecord::headingLine() +
                                     "2026-12-08 18:00:00,3,1,2,1,1,\"e2-1\",1,0,7,65,22\r\n"
                                     "2026-12-08 18:00:00,3,1,2,1,2,\"e2-2\",1,1,12,65,22\r\n"
                                     "2026-12-08 18:00:00,3,1,2,1,3,\"e2-3\",0,0,22,65,22\r\n";
        QCOMPARE(record(), firstPass);

        QTest::mouseClick(f->allMissesButton, Qt::LeftButton); // the miss list: the hinted item and the wrong one
        QTest::mouseClick(f->retestButton, Qt::LeftButton); // their re-test
        after(4);
        answer(f, QStringLiteral("e2-2"));
        after(3);
        answer(f, QStringLiteral("e2-3"));
        QCOMPARE(record(), firstPass + "2026-12-08 18:00:22,3,1,2,2,2,\"e2-2\",1,0,4,100,7\r\n"
                                       "2026-12-08 18:00:22,3,1,2,2,3,\"e2-3\",1,0,7,100,7\r\n");
    }

    void aWrongAnswerAfterTheHintIsRecordedWithIt()
    {
        WordTestScreen *f = openWordTest(*app, 3);
        QTest::mouseClick(f->hintButton, Qt::LeftButton);
        answer(f, QStringLiteral("wrong"));
        QVERIFY(record().endsWith(",\"e3-1\",0,1,0,-1,0\r\n")); // the hint costs a point
    }

    void leavingDuringAPassKeepsWhatWasAnswered()
    {
        ChoiceTestScreen *f = openChoiceTest(*app, 1, 1);
        after(9);
        QVERIFY(answerWith(f, QStringLiteral("日1-1")));
        QTest::mouseClick(f->questionSelectButton, Qt::LeftButton);
        QCOMPARE(record(), learningrecord::headingLine() + "2026-12-08 18:00:00,1,0,1,1,1,\"e1-1\",1,0,9,,9\r\n");
    }

    void aDamagedRecordNeverStopsATest()
    {
        QVERIFY(QDir(app->course.root()).mkdir(QStringLiteral("kiroku2026.csv"))); // not a file
        WordTestScreen *f = openWordTest(*app, 3);
        answer(f, QStringLiteral("e3-1"));
        QCOMPARE(resultShown(f), QStringLiteral("合格おめでとう。"));
        QCOMPARE(app->course.bytes(QStringLiteral("tenj03.dat")).left(7), QByteArray("\r\n\r\n100"));
        QCOMPARE(app->dialogs.count(QStringLiteral("inform")), 0);
        const LearningRecordReader::Result back = LearningRecordReader(app->ctx.data).readAll();
        QCOMPARE(back.lines.size(), 1);
    }
};

QTEST_MAIN(TestRecordedPasses)
#include "tst_recordedpasses.moc"
