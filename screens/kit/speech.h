#pragma once
// An offline English voice for the tests' "音声" buttons. The engine writes the WAV of the
// text in a child process (at the press, or beforehand for the English a screen may say
// next), the program drops the silence at its start and hands the rest to a child player;
// the window never waits for either. When no audio could be written, the engine says the
// text itself. A new utterance stops the previous one, and one that runs too long is stopped.
#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

class QTimer;

class Speech {
public:
    virtual ~Speech() = default;
    virtual bool available() const = 0;
    // Why it is not available, and how to get it (for a tooltip); empty when available.
    virtual QString unavailableReason() const = 0;
    virtual void speak(const QString &english) = 0;
    // The English that may be said next: a voice may get its audio ready before the press.
    virtual void prepare(const QString &english) { Q_UNUSED(english); }
};

// A speech engine as a command line. In the arguments, %t stands for the text and %o for
// the WAV file to write.
struct SpeechEngine {
    QString program; // looked up on the PATH, or taken as it is when it is a path
    QStringList toFile;
    QStringList aloud; // says the text on its own, for a machine without a player
};

// A program that plays a WAV file; %f in the arguments stands for the file.
struct SoundPlayer {
    QString program;
    QStringList arguments;
};

class EnglishVoice final : public QObject, public Speech {
    Q_OBJECT
public:
    // flite with its US English voice rms, the clearest of the free voices.
    static SpeechEngine flite();
    // espeak-ng, with the Klatt voice that is clearer than its default.
    static SpeechEngine espeak();
    static QList<SoundPlayer> standardPlayers(); // PipeWire, PulseAudio, ALSA

    // The first engine found is the voice; the players are tried in their order.
    explicit EnglishVoice(QObject *parent = nullptr, const QList<SpeechEngine> &engines = {flite(), espeak()},
                          const QList<SoundPlayer> &players = standardPlayers());
    ~EnglishVoice() override;

    bool available() const override { return !engine_.program.isEmpty(); }
    QString unavailableReason() const override;
    // Says the English as ReadingRules gives it to the engine.
    void speak(const QString &english) override;
    // Writes the audio of the English beforehand, so that saying it needs only the player;
    // the audio prepared before is dropped.
    void prepare(const QString &english) override;
    QString engineProgram() const { return engine_.program; }
    bool hasPrepared(const QString &english) const;

    static constexpr int kLongestUtteranceMs = 8000;
    void setLongestUtterance(int ms);
    // The child working on the utterance now, engine or player, if any (for tests).
    QProcess *currentProcess() const { return current_; }

    // A WAV file without the near-silence at its start, less a few milliseconds kept before
    // the first sound; anything but 16-bit PCM comes back as it is.
    static QByteArray withoutLeadingSilence(const QByteArray &wav);
    static constexpr int kSilenceLevel = 64;  // of 32767: below it, a sample is silence
    static constexpr int kKeptBeforeSoundMs = 10;

    // Makes the engine's WAV file ready for a player: drops the silence at its start, in
    // place. When the shorter copy cannot be written (a full temporary folder), the engine's
    // file stays as it is. False when the file holds no sound at all: an engine that finds
    // no room writes an empty file and still says it succeeded.
    static bool readyToPlay(const QString &wav);

signals:
    // The player of the utterance has started with its audio.
    void playing();

private:
    enum class Step { Engine, Player, Aloud };
    void stopCurrent();
    void finish();
    QString newWavPath();
    // Starts a child on the text and file; it becomes the preparation or the current one.
    void launch(Step step, const QString &text, const QString &wav, bool preparation = false);
    void engineEnded(QProcess *engine, bool succeeded, const QString &wav);
    void stepEnded(Step step, bool succeeded);
    void startPlayers();
    void dropPrepared();

    SpeechEngine engine_;
    QList<SoundPlayer> players_; // those found on the PATH
    qsizetype firstPlayer_ = 0;  // the one that played last time
    qsizetype player_ = 0;       // the one playing this utterance
    qsizetype playersTried_ = 0; // by this utterance
    std::unique_ptr<QTemporaryDir> folder_; // made on the first utterance
    int serial_ = 0;

    // The utterance: its text as the engine gets it, its WAV, and the child working on it.
    QString text_;
    QString wav_;
    bool removeWavAtEnd_ = false; // not the prepared audio, which may be said again
    QPointer<QProcess> current_;
    QTimer *limit_;

    struct Prepared {
        QString text;
        QString wav;
        QPointer<QProcess> engine; // while it writes the WAV
        bool ready = false;
    } prepared_;
};
