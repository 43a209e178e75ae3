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

    // A WAV file the voice wrote: its format and its 16-bit samples.
    struct Sound {
        QString problem; // empty when the file is a PCM WAV file with a data chunk
        int channels = 0;
        int rate = 0;
        QList<qint16> samples;
        double loudShare() const
        {
            qsizetype loud = 0;
            for (qint16 s : samples)
                loud += qAbs(int(s)) > 1000;
            return samples.isEmpty() ? 0.0 : double(loud) / double(samples.size());
        }
    };
    static quint32 le(const QByteArray &data, qsizetype at, int bytes)
    {
        quint32 value = 0;
        for (int i = bytes - 1; i >= 0; --i)
            value = (value << 8) | quint8(data[at + i]);
        return value;
    }
    static Sound parseWav(const QByteArray &data)
    {
        Sound sound;
        if (data.size() < 12 || !data.startsWith("RIFF") || data.mid(8, 4) != "WAVE") {
            sound.problem = QStringLiteral("not a RIFF WAVE file");
            return sound;
        }
        int bits = 0;
        bool sawFormat = false;
        for (qsizetype at = 12; at + 8 <= data.size();) {
            const QByteArray id = data.mid(at, 4);
            const qsizetype size = le(data, at + 4, 4);
            const qsizetype body = at + 8;
            if (body + size > data.size()) {
                sound.problem = QStringLiteral("chunk %1 runs past the end").arg(QString::fromLatin1(id));
                return sound;
            }
            if (id == "fmt ") {
                if (le(data, body, 2) != 1) {
                    sound.problem = QStringLiteral("not PCM");
                    return sound;
                }
                sound.channels = int(le(data, body + 2, 2));
                sound.rate = int(le(data, body + 4, 4));
                bits = int(le(data, body + 14, 2));
                sawFormat = true;
            } else if (id == "data") {
                if (!sawFormat || bits != 16) {
                    sound.problem = QStringLiteral("no 16-bit format before the data");
                    return sound;
                }
                for (qsizetype i = body; i + 1 < body + size; i += 2)
                    sound.samples.append(qint16(le(data, i, 2)));
                return sound;
            }
            at = body + size + (size & 1);
        }
        sound.problem = QStringLiteral("no data chunk");
        return sound;
    }
    Sound record(const QString &espeak, const QString &text)
    {
        const QString wav = dir.filePath(QStringLiteral("voice.wav"));
        QFile::remove(wav);
        QProcess process;
        process.start(espeak, {QStringLiteral("-v"), QStringLiteral("en-us"), QStringLiteral("-w"), wav, text});
        Sound failed;
        if (!process.waitForFinished(30000) || process.exitCode() != 0) {
            failed.problem = QStringLiteral("espeak-ng failed: ") + QString::fromLocal8Bit(process.readAllStandardError());
            return failed;
        }
        QFile file(wav);
        if (!file.open(QIODevice::ReadOnly)) {
            failed.problem = QStringLiteral("no WAV file written");
            return failed;
        }
        return parseWav(file.readAll());
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
        if (espeak.isEmpty()) {
            if (qEnvironmentVariableIsSet("CI"))
                QFAIL("espeak-ng is missing: scripts/deps.sh installs it");
            QSKIP("espeak-ng is not installed (sudo apt-get install espeak-ng)");
        }
        const Sound apple = record(espeak, QStringLiteral("apple"));
        QVERIFY2(apple.problem.isEmpty(), qPrintable(apple.problem));
        QCOMPARE(apple.channels, 1);
        QVERIFY2(apple.rate >= 8000, qPrintable(QString::number(apple.rate)));
        // One word: a fraction of a second up to a few seconds, mostly not silence.
        const double seconds = double(apple.samples.size()) / apple.rate;
        QVERIFY2(seconds > 0.2 && seconds < 3.0, qPrintable(QString::number(seconds)));
        QVERIFY2(apple.loudShare() > 0.1, qPrintable(QString::number(apple.loudShare())));

        // The text is what is said: a sentence lasts several times as long as the word.
        const Sound sentence = record(espeak, QStringLiteral("An apple a day keeps the doctor away."));
        QVERIFY2(sentence.problem.isEmpty(), qPrintable(sentence.problem));
        QVERIFY2(sentence.samples.size() > 2 * apple.samples.size(),
                 qPrintable(QStringLiteral("%1 / %2").arg(sentence.samples.size()).arg(apple.samples.size())));
    }
};

QTEST_GUILESS_MAIN(TestSpeech)
#include "tst_speech.moc"
