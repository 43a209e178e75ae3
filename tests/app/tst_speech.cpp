// The English voice: never blocks the window, stops what it said before, and really speaks.
#include "app/speech.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class TestSpeech : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir;
    // A stand-in voice that talks for a minute.
    QString slowVoice()
    {
        const QString path = dir.filePath(QStringLiteral("slow-voice"));
        QFile script(path);
        if (!script.exists()) {
            script.open(QIODevice::WriteOnly);
            script.write("#!/bin/sh\nexec sleep 60\n");
            script.close();
            script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
        }
        return path;
    }

private slots:
    void speakingNeverWaitsForTheVoice()
    {
        EspeakSpeech speech(nullptr, slowVoice());
        QVERIFY(speech.available());
        QVERIFY(speech.unavailableReason().isEmpty());
        QElapsedTimer clock;
        clock.start();
        speech.speak(QStringLiteral("apple"));
        QVERIFY(clock.elapsed() < 2000);
        QProcess *first = speech.currentProcess();
        QVERIFY(first);
        QVERIFY(first->waitForStarted(5000));
        QSignalSpy firstEnded(first, &QProcess::finished);

        // A new utterance stops the one before.
        speech.speak(QStringLiteral("banana"));
        QVERIFY(firstEnded.wait(5000));
        QProcess *second = speech.currentProcess();
        QVERIFY(second && second != first);
        QVERIFY(second->waitForStarted(5000));

        // One that runs too long is stopped.
        QSignalSpy secondEnded(second, &QProcess::finished);
        speech.setLongestUtterance(100);
        speech.speak(QStringLiteral("cherry"));
        QProcess *third = speech.currentProcess();
        QVERIFY(third->waitForStarted(5000));
        QSignalSpy thirdEnded(third, &QProcess::finished);
        QVERIFY(thirdEnded.wait(5000));
    }

    void aMissingVoiceSaysHowToGetIt()
    {
        EspeakSpeech missing(nullptr, QStringLiteral("no-such-voice-program"));
        QVERIFY(!missing.available());
        QVERIFY(missing.unavailableReason().contains(QStringLiteral("apt-get install espeak-ng")));
        missing.speak(QStringLiteral("apple")); // does nothing, says nothing
        QVERIFY(!missing.currentProcess());
    }

    void theRealVoiceSaysApple()
    {
        const QString espeak = QStandardPaths::findExecutable(QStringLiteral("espeak-ng"));
        if (espeak.isEmpty())
            QSKIP("espeak-ng is not installed (sudo apt-get install espeak-ng)");
        const QString wav = dir.filePath(QStringLiteral("apple.wav"));
        QProcess process;
        process.start(espeak, {QStringLiteral("-v"), QStringLiteral("en-us"), QStringLiteral("-w"), wav, QStringLiteral("apple")});
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitCode(), 0);
        QFile file(wav);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray data = file.readAll();
        QVERIFY(data.startsWith("RIFF"));
        // Past the 44-byte header: a fraction of a second of 22 kHz 16-bit samples, not silence.
        QVERIFY2(data.size() > 44 + 4000, qPrintable(QString::number(data.size())));
        int loud = 0;
        for (qsizetype i = 44; i + 1 < data.size(); i += 2) {
            const qint16 sample = qint16(quint8(data[i]) | (quint8(data[i + 1]) << 8));
            loud += qAbs(int(sample)) > 1000;
        }
        QVERIFY2(loud > 100, qPrintable(QString::number(loud)));
    }
};

QTEST_GUILESS_MAIN(TestSpeech)
#include "tst_speech.moc"
