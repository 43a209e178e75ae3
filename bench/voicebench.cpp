// How clearly the voice speaks the course, and how soon: 100 English items of the course
// (50 single words, 50 phrases and sentences, drawn with a fixed seed from whatever the
// course folder holds now) go through the program's own voice path, from the reading rules
// to the player; an offline recogniser (pocketsphinx with its US English model) writes down
// what it hears, and the word error rate of that transcript stands for how clearly and how
// standardly the voice speaks. Each engine the program can use is measured in the same run.
//
//   eitango_voicebench [course folder]     (default: the bundled course of the source tree)
//
// Run with scripts/voicebench. Not part of the test run: it takes a few minutes.
#include "files/datafolder.h"
#include "files/questionbank.h"
#include "rules/tests/readingrules.h"
#include "screens/kit/speech.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>

namespace {

constexpr unsigned kSeed = 22;
constexpr int kWords = 50;
constexpr int kSentences = 50;
const QString kModel = QStringLiteral("/usr/share/pocketsphinx/model/en-us");

struct Item {
    QString english;
    bool sentence = false;
};

// The drawn items: distinct single words first, then distinct phrases and sentences.
// `longest` gets the ten sentences of the course with the most words.
QList<Item> drawItems(const QString &folder, QList<Item> &longest)
{
    const DataFolder course(folder);
    QList<Item> words, sentences;
    QSet<QString> seen;
    for (int chapter = 1; chapter <= kChapterCount; ++chapter) {
        for (const Question &q : readChapter(course, chapter).items) {
            const QString english = q.eng.simplified();
            if (english.isEmpty() || seen.contains(english))
                continue;
            seen.insert(english);
            (english.contains(QLatin1Char(' ')) ? sentences : words).append({english, english.contains(QLatin1Char(' '))});
        }
    }
    longest = sentences;
    std::stable_sort(longest.begin(), longest.end(), [](const Item &a, const Item &b) {
        return a.english.count(QLatin1Char(' ')) > b.english.count(QLatin1Char(' '));
    });
    longest = longest.mid(0, 10);
    std::mt19937 random(kSeed);
    const auto draw = [&random](QList<Item> &from, int count) {
        for (qsizetype i = 0; i < from.size() && i < count; ++i) { // the first `count` of a shuffle
            std::uniform_int_distribution<qsizetype> pick(i, from.size() - 1);
            std::swap(from[i], from[pick(random)]);
        }
        return from.mid(0, count);
    };
    return draw(words, kWords) + draw(sentences, kSentences);
}

// ---- Audio --------------------------------------------------------------------------------

struct Pcm {
    int rate = 0;
    QList<float> samples; // mono, -1 to 1
};

Pcm readWav(const QByteArray &wav)
{
    Pcm pcm;
    int channels = 1;
    for (qsizetype at = 12; at + 8 <= wav.size();) {
        const QByteArray id = wav.mid(at, 4);
        const qsizetype size = qMin<qsizetype>(qFromLittleEndian<quint32>(wav.constData() + at + 4), wav.size() - at - 8);
        const char *body = wav.constData() + at + 8;
        if (id == "fmt ") {
            channels = qFromLittleEndian<quint16>(body + 2);
            pcm.rate = int(qFromLittleEndian<quint32>(body + 4));
        } else if (id == "data" && channels > 0) {
            for (qsizetype i = 0; i + 2 * channels <= size; i += 2 * channels)
                pcm.samples.append(qFromLittleEndian<qint16>(body + i) / 32768.0f);
            break;
        }
        at += 8 + size + (size & 1);
    }
    return pcm;
}

// To 16 kHz, as the recogniser's model wants: a windowed-sinc low-pass interpolation.
Pcm resampled(const Pcm &in, int rate)
{
    if (in.rate == rate || in.rate == 0)
        return in;
    Pcm out;
    out.rate = rate;
    const double step = double(in.rate) / rate;
    const double cutoff = std::min(1.0, double(rate) / in.rate) * 0.95;
    constexpr int half = 16;
    const qsizetype n = qsizetype(in.samples.size() / step);
    for (qsizetype i = 0; i < n; ++i) {
        const double centre = i * step;
        double sum = 0;
        for (qsizetype k = qsizetype(centre) - half; k <= qsizetype(centre) + half; ++k) {
            if (k < 0 || k >= in.samples.size())
                continue;
            const double x = centre - k;
            const double sinc = x == 0 ? 1.0 : std::sin(M_PI * cutoff * x) / (M_PI * cutoff * x);
            const double window = 0.5 + 0.5 * std::cos(M_PI * x / (half + 1));
            sum += in.samples[k] * cutoff * sinc * window;
        }
        out.samples.append(float(sum));
    }
    return out;
}

bool writeWav(const QString &path, const Pcm &pcm)
{
    QByteArray data;
    for (float s : pcm.samples) {
        char b[2];
        qToLittleEndian(qint16(std::clamp(std::lround(s * 32767.0f), -32768L, 32767L)), b);
        data.append(b, 2);
    }
    QByteArray wav("RIFF");
    const auto put = [&wav](quint32 v, int bytes) {
        for (int i = 0; i < bytes; ++i)
            wav.append(char((v >> (8 * i)) & 0xff));
    };
    put(36 + data.size(), 4);
    wav += "WAVEfmt ";
    put(16, 4), put(1, 2), put(1, 2), put(pcm.rate, 4), put(pcm.rate * 2, 4), put(2, 2), put(16, 2);
    wav += "data";
    put(data.size(), 4);
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(wav + data) == wav.size() + data.size();
}

// ---- Word error rate ----------------------------------------------------------------------

QString numberWords(int n)
{
    static const char *ones[] = {"zero", "one", "two", "three", "four", "five", "six", "seven", "eight", "nine", "ten",
                                 "eleven", "twelve", "thirteen", "fourteen", "fifteen", "sixteen", "seventeen",
                                 "eighteen", "nineteen"};
    static const char *tens[] = {"", "", "twenty", "thirty", "forty", "fifty", "sixty", "seventy", "eighty", "ninety"};
    if (n < 20)
        return QString::fromLatin1(ones[n]);
    if (n < 100)
        return QString::fromLatin1(tens[n / 10]) + (n % 10 ? QLatin1Char(' ') + QString::fromLatin1(ones[n % 10]) : QString());
    return QString::number(n);
}

// The words a listener should hear: abbreviations written out, numbers as words, no punctuation.
QStringList referenceWords(const QString &english)
{
    QString text = ReadingRules::withAbbreviationsWrittenOut(english).toLower();
    text.replace(QChar(0x2019), QLatin1Char('\''));
    static const QRegularExpression number(QStringLiteral("\\d+"));
    QRegularExpressionMatch m;
    while ((m = number.match(text)).hasMatch())
        text.replace(m.capturedStart(), m.capturedLength(), QLatin1Char(' ') + numberWords(m.captured().toInt()) + QLatin1Char(' '));
    static const QRegularExpression other(QStringLiteral("[^a-z']+"));
    text.replace(other, QStringLiteral(" "));
    return text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

int editDistance(const QStringList &a, const QStringList &b)
{
    QList<int> row(b.size() + 1);
    for (qsizetype j = 0; j <= b.size(); ++j)
        row[j] = int(j);
    for (qsizetype i = 1; i <= a.size(); ++i) {
        int diagonal = row[0];
        row[0] = int(i);
        for (qsizetype j = 1; j <= b.size(); ++j) {
            const int up = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = up;
        }
    }
    return row[b.size()];
}

// ---- One voice ------------------------------------------------------------------------------

struct Utterance {
    double firstSoundMs = -1; // press to the player's start, plus the silence still before the sound
    double preparedFirstSoundMs = -1; // the same once the audio was prepared
    QString wav16k;           // what the player was given, at 16 kHz
};

// Says each item through the program's voice path; the player is a stand-in that keeps the audio.
// Runs the event loop until the condition holds (or 20 s have passed).
template <class Condition> void waitUntil(Condition done)
{
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done())
            loop.quit();
    });
    QTimer::singleShot(20000, &loop, &QEventLoop::quit);
    poll.start(2);
    loop.exec();
}

