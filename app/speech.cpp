#include "app/speech.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTimer>

EspeakSpeech::EspeakSpeech(QObject *parent, const QString &program)
    : QObject(parent),
      program_(QStandardPaths::findExecutable(program)),
      limit_(new QTimer(this))
{
    limit_->setSingleShot(true);
    limit_->setInterval(kLongestUtteranceMs);
    connect(limit_, &QTimer::timeout, this, &EspeakSpeech::stopCurrent);
}

EspeakSpeech::~EspeakSpeech()
{
    stopCurrent();
}

QString EspeakSpeech::unavailableReason() const
{
    if (available())
        return {};
    return QStringLiteral("音声を出すには espeak-ng が必要です（sudo apt-get install espeak-ng）。");
}

void EspeakSpeech::setLongestUtterance(int ms)
{
    limit_->setInterval(ms);
}

void EspeakSpeech::stopCurrent()
{
    limit_->stop();
    if (current_ && current_->state() != QProcess::NotRunning)
        current_->kill(); // finished() then deletes it; nothing here waits for it
    current_ = nullptr;
}

void EspeakSpeech::speak(const QString &english)
{
    if (!available() || english.trimmed().isEmpty())
        return;
    stopCurrent();
    auto *process = new QProcess(this);
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process->setStandardOutputFile(QProcess::nullDevice());
    connect(process, &QProcess::finished, process, &QObject::deleteLater);
    connect(process, &QProcess::errorOccurred, process, [process](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            process->deleteLater();
    });
    process->start(program_, {QStringLiteral("-v"), QStringLiteral("en-us"), QStringLiteral("--"), english});
    current_ = process;
    limit_->start();
}
