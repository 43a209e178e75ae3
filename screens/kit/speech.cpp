#include "screens/kit/speech.h"

#include "files/datafolder.h"
#include "rules/tests/readingrules.h"

#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTimer>
#include <QtEndian>

SpeechEngine EnglishVoice::flite()
{
    return {QStringLiteral("flite"),
            {QStringLiteral("-voice"), QStringLiteral("rms"), QStringLiteral("-o"), QStringLiteral("%o"),
             QStringLiteral("-t"), QStringLiteral("%t")},
            {QStringLiteral("-voice"), QStringLiteral("rms"), QStringLiteral("-t"), QStringLiteral("%t")}};
}

SpeechEngine EnglishVoice::espeak()
{
    return {QStringLiteral("espeak-ng"),
            {QStringLiteral("-v"), QStringLiteral("en-us+klatt4"), QStringLiteral("-w"), QStringLiteral("%o"),
             QStringLiteral("--"), QStringLiteral("%t")},
            {QStringLiteral("-v"), QStringLiteral("en-us+klatt4"), QStringLiteral("--"), QStringLiteral("%t")}};
}

QList<SoundPlayer> EnglishVoice::standardPlayers()
{
    return {{QStringLiteral("pw-play"), {QStringLiteral("--latency=20ms"), QStringLiteral("%f")}},
            {QStringLiteral("paplay"), {QStringLiteral("%f")}},
            {QStringLiteral("aplay"), {QStringLiteral("-q"), QStringLiteral("%f")}}};
}

EnglishVoice::EnglishVoice(QObject *parent, const QList<SpeechEngine> &engines, const QList<SoundPlayer> &players)
    : QObject(parent),
      limit_(new QTimer(this))
{
    for (const SpeechEngine &engine : engines) {
        const QString found = QStandardPaths::findExecutable(engine.program);
        if (!found.isEmpty()) {
            engine_ = engine;
            engine_.program = found;
            break;
        }
    }
    for (const SoundPlayer &player : players) {
        const QString found = QStandardPaths::findExecutable(player.program);
        if (!found.isEmpty())
            players_.append({found, player.arguments});
    }
    limit_->setSingleShot(true);
    limit_->setInterval(kLongestUtteranceMs);
    connect(limit_, &QTimer::timeout, this, &EnglishVoice::stopCurrent);
}

EnglishVoice::~EnglishVoice()
{
    stopCurrent();
    // Killed children end at once; a short wait spares QProcess its own, much longer one.
    for (QProcess *process : findChildren<QProcess *>()) {
        disconnect(process, nullptr, this, nullptr);
        process->kill();
        process->waitForFinished(500);
    }
}

QString EnglishVoice::unavailableReason() const
{
    if (available())
        return {};
    return QStringLiteral("音声を出すには flite か espeak-ng が必要です（sudo apt-get install flite）。");
}

void EnglishVoice::setLongestUtterance(int ms)
{
    limit_->setInterval(ms);
}

void EnglishVoice::stopCurrent()
{
    if (current_ && current_ == prepared_.engine)
        dropPrepared(); // killed below, half written
    if (current_ && current_->state() != QProcess::NotRunning)
        current_->kill(); // finished() then deletes it; nothing here waits for it
    finish();
}

void EnglishVoice::finish()
{
    limit_->stop();
    current_ = nullptr;
    if (removeWavAtEnd_ && !wav_.isEmpty())
        QFile::remove(wav_);
    wav_.clear();
    removeWavAtEnd_ = false;
}

QString EnglishVoice::newWavPath()
{
    if (!folder_)
        folder_ = std::make_unique<QTemporaryDir>();
    if (!folder_->isValid())
        return {};
    return folder_->filePath(QStringLiteral("utterance-%1.wav").arg(++serial_));
}