// Says each item through the program's voice path; the player is a stand-in that keeps the
// audio. Each item is said twice: on demand, and once its audio was prepared.
QList<Utterance> speakAll(const SpeechEngine &engine, const QList<Item> &items, const QString &folder)
{
    const QString keeper = QDir(folder).filePath(QStringLiteral("keeper"));
    QFile script(keeper);
    script.open(QIODevice::WriteOnly);
    script.write("#!/bin/sh\ncp \"$1\" \"$0.wav\"\n");
    script.close();
    script.setPermissions(script.permissions() | QFileDevice::ExeOwner);

    EnglishVoice voice(nullptr, {engine}, {{keeper, {QStringLiteral("%f")}}});
    QElapsedTimer clock;
    double handedOverMs = -1;
    QObject::connect(&voice, &EnglishVoice::playing, [&] { handedOverMs = clock.nsecsElapsed() / 1e6; });
    const auto say = [&](const QString &english) {
        QFile::remove(keeper + QStringLiteral(".wav"));
        handedOverMs = -1;
        clock.start();
        voice.speak(english);
        waitUntil([&] { return !voice.currentProcess(); }); // the player has ended
        return handedOverMs;
    };
    QList<Utterance> done;
    for (qsizetype i = 0; i < items.size(); ++i) {
        Utterance u;
        const double handedOver = say(items[i].english);
        QFile kept(keeper + QStringLiteral(".wav"));
        if (handedOver >= 0 && kept.open(QIODevice::ReadOnly)) {
            Pcm pcm = readWav(kept.readAll());
            qsizetype lead = 0;
            while (lead < pcm.samples.size() && std::abs(pcm.samples[lead]) * 32768 < EnglishVoice::kSilenceLevel)
                ++lead;
            const double leadMs = pcm.rate > 0 ? 1000.0 * lead / pcm.rate : 0;
            u.firstSoundMs = handedOver + leadMs;
            u.wav16k = QDir(folder).filePath(QStringLiteral("item%1.wav").arg(i));
            if (!writeWav(u.wav16k, resampled(pcm, 16000)))
                u.wav16k.clear();
            voice.prepare(items[i].english);
            waitUntil([&] { return voice.hasPrepared(items[i].english); });
            const double prepared = say(items[i].english);
            if (prepared >= 0)
                u.preparedFirstSoundMs = prepared + leadMs;
        }
        done.append(u);
    }
    return done;
}

