// The English voice: never blocks the window, stops what it said before, hands the player
// its audio without the silence at the start (or as the engine wrote it, when the shorter
// copy finds no room), speaks without a player when no audio could be written, falls back
// from flite to espeak-ng, and really speaks.
#include "rules/tests/readingrules.h"
#include "screens/kit/speech.h"
#include "support/filesizelimit.h"

#include <QDir>
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
    // A stand-in program: a shell script in the test's folder.
    QString script(const QString &name, const QByteArray &body)
    {
        const QString path = dir.filePath(name);
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write("#!/bin/sh\n" + body + "\n");
        file.close();
        file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
        return path;
    }
    // A stand-in voice that talks for a minute.
    QString slowVoice() { return script(QStringLiteral("slow-voice"), "exec sleep 60"); }
    // A player that keeps what it was given to play.
    SoundPlayer keeper(const QString &name)
    {
        return {script(name, "cp \"$1\" \"$0.wav\""), {QStringLiteral("%f")}};
    }
    QByteArray played(const QString &name)
    {
        QFile file(dir.filePath(name + QStringLiteral(".wav")));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // Says the English with the engine into a keeper; returns the WAV played.
    QByteArray say(const SpeechEngine &engine, const QString &english)
    {
        QFile::remove(dir.filePath(QStringLiteral("keeper.wav")));
        EnglishVoice voice(nullptr, {engine}, {keeper(QStringLiteral("keeper"))});
        QSignalSpy playing(&voice, &EnglishVoice::playing);
        voice.speak(english);
        if (!voice.currentProcess() || (playing.isEmpty() && !playing.wait(30000)))
            return {};
        QProcess *player = voice.currentProcess();
        if (player)
            player->waitForFinished(30000);
        return played(QStringLiteral("keeper"));
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
    // 16-bit mono PCM: silence, then a loud tone.
    static QByteArray toneAfterSilence(int rate, int silentMs, int toneMs)
    {
        QByteArray data;
        for (int i = 0; i < rate * (silentMs + toneMs) / 1000; ++i) {
            const qint16 s = i < rate * silentMs / 1000 ? qint16(i % 2 ? 20 : -20) : qint16(i % 20 < 10 ? 8000 : -8000);
            data.append(char(s & 0xff)).append(char((s >> 8) & 0xff));
        }
        QByteArray wav("RIFF");
        const auto put = [&wav](quint32 v, int bytes) {
            for (int b = 0; b < bytes; ++b)
                wav.append(char((v >> (8 * b)) & 0xff));
        };
        put(36 + data.size(), 4);
        wav += "WAVEfmt ";
        put(16, 4), put(1, 2), put(1, 2), put(rate, 4), put(rate * 2, 4), put(2, 2), put(16, 2);
        wav += "data";
        put(data.size(), 4);
        return wav + data;
    }
    // An engine that writes a tone after 300 ms of near-silence, after `delay`; it keeps the
    // text it was given and counts its runs (one line each).
    SpeechEngine toneEngine(const QByteArray &delay = "0")
    {
        QFile::remove(dir.filePath(QStringLiteral("engine.runs")));
        const QString wav = dir.filePath(QStringLiteral("tone.wav"));
        QFile tone(wav);
        tone.open(QIODevice::WriteOnly);
        tone.write(toneAfterSilence(16000, 300, 200));
        tone.close();
        return {script(QStringLiteral("engine"), "echo >> \"$0.runs\"\nsleep " + delay + "\ncp \"" + wav.toUtf8()
                                                     + "\" \"$1\"\nprintf %s \"$2\" > \"$0.text\""),
                {QStringLiteral("%o"), QStringLiteral("%t")}, {}};
    }
    int engineRuns()
    {
        QFile runs(dir.filePath(QStringLiteral("engine.runs")));
        return runs.open(QIODevice::ReadOnly) ? int(runs.readAll().count('\n')) : 0;
    }

    static qsizetype firstLoud(const Sound &sound)
    {
        for (qsizetype i = 0; i < sound.samples.size(); ++i) {
            if (qAbs(int(sound.samples[i])) > 1000)
                return i;
        }
        return -1;
    }

private slots:
    void speakingNeverWaitsForTheVoice()
    {
        EnglishVoice speech(nullptr, {{slowVoice(), {QStringLiteral("%o")}, {QStringLiteral("%t")}}},
                            {keeper(QStringLiteral("keeper"))});
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
        QVERIFY(!speech.currentProcess());
    }

    void aPlayerThatHangsIsStoppedLikeTheVoice()
    {
        const SpeechEngine engine = toneEngine();
        const SoundPlayer failing{script(QStringLiteral("no-server"), "exit 1"), {QStringLiteral("%f")}};
        const SoundPlayer hanging{script(QStringLiteral("hanging"), "cp \"$1\" \"$0.wav\"\nexec sleep 60"), {QStringLiteral("%f")}};
        EnglishVoice voice(nullptr, {engine}, {failing, hanging});
        QSignalSpy playing(&voice, &EnglishVoice::playing);
        voice.speak(QStringLiteral("Read aloud, Mr. Brown."));
        QTRY_COMPARE_WITH_TIMEOUT(playing.size(), 2, 5000); // the failing player, then the next
        QProcess *player = voice.currentProcess();
        QVERIFY(player);
        QFile engineText(dir.filePath(QStringLiteral("engine.text")));
        QVERIFY(engineText.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(engineText.readAll()), ReadingRules::forEngine(QStringLiteral("Read aloud, Mr. Brown.")));

        // The player got the tone with 10 ms of what came before it.
        QTRY_VERIFY_WITH_TIMEOUT(!played(QStringLiteral("hanging")).isEmpty(), 5000);
        const Sound sound = parseWav(played(QStringLiteral("hanging")));
        QVERIFY2(sound.problem.isEmpty(), qPrintable(sound.problem));
        QCOMPARE(sound.rate, 16000);
        QCOMPARE(firstLoud(sound), 160);
        QCOMPARE(sound.samples.size(), 160 + 16000 / 5);

        // A new press stops the hanging player.
        QSignalSpy playerEnded(player, &QProcess::finished);
        voice.speak(QStringLiteral("banana"));
        QVERIFY(playerEnded.wait(5000));
    }

    void aPreparedUtteranceOnlyNeedsThePlayer()
    {
        EnglishVoice voice(nullptr, {toneEngine("0.3")}, {keeper(QStringLiteral("keeper"))});
        QSignalSpy playing(&voice, &EnglishVoice::playing);
        voice.prepare(QStringLiteral("apple"));
        voice.speak(QStringLiteral("apple")); // pressed while it is being prepared: it waits for it
        QVERIFY(playing.wait(5000));
        QTRY_VERIFY_WITH_TIMEOUT(!voice.currentProcess(), 5000);
        QCOMPARE(firstLoud(parseWav(played(QStringLiteral("keeper")))), 160);
        voice.speak(QStringLiteral("apple")); // again: the same audio, straight to the player
        QTRY_COMPARE_WITH_TIMEOUT(playing.size(), 2, 5000);
        QCOMPARE(engineRuns(), 1);

        voice.prepare(QStringLiteral("banana")); // apple's audio is dropped
        voice.speak(QStringLiteral("apple"));
        QTRY_COMPARE_WITH_TIMEOUT(playing.size(), 3, 5000);
        QCOMPARE(engineRuns(), 3);
    }

    void cutsOnlyTheSilenceOfAPcmWav()
    {
        const QByteArray quiet = toneAfterSilence(8000, 500, 0);
        QCOMPARE(EnglishVoice::withoutLeadingSilence(quiet), quiet);
        QCOMPARE(EnglishVoice::withoutLeadingSilence("RIFF....WAVEnot a wave"), QByteArray("RIFF....WAVEnot a wave"));
        const Sound loudAtOnce = parseWav(EnglishVoice::withoutLeadingSilence(toneAfterSilence(8000, 5, 100)));
        QCOMPARE(firstLoud(loudAtOnce), 40); // less than 10 ms of silence: all kept
    }

    void readyToPlayKeepsTheEnginesAudioWhenTheTrimmedCopyFindsNoRoom_data()
    {
        QTest::addColumn<QByteArray>("audio");
        QTest::addColumn<int>("room"); // the largest file the save may write; 0: no limit
        QTest::addColumn<bool>("ready");
        QTest::addColumn<QByteArray>("after");
        const QByteArray tone = toneAfterSilence(16000, 300, 200);
        const QByteArray trimmed = EnglishVoice::withoutLeadingSilence(tone);
        QTest::newRow("room for the trimmed copy") << tone << 0 << true << trimmed;
        QTest::newRow("the trimmed copy cut short") << tone << 4096 << true << tone;
        QTest::newRow("no room for the engine either") << QByteArray() << 0 << false << QByteArray();
    }
    void readyToPlayKeepsTheEnginesAudioWhenTheTrimmedCopyFindsNoRoom()
    {
        QFETCH(QByteArray, audio);
        QFETCH(int, room);
        QFETCH(bool, ready);
        QFETCH(QByteArray, after);
        QTemporaryDir folder;
        const QString wav = folder.filePath(QStringLiteral("utterance-1.wav"));
        QFile file(wav);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(audio) == audio.size());
        file.close();
        // The save runs where a file cannot grow past `room` bytes: its flush fails.
        const auto save = [&] { return QStringList{EnglishVoice::readyToPlay(wav) ? "ready" : "none"}; };
        const ChildResult child = withFileSizeLimit(room > 0 ? rlim_t(room) : RLIM_INFINITY, save);
        QVERIFY2(child.finished, child.how.constData());
        QCOMPARE(child.said, ready ? QStringLiteral("ready") : QStringLiteral("none"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), after);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList({QStringLiteral("utterance-1.wav")}));
    }

    void anEngineThatWritesNoAudioSaysTheTextItself()
    {
        // As flite and espeak-ng do in a full folder: an empty file, and success.
        const QString engine = script(QStringLiteral("no-room"), "if [ \"$1\" = aloud ]; then printf %s \"$2\" > \"$0.aloud\"; "
                                                                "else : > \"$1\"; fi");
        EnglishVoice voice(nullptr, {{engine, {QStringLiteral("%o"), QStringLiteral("%t")}, {QStringLiteral("aloud"), QStringLiteral("%t")}}},
                           {keeper(QStringLiteral("unused-player"))});
        voice.speak(QStringLiteral("apple"));
        QFile aloud(engine + QStringLiteral(".aloud"));
        QTRY_VERIFY_WITH_TIMEOUT(aloud.exists(), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(!voice.currentProcess(), 5000);
        QVERIFY(aloud.open(QIODevice::ReadOnly));
        QCOMPARE(aloud.readAll(), QByteArray("apple"));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("unused-player.wav")))); // no player was given nothing
    }

    void fliteFirstThenEspeakThenNone()
    {
        const SpeechEngine missing{QStringLiteral("no-such-voice-program"), {}, {}};
        const EnglishVoice standard;
        if (!QStandardPaths::findExecutable(QStringLiteral("flite")).isEmpty())
            QVERIFY(standard.engineProgram().endsWith(QStringLiteral("/flite")));
        const EnglishVoice fallback(nullptr, {missing, EnglishVoice::espeak()});
        if (!QStandardPaths::findExecutable(QStringLiteral("espeak-ng")).isEmpty())
            QVERIFY(fallback.engineProgram().endsWith(QStringLiteral("/espeak-ng")));

        EnglishVoice none(nullptr, {missing, missing});
        QVERIFY(!none.available());
        QVERIFY(none.unavailableReason().contains(QStringLiteral("flite")));
        QVERIFY(none.unavailableReason().contains(QStringLiteral("espeak-ng")));
        none.speak(QStringLiteral("apple")); // does nothing, says nothing
        QVERIFY(!none.currentProcess());
    }

    void theRealVoicesSayApple_data()
    {
        QTest::addColumn<bool>("flite");
        QTest::newRow("flite rms") << true;
        QTest::newRow("espeak-ng en-us+klatt4") << false;
    }
    void theRealVoicesSayApple()
    {
        QFETCH(bool, flite);
        const SpeechEngine engine = flite ? EnglishVoice::flite() : EnglishVoice::espeak();
        if (QStandardPaths::findExecutable(engine.program).isEmpty()) {
            if (qEnvironmentVariableIsSet("CI"))
                QFAIL("the voice is missing: scripts/deps.sh installs flite and espeak-ng");
            QSKIP("the voice is not installed (sudo apt-get install flite espeak-ng)");
        }
        const Sound apple = parseWav(say(engine, QStringLiteral("apple")));
        QVERIFY2(apple.problem.isEmpty(), qPrintable(apple.problem));
        QCOMPARE(apple.channels, 1);
        QVERIFY2(apple.rate >= 8000, qPrintable(QString::number(apple.rate)));
        // One word: a fraction of a second up to a few seconds, mostly not silence.
        const double seconds = double(apple.samples.size()) / apple.rate;
        QVERIFY2(seconds > 0.2 && seconds < 3.0, qPrintable(QString::number(seconds)));
        QVERIFY2(apple.loudShare() > 0.1, qPrintable(QString::number(apple.loudShare())));
        // The sound starts at once: within 30 ms, where the engines' own files wait 50 to 200 ms.
        QVERIFY2(firstLoud(apple) >= 0 && firstLoud(apple) < apple.rate * 3 / 100, qPrintable(QString::number(firstLoud(apple))));

        // The text is what is said: a sentence lasts several times as long as the word.
        const Sound sentence = parseWav(say(engine, QStringLiteral("An apple a day keeps the doctor away.")));
        QVERIFY2(sentence.problem.isEmpty(), qPrintable(sentence.problem));
        QVERIFY2(sentence.samples.size() > 2 * apple.samples.size(),
                 qPrintable(QStringLiteral("%1 / %2").arg(sentence.samples.size()).arg(apple.samples.size())));
    }
};

QTEST_GUILESS_MAIN(TestSpeech)
#include "tst_speech.moc"