void EnglishVoice::speak(const QString &english)
{
    if (!available() || english.trimmed().isEmpty())
        return;
    const QString text = ReadingRules::forEngine(english);
    if (current_ && current_ == prepared_.engine)
        current_ = nullptr; // a preparation a press waited for goes on for the next press
    stopCurrent();
    text_ = text;
    limit_->start();
    if (text == prepared_.text && (prepared_.ready || prepared_.engine)) {
        wav_ = prepared_.wav;
        if (prepared_.ready)
            startPlayers();
        else
            current_ = prepared_.engine; // its end starts the player
        return;
    }
    wav_ = players_.isEmpty() ? QString() : newWavPath();
    removeWavAtEnd_ = true;
    launch(wav_.isEmpty() ? Step::Aloud : Step::Engine, text_, wav_);
}

void EnglishVoice::prepare(const QString &english)
{
    if (!available() || players_.isEmpty() || english.trimmed().isEmpty())
        return;
    const QString text = ReadingRules::forEngine(english);
    if (text == prepared_.text)
        return;
    dropPrepared();
    const QString wav = newWavPath();
    if (wav.isEmpty())
        return;
    prepared_.text = text;
    prepared_.wav = wav;
    launch(Step::Engine, text, wav, true);
}

bool EnglishVoice::hasPrepared(const QString &english) const
{
    return prepared_.ready && prepared_.text == ReadingRules::forEngine(english);
}

void EnglishVoice::dropPrepared()
{
    if (prepared_.engine && prepared_.engine != current_)
        prepared_.engine->kill();
    if (!prepared_.wav.isEmpty()) {
        if (prepared_.wav == wav_ && current_)
            removeWavAtEnd_ = true; // the utterance saying it now removes it when it ends
        else
            QFile::remove(prepared_.wav);
    }
    prepared_ = {};
}

void EnglishVoice::launch(Step step, const QString &text, const QString &wav, bool preparation)
{
    QString program = engine_.program;
    QStringList arguments = step == Step::Engine ? engine_.toFile : engine_.aloud;
    if (step == Step::Player) {
        program = players_[player_].program;
        arguments = players_[player_].arguments;
    }
    for (QString &a : arguments) {
        if (a == QLatin1String("%t"))
            a = text;
        else if (a == QLatin1String("%o") || a == QLatin1String("%f"))
            a = wav;
    }
    auto *process = new QProcess(this);
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process->setStandardOutputFile(QProcess::nullDevice());
    const auto ended = [this, process, step, wav](bool succeeded) {
        if (step == Step::Engine)
            engineEnded(process, succeeded, wav);
        else if (process == current_) // not one that a new utterance or the time limit stopped
            stepEnded(step, succeeded);
    };
    connect(process, &QProcess::finished, process, &QObject::deleteLater);
    connect(process, &QProcess::finished, this, [ended](int exitCode, QProcess::ExitStatus status) {
        ended(status == QProcess::NormalExit && exitCode == 0);
    });
    connect(process, &QProcess::errorOccurred, this, [process, ended](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        process->deleteLater();
        ended(false);
    });
    if (step != Step::Engine)
        connect(process, &QProcess::started, this, &EnglishVoice::playing);
    if (preparation)
        prepared_.engine = process;
    else
        current_ = process;
    process->start(program, arguments);
}

bool EnglishVoice::readyToPlay(const QString &wav)
{
    constexpr qsizetype kHeaderBytes = 44; // a WAV file of no samples
    QFile written(wav);
    if (!written.open(QIODevice::ReadOnly))
        return false;
    const QByteArray audio = written.readAll();
    written.close();
    if (audio.size() <= kHeaderBytes)
        return false;
    const QByteArray trimmed = withoutLeadingSilence(audio);
    if (trimmed.size() == audio.size())
        return true;
    // The data folder's save replaces a file only once the new one is wholly written: a
    // plain QSaveFile would put a copy cut short by a full folder in place of the audio. The
    // audio is temporary, so it is not synced to the disk.
    const QFileInfo file(wav);
    DataFolder folder(file.absolutePath());
    folder.setSync([](int) { return true; });
    folder.write(file.fileName(), trimmed); // when this fails, the engine's own file is played
    return true;
}