// The recogniser's transcripts, by item number; a missing one is empty.
QStringList recognise(const QList<Utterance> &utterances, const QString &folder)
{
    QStringList hypotheses(utterances.size());
    QFile control(QDir(folder).filePath(QStringLiteral("items.ctl")));
    control.open(QIODevice::WriteOnly);
    for (qsizetype i = 0; i < utterances.size(); ++i) {
        if (!utterances[i].wav16k.isEmpty())
            control.write(QStringLiteral("item%1\n").arg(i).toUtf8());
    }
    control.close();
    const QString hyp = QDir(folder).filePath(QStringLiteral("items.hyp"));
    QProcess batch;
    batch.setProcessChannelMode(QProcess::MergedChannels);
    batch.setStandardOutputFile(QProcess::nullDevice());
    batch.start(QStringLiteral("pocketsphinx_batch"),
                {// Dither, with a fixed seed: the digital silence some engines write would
                 // otherwise upset the recogniser's cepstral mean.
                 QStringLiteral("-dither"), QStringLiteral("yes"), QStringLiteral("-seed"), QString::number(kSeed),
                 QStringLiteral("-adcin"), QStringLiteral("yes"), QStringLiteral("-adchdr"), QStringLiteral("44"),
                 QStringLiteral("-cepdir"), folder, QStringLiteral("-cepext"), QStringLiteral(".wav"),
                 QStringLiteral("-ctl"), control.fileName(), QStringLiteral("-hyp"), hyp,
                 QStringLiteral("-hmm"), kModel + QStringLiteral("/en-us"),
                 QStringLiteral("-lm"), kModel + QStringLiteral("/en-us.lm.bin"),
                 QStringLiteral("-dict"), kModel + QStringLiteral("/cmudict-en-us.dict")});
    if (!batch.waitForFinished(600000) || batch.exitCode() != 0)
        std::fprintf(stderr, "pocketsphinx_batch failed\n");
    QFile out(hyp);
    out.open(QIODevice::ReadOnly);
    static const QRegularExpression line(QStringLiteral("^(.*)\\(item(\\d+) [^)]*\\)\\s*$"));
    for (const QByteArray &l : out.readAll().split('\n')) {
        const QRegularExpressionMatch m = line.match(QString::fromUtf8(l));
        if (m.hasMatch())
            hypotheses[m.captured(2).toInt()] = m.captured(1).trimmed();
    }
    return hypotheses;
}

double percentile(QList<double> values, double p)
{
    if (values.isEmpty())
        return NAN;
    std::sort(values.begin(), values.end());
    return values[std::min<qsizetype>(values.size() - 1, qsizetype(p * (values.size() - 1) + 0.5))];
}

