#include "bots/BotChat.h"

#include "protocol/GameFacts.h"
#include "protocol/GameRandom.h"

#include <QRegularExpression>

namespace {

const QStringList StartLines {
    QStringLiteral("Good luck everyone!"), QStringLiteral("Hi all, let's play!"),
    QStringLiteral("Ready when you are."), QStringLiteral("Hello! Have fun!"),
    QStringLiteral("hi everyone"),         QStringLiteral("gl hf"),
    QStringLiteral("Let's do this!"),      QStringLiteral("Hope I get an easy letter..."),
    QStringLiteral("Evening all :)"),      QStringLiteral("Ok, I'm warmed up.")};
const QStringList WonLines {
    QStringLiteral("Good game everyone!"),   QStringLiteral("gg all"),
    QStringLiteral("That was fun, thanks!"), QStringLiteral("Lucky letters for me!"),
    QStringLiteral("Phew, close one. gg"),   QStringLiteral("Thanks for the game!")};
const QStringList LostLines {QStringLiteral("Good game everyone!"),
                             QStringLiteral("Well played!"),
                             QStringLiteral("Congratulations to the winner!"),
                             QStringLiteral("gg"),
                             QStringLiteral("gg, I'll get you next time"),
                             QStringLiteral("Nice one, well done"),
                             QStringLiteral("My mind went blank on that last letter"),
                             QStringLiteral("gg wp")};
const QStringList GreetingReplies {QStringLiteral("Hi!"), QStringLiteral("Hello :)"),
                                   QStringLiteral("Hey there"), QStringLiteral("hiya"),
                                   QStringLiteral("Welcome!")};
const QStringList GoodGameReplies {QStringLiteral("gg"), QStringLiteral("gg :)"),
                                   QStringLiteral("Good game!"), QStringLiteral("gg wp")};
const QStringList QuestionReplies {QStringLiteral("Hmm, good question"),
                                   QStringLiteral("Not sure, to be honest"),
                                   QStringLiteral("Ask me after this round!"),
                                   QStringLiteral("Maybe? :)"), QStringLiteral("I'd say yes")};

// A player starts a game by chatting half of the time, so a table of bots is not a choir,
// and answers half of what it could answer.
constexpr int StartChatPercent = 50;
constexpr int ReplyPercent = 50;
// How many lines of the copy's players count as said lately.
constexpr int SaidLatelyCount = 3;

bool isGreeting(const QString &text)
{
    static const QRegularExpression greeting(
        QStringLiteral("^(hi|hello|hey|hiya|howdy|yo|good (morning|evening|afternoon))\\b"),
        QRegularExpression::CaseInsensitiveOption);
    return greeting.match(text.trimmed()).hasMatch();
}

bool isGoodGame(const QString &text)
{
    static const QRegularExpression goodGame(QStringLiteral("\\b(gg|good game)\\b"),
                                             QRegularExpression::CaseInsensitiveOption);
    return goodGame.match(text).hasMatch();
}

} // namespace

BotChat::BotChat(GameRandom &random, qint64 minGapMs, QStringList *saidLately)
    : m_random(random), m_minGapMs(minGapMs), m_saidLately(saidLately)
{ }

QString BotChat::speak(qint64 nowMs, const QStringList &lines)
{
    if (m_hasSpoken && nowMs - m_lastSpokeMs < m_minGapMs)
        return QString();
    QStringList fresh;
    for (const QString &line : lines) {
        if (!m_saidLately || !m_saidLately->contains(line))
            fresh.append(line);
    }
    if (fresh.isEmpty())
        return QString();
    const QString line = fresh.at(m_random.bounded(int(fresh.size())));
    m_hasSpoken = true;
    m_lastSpokeMs = nowMs;
    if (m_saidLately) {
        m_saidLately->append(line);
        while (m_saidLately->size() > SaidLatelyCount)
            m_saidLately->removeFirst();
    }
    return line;
}

QString BotChat::gameStarted(qint64 nowMs)
{
    if (m_random.bounded(100) >= StartChatPercent)
        return QString();
    return speak(nowMs, StartLines);
}

QString BotChat::gameEnded(qint64 nowMs, bool won)
{
    return speak(nowMs, won ? WonLines : LostLines);
}

QString BotChat::heard(qint64 nowMs, const QString &ownName, const QString &text)
{
    const QStringList *replies = nullptr;
    if (!ownName.isEmpty() && text.contains(ownName, Qt::CaseInsensitive)
        && text.trimmed().endsWith(u'?'))
        replies = &QuestionReplies;
    else if (isGreeting(text))
        replies = &GreetingReplies;
    else if (isGoodGame(text))
        replies = &GoodGameReplies;
    if (!replies || m_random.bounded(100) >= ReplyPercent)
        return QString();
    return speak(nowMs, *replies);
}

int BotChat::pauseMs()
{
    return LeastPauseMs + m_random.bounded(MostPauseMs - LeastPauseMs + 1);
}

QString botNameForSeat(int seat, const QStringList &taken)
{
    const QString own = GameFacts::seatHintName(seat);
    const QString hint = own.isEmpty() ? GameFacts::seatHintName(1) : own;
    if (!taken.contains(hint))
        return hint;
    for (const char *name : GameFacts::SeatHintNames) {
        if (!taken.contains(QLatin1String(name)))
            return QLatin1String(name);
    }
    return hint; // the host tells it apart from the others
}