void EnglishVoice::engineEnded(QProcess *engine, bool succeeded, const QString &wav)
{
    succeeded = succeeded && readyToPlay(wav);
    if (engine == prepared_.engine) {
        if (succeeded)
            prepared_.ready = true;
        else if (engine != current_)
            dropPrepared();
        else {
            prepared_ = {};
            removeWavAtEnd_ = true; // the utterance's end removes its file
        }
    }
    if (engine != current_)
        return; // a stopped utterance, or a preparation no press waits for
    if (succeeded)
        startPlayers();
    else
        launch(Step::Aloud, text_, wav_); // no audio for the players: the engine says it itself
}

void EnglishVoice::startPlayers()
{
    player_ = firstPlayer_;
    playersTried_ = 1;
    launch(Step::Player, text_, wav_);
}

void EnglishVoice::stepEnded(Step step, bool succeeded)
{
    if (step == Step::Aloud) {
        finish();
    } else if (succeeded) {
        firstPlayer_ = player_;
        finish();
    } else if (playersTried_ < players_.size()) {
        // No server or device for this player: the next one says the same audio.
        player_ = (player_ + 1) % players_.size();
        ++playersTried_;
        launch(Step::Player, text_, wav_);
    } else {
        launch(Step::Aloud, text_, wav_);
    }
}

QByteArray EnglishVoice::withoutLeadingSilence(const QByteArray &wav)
{
    if (wav.size() < 12 || !wav.startsWith("RIFF") || wav.mid(8, 4) != "WAVE")
        return wav;
    const auto u16 = [&](qsizetype at) { return qFromLittleEndian<quint16>(wav.constData() + at); };
    const auto u32 = [&](qsizetype at) { return qFromLittleEndian<quint32>(wav.constData() + at); };
    QByteArray format;
    for (qsizetype at = 12; at + 8 <= wav.size();) {
        const QByteArray id = wav.mid(at, 4);
        const qsizetype body = at + 8;
        const qsizetype size = qMin<qsizetype>(u32(at + 4), wav.size() - body);
        if (id == "fmt ") {
            if (size < 16 || u16(body) != 1 || u16(body + 14) != 16 || u16(body + 2) == 0)
                return wav;
            format = wav.mid(body, 16);
        } else if (id == "data") {
            if (format.isEmpty())
                return wav;
            const int channels = qFromLittleEndian<quint16>(format.constData() + 2);
            const int rate = int(qFromLittleEndian<quint32>(format.constData() + 4));
            const qsizetype frameBytes = 2 * channels;
            const qsizetype frames = size / frameBytes;
            qsizetype first = 0;
            for (; first < frames; ++first) {
                const char *frame = wav.constData() + body + first * frameBytes;
                bool loud = false;
                for (int c = 0; c < channels && !loud; ++c)
                    loud = qAbs(int(qFromLittleEndian<qint16>(frame + 2 * c))) >= kSilenceLevel;
                if (loud)
                    break;
            }
            if (first == frames) // silence only: nothing to drop before
                return wav;
            first = qMax<qsizetype>(0, first - qsizetype(rate) * kKeptBeforeSoundMs / 1000);
            const QByteArray data = wav.mid(body + first * frameBytes, (frames - first) * frameBytes);
            QByteArray out("RIFF");
            const auto put32 = [&out](quint32 v) {
                char b[4];
                qToLittleEndian(v, b);
                out.append(b, 4);
            };
            put32(quint32(4 + 8 + 16 + 8 + data.size()));
            out += "WAVEfmt ";
            put32(16);
            out += format;
            out += "data";
            put32(quint32(data.size()));
            return out + data;
        }
        at = body + size + (size & 1);
    }
    return wav;
}