// The machine's load: the figures of time depend on what else runs.
QByteArray loadAverage()
{
    QFile file(QStringLiteral("/proc/loadavg"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("unknown\n");
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QString course = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(EITANGO_SOURCE_DIR "/course/E1");
    if (QStandardPaths::findExecutable(QStringLiteral("pocketsphinx_batch")).isEmpty() || !QDir(kModel).exists()) {
        std::fprintf(stderr, "pocketsphinx is missing: sudo apt-get install pocketsphinx pocketsphinx-en-us\n");
        return 1;
    }
    QList<Item> longest;
    const QList<Item> items = drawItems(course, longest);
    const auto wordCount = std::count_if(items.begin(), items.end(), [](const Item &i) { return !i.sentence; });
    std::printf("%lld items of %s (%lld words, %lld phrases and sentences), seed %u\n", (long long)items.size(),
                qPrintable(course), (long long)wordCount, (long long)(items.size() - wordCount), kSeed);
    if (items.isEmpty())
        return 1;

    struct Voice {
        const char *name;
        SpeechEngine engine;
    };
    SpeechEngine formerVoice = EnglishVoice::espeak();
    formerVoice.toFile.replace(1, QStringLiteral("en-us"));
    const QList<Voice> voices = {{"flite rms (the voice)", EnglishVoice::flite()},
                                 {"espeak-ng en-us+klatt4 (fallback)", EnglishVoice::espeak()},
                                 {"espeak-ng en-us (former voice)", formerVoice}};
    std::printf("load average at the start: %s", loadAverage().constData());
    std::printf("\n%-34s %9s %11s | %19s %19s %19s | %19s\n", "voice", "WER words", "WER phrases",
                "first sound: words", "phrases", "longest 10", "prepared: all");
    std::printf("%-34s %9s %11s | %19s %19s %19s | %19s\n", "", "", "", "median / 90%", "median / 90%",
                "median / max", "median / max");
    for (const Voice &v : voices) {
        if (QStandardPaths::findExecutable(v.engine.program).isEmpty()) {
            std::printf("%-34s not installed\n", v.name);
            continue;
        }
        QTemporaryDir folder;
        folder.setAutoRemove(!qEnvironmentVariableIsSet("EITANGO_VOICEBENCH_KEEP")); // to listen to them
        const QList<Utterance> said = speakAll(v.engine, items, folder.path());
        const QStringList heard = recognise(said, folder.path());
        int errors[2] = {0, 0}, words[2] = {0, 0};
        QList<double> firstSound[2], prepared, longestSound;
        for (qsizetype i = 0; i < items.size(); ++i) {
            const int kind = items[i].sentence ? 1 : 0;
            const QStringList reference = referenceWords(items[i].english);
            errors[kind] += editDistance(reference, heard[i].split(QLatin1Char(' '), Qt::SkipEmptyParts));
            words[kind] += int(reference.size());
            if (said[i].firstSoundMs >= 0)
                firstSound[kind].append(said[i].firstSoundMs);
            if (said[i].preparedFirstSoundMs >= 0)
                prepared.append(said[i].preparedFirstSoundMs);
            if (qEnvironmentVariableIsSet("EITANGO_VOICEBENCH_KEEP"))
                std::printf("  %s: %s | %s\n", qPrintable(said[i].wav16k), qPrintable(items[i].english), qPrintable(heard[i]));
        }
        QDir(folder.path()).mkpath(QStringLiteral("longest"));
        for (const Utterance &u : speakAll(v.engine, longest, folder.filePath(QStringLiteral("longest")))) {
            longestSound.append(u.firstSoundMs);
            prepared.append(u.preparedFirstSoundMs);
        }
        std::printf("%-34s %8.1f%% %10.1f%% | %10.0f / %3.0f ms %10.0f / %3.0f ms %10.0f / %3.0f ms | %10.0f / %3.0f ms\n",
                    v.name, 100.0 * errors[0] / std::max(1, words[0]), 100.0 * errors[1] / std::max(1, words[1]),
                    percentile(firstSound[0], 0.5), percentile(firstSound[0], 0.9), percentile(firstSound[1], 0.5),
                    percentile(firstSound[1], 0.9), percentile(longestSound, 0.5), percentile(longestSound, 1.0),
                    percentile(prepared, 0.5), percentile(prepared, 1.0));
        std::fflush(stdout);
    }
    std::printf("load average at the end: %s", loadAverage().constData());
    std::printf("\nFirst sound: from the press to the start of the player with the audio, plus the silence\n"
                "left before the first sound; the player's own start and the sound device come on top.\n"
                "On demand: the engine starts at the press. Prepared: the test screen had the audio\n"
                "written when the English became speakable, as it does before the learner presses.\n");
    return 0;
}
