// Receive path throughput: a game's traffic fed in network-read sized pieces
// through framing, queue and dispatch, with handlers that read every field.
// Prints messages per second and megabytes per second for each side.
#include "protocol/ColourText.h"
#include "protocol/Dispatcher.h"
#include "protocol/FieldReader.h"
#include "protocol/Framing.h"
#include "protocol/Messages.h"
#include "protocol/ReceiveQueue.h"

#include <QRandomGenerator>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

using namespace Protocol;

namespace {

constexpr quint32 Seed = 7772;
constexpr int Rounds = 2000; // rounds of traffic per run
constexpr int Runs = 5; // the best run is reported
constexpr int MaxRead = 4096; // largest piece one socket read hands over
constexpr int ChatLinesPerRound = 24;

const QStringList Categories
    = {"Fruit", "Car Part", "Something Found at a Bar", "River", "Toy", "Author", "Sport", "Bird"};
const QStringList Names = {"Ann", "Bob", "Carla", "Dieter", "Eve", "Farid", "Gus", "Hanne"};

QString answerOf(int seat, int category)
{
    return QStringLiteral("ANSWER%1X%2").arg(seat).arg(category);
}

// What a client receives in one round of eight players.
QByteArray clientRound(int round, QRandomGenerator &rng)
{
    QByteArray bytes = Msg::startround(round, int(rng.bounded(LetterCount)), Categories);
    for (int line = 0; line < ChatLinesPerRound; ++line) {
        const int seat = 1 + int(rng.bounded(PlayingSeats));
        bytes += Msg::chatRelay(seat, Names[seat - 1],
                                "this one is hard, who knows a river+ with W?|clNavy");
    }
    bytes += Msg::endround();
    for (int category = 1; category <= CategoriesPerRound; ++category) {
        QList<ShowcatAnswer> answers;
        QList<ScoreLine> scores;
        for (int seat = 1; seat <= PlayingSeats; ++seat) {
            answers.append({seat, answerOf(seat, category), seat % 3 == 0});
            scores.append({seat, 1, 7, round * 8 + category});
        }
        bytes += Msg::showcat(Categories.value(category - 1), answers);
        bytes += Msg::postscores(scores);
    }
    bytes += Msg::roundover();
    return bytes;
}

// What the host receives in the same round.
QByteArray hostRound(QRandomGenerator &rng)
{
    QByteArray bytes;
    for (int seat = 1; seat <= PlayingSeats; ++seat) {
        QStringList answers;
        for (int category = 1; category <= CategoriesPerRound; ++category)
            answers << (rng.bounded(5) == 0 ? QString() : answerOf(seat, category));
        bytes += Msg::myanswers(seat, answers);
    }
    for (int line = 0; line < ChatLinesPerRound; ++line)
        bytes += Msg::chat(1 + int(rng.bounded(PlayingSeats)),
                           "this one is hard, who knows a river+ with W?", "$00FF8000");
    for (int category = 1; category <= CategoriesPerRound; ++category) {
        for (int seat = 1; seat <= PlayingSeats; ++seat)
            bytes += Msg::voteagainst(seat, 1 + (seat + category) % PlayingSeats);
    }
    return bytes;
}

// Handlers that read what the real ones read and fold it into a sum, so no
// work can be left out.
class Reader
{
public:
    // Leading number fields, then a "+@" list of groups when groupSize > 0.
    void fields(const QString &argument, int leading, int groupSize)
    {
        FieldReader reader(argument);
        for (int i = 0; i < leading; ++i)
            add(reader.takeInt());
        if (groupSize == 0)
            return;
        reader.beginList();
        while (reader.nextGroup()) {
            add(reader.takeInt());
            for (int i = 1; i < groupSize; ++i)
                m_sum += quint64(reader.takeText().size());
        }
    }
    void chat(const QString &argument)
    {
        FieldReader reader(argument);
        add(reader.takeInt());
        const QString &text = reader.rest();
        const qsizetype bar = text.indexOf(u'|');
        if (const auto colour = colourFromText(text.mid(bar + 1)))
            m_sum += quint64((colour->red << 16) | (colour->green << 8) | colour->blue);
        m_sum += quint64(bar);
    }
    quint64 sum() const { return m_sum; }
    qint64 badNumbers() const { return m_badNumbers; }

private:
    void add(std::optional<int> value)
    {
        if (value)
            m_sum += quint64(*value);
        else
            ++m_badNumbers;
    }
    quint64 m_sum = 0;
    qint64 m_badNumbers = 0;
};

void clientHandlers(Dispatcher &d, Reader &r)
{
    // Registered in the client's order, so the search by name costs what it will.
    const auto chat = [&r](const QString &a, int) {
        r.chat(a);
    };
    for (const QString &name : clientCommands()) {
        if (name == "CMD_chat" || name == "CMD_action")
            d.on(name, chat);
        else if (name == "CMD_startround")
            d.on(name, [&r](const QString &a, int) { r.fields(a, 2, 2); });
        else if (name == "CMD_showcat") // the category's text, then numbers
            d.on(name, [&r](const QString &a, int) { r.fields(a.section(u'+', 1), 1, 3); });
        else if (name == "CMD_postscores")
            d.on(name, [&r](const QString &a, int) { r.fields(a, 0, 4); });
        else
            d.on(name, [&r](const QString &a, int) { r.fields(a, 0, 0); });
    }
}

void hostHandlers(Dispatcher &d, Reader &r)
{
    for (const QString &name : hostCommands()) {
        if (name == "CMD_chat" || name == "CMD_action")
            d.on(name, [&r](const QString &a, int) { r.chat(a); });
        else if (name == "CMD_myanswers")
            d.on(name, [&r](const QString &a, int) { r.fields(a, 1, 2); });
        else
            d.on(name, [&r](const QString &a, int) { r.fields(a, 2, 0); });
    }
}

struct Result
{
    double seconds = 0;
    qint64 messages = 0;
    quint64 sum = 0;
    qint64 badNumbers = 0;
};

Result run(const QByteArray &traffic, const std::vector<int> &reads, bool host)
{
    Reader reader;
    Dispatcher dispatcher;
    if (host)
        hostHandlers(dispatcher, reader);
    else
        clientHandlers(dispatcher, reader);

    Result result;
    const auto start = std::chrono::steady_clock::now();
    FrameSplitter splitter;
    ReceiveQueue queue;
    qsizetype at = 0;
    for (std::size_t i = 0; at < traffic.size(); ++i) {
        const qsizetype size = reads[i % reads.size()];
        for (const QByteArray &message : splitter.feed(traffic.mid(at, size)))
            queue.append(message);
        at += size;
        while (!queue.isEmpty()) {
            dispatcher.dispatch(queue.takeFirst());
            ++result.messages;
        }
    }
    result.seconds
        = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    result.sum = reader.sum();
    result.badNumbers = reader.badNumbers();
    return result;
}

bool report(const char *side, const QByteArray &traffic, const std::vector<int> &reads, bool host)
{
    Result best;
    for (int i = 0; i < Runs; ++i) {
        const Result r = run(traffic, reads, host);
        if (i == 0 || r.seconds < best.seconds)
            best = r;
    }
    const double megabytes = double(traffic.size()) / (1024.0 * 1024.0);
    std::printf(
        "%-7s %9lld messages %8.2f MB in %7.3f s: %11.0f messages/s %8.1f MB/s (check %llu)\n",
        side, static_cast<long long>(best.messages), megabytes, best.seconds,
        double(best.messages) / best.seconds, megabytes / best.seconds,
        static_cast<unsigned long long>(best.sum));
    if (best.badNumbers != 0)
        std::printf("%-7s %lld number fields failed to convert\n", side,
                    static_cast<long long>(best.badNumbers));
    return best.badNumbers == 0;
}

} // namespace

int main()
{
    QRandomGenerator rng(Seed);
    QByteArray toClient;
    QByteArray toHost;
    for (int round = 1; round <= Rounds; ++round) {
        toClient += clientRound(round, rng);
        toHost += hostRound(rng);
    }
    std::vector<int> reads(4096);
    std::generate(reads.begin(), reads.end(), [&rng] { return 1 + int(rng.bounded(MaxRead)); });

    std::printf("%d rounds of 8 players, reads of 1 to %d bytes, best of %d runs\n", Rounds,
                MaxRead, Runs);
    const bool clientOk = report("client", toClient, reads, false);
    const bool hostOk = report("host", toHost, reads, true);
    return clientOk && hostOk ? 0 : 1;
}
