// Throughput of the tally's compressed container beside zlib level 1, on
// English-like text and on random bytes. Prints one table.
#include "storage/LZRW1.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTextStream>

#include <algorithm>
#include <functional>
#include <limits>

namespace {

constexpr qsizetype DataSize = 10'000'000;
constexpr int Repeats = 3; // best of this many runs
constexpr double BytesPerMegabyte = 1e6;
constexpr quint32 Seed = 20261208;

QByteArray englishLikeText(qsizetype size, quint32 seed)
{
    // Common words first: each is picked with a weight falling off like a Zipf law.
    static const char *const words[] = {
        "the",     "of",       "and",     "to",       "a",        "in",        "is",      "it",
        "you",     "that",     "he",      "was",      "for",      "on",        "are",     "with",
        "as",      "his",      "they",    "be",       "at",       "one",       "have",    "this",
        "from",    "or",       "had",     "by",       "word",     "but",       "what",    "some",
        "we",      "can",      "out",     "other",    "were",     "all",       "there",   "when",
        "up",      "use",      "your",    "how",      "said",     "game",      "round",   "letter",
        "player",  "category", "answer",  "score",    "vote",     "winner",    "fruit",   "river",
        "country", "animal",   "kitchen", "garden",   "music",    "friend",    "quickly", "because",
        "through", "between",  "another", "remember", "question", "important", "together"};
    constexpr int count = int(std::size(words));
    QRandomGenerator generator(seed);
    QByteArray text;
    text.reserve(size + 32);
    bool sentenceStart = true;
    int lineLength = 0;
    while (text.size() < size) {
        // Zipf-like: the square of a uniform number favours the first words.
        const double u = generator.generateDouble();
        QByteArray word(words[int(u * u * count)]);
        if (sentenceStart)
            word[0] = char(word[0] - 'a' + 'A');
        sentenceStart = false;
        text += word;
        lineLength += int(word.size());
        const int punctuation = generator.bounded(100);
        if (punctuation < 8) {
            text += '.';
            sentenceStart = true;
        } else if (punctuation < 14) {
            text += ',';
        }
        if (lineLength > 70) {
            text += "\r\n";
            lineLength = 0;
        } else {
            text += ' ';
            ++lineLength;
        }
    }
    text.truncate(size);
    return text;
}

QByteArray randomBytes(qsizetype size, quint32 seed)
{
    QRandomGenerator generator(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    generator.fillRange(reinterpret_cast<quint32 *>(bytes.data()), size / 4);
    return bytes;
}

// Best time in seconds of Repeats runs; `result` keeps the last output.
double bestSeconds(const std::function<QByteArray()> &work, QByteArray &result)
{
    double best = std::numeric_limits<double>::max();
    for (int i = 0; i < Repeats; ++i) {
        QElapsedTimer timer;
        timer.start();
        result = work();
        best = std::min(best, double(timer.nsecsElapsed()) / 1e9);
    }
    return best;
}

struct Coder
{
    const char *name;
    std::function<QByteArray(const QByteArray &)> pack;
    std::function<QByteArray(const QByteArray &)> unpack;
};

} // namespace

int main()
{
    QTextStream out(stdout);
    const Coder coders[] = {
        {"LZRW1/KH container", [](const QByteArray &d) { return Tlzrw1::compressBytes(d); },
         [](const QByteArray &d) {
             return Tlzrw1::decompressBytes(d);
         }},
        {"zlib level 1 (qCompress)", [](const QByteArray &d) { return qCompress(d, 1); },
         [](const QByteArray &d) {
             return qUncompress(d);
         }},
    };
    const struct
    {
        const char *name;
        QByteArray data;
    } inputs[] = {
        {"English-like text", englishLikeText(DataSize, Seed)},
        {"random bytes", randomBytes(DataSize, Seed)},
    };

    out << QStringLiteral("%1 bytes per input, best of %2 runs, MB = 10^6 bytes\n\n")
               .arg(DataSize)
               .arg(Repeats);
    out << QStringLiteral("%1 %2 %3 %4 %5\n")
               .arg("Data", -18)
               .arg("Coder", -25)
               .arg("Size %", 8)
               .arg("Pack MB/s", 10)
               .arg("Unpack MB/s", 12);
    int failures = 0;
    for (const auto &input : inputs) {
        for (const Coder &coder : coders) {
            QByteArray packed;
            QByteArray unpacked;
            const double packSeconds = bestSeconds([&] { return coder.pack(input.data); }, packed);
            const double unpackSeconds
                = bestSeconds([&] { return coder.unpack(packed); }, unpacked);
            if (unpacked != input.data)
                ++failures;
            out << QStringLiteral("%1 %2 %3 %4 %5%6\n")
                       .arg(input.name, -18)
                       .arg(coder.name, -25)
                       .arg(100.0 * double(packed.size()) / double(input.data.size()), 8, 'f', 1)
                       .arg(double(input.data.size()) / BytesPerMegabyte / packSeconds, 10, 'f', 1)
                       .arg(double(input.data.size()) / BytesPerMegabyte / unpackSeconds, 12, 'f',
                            1)
                       .arg(unpacked == input.data ? "" : "  ROUND TRIP FAILED");
        }
    }
    return failures == 0 ? 0 : 1;
}
