#include "bots/BotPlayer.h"

#include "protocol/GameRandom.h"

#include <algorithm>
#include <array>
#include <limits>

namespace {

// The answer time a player assumes when it joined after the game's start.
constexpr int UnknownTurnTime = 60;
// Chat colours, so several computer players are told apart.
const std::array<QString, 4> ChatColours {QStringLiteral("clNavy"), QStringLiteral("clMaroon"),
                                          QStringLiteral("clGreen"), QStringLiteral("clPurple")};

} // namespace

BotPlayer::BotPlayer(const AnswerBank &bank, GameRandom &random, const BotSettings &settings,
                     QObject *parent)
    : QObject(parent), m_brain(bank, random, settings.profile),
      m_chat(random, BotChat::MinGapMs, settings.saidLately),
      m_secondMs(std::max(1, settings.secondMs)),
      m_colour(ChatColours[std::size_t(random.bounded(int(ChatColours.size())))]),
      m_turnTime(UnknownTurnTime)
{
    m_brain.setShared(settings.shared);
    m_clock.start();
    m_connection.setSecondMs(m_secondMs);
    m_connection.setPeerKind(Protocol::PeerKind::Computer);
    if (settings.name.isEmpty())
        m_connection.setNameForSeat([others = settings.namesOfOthers](int seat) {
            return botNameForSeat(seat, others ? others(seat) : QStringList());
        });
    else
        m_connection.setPlayerName(settings.name);

    m_answerTimer.setSingleShot(true);
    m_voteTimer.setSingleShot(true);
    connect(&m_answerTimer, &QTimer::timeout, this, &BotPlayer::sendAnswers);
    connect(&m_voteTimer, &QTimer::timeout, this, &BotPlayer::sendVote);

    connect(&m_game, &ClientGame::gameStarted, this, [this](const GameStart &start) {
        m_turnTime = start.turnTime;
        gameStarted();
    });
    connect(&m_game, &ClientGame::roundStarted, this, &BotPlayer::roundStarted);
    // Answers not out by now come too late for the host.
    connect(&m_game, &ClientGame::answeringEnded, &m_answerTimer, &QTimer::stop);
    connect(&m_game, &ClientGame::votingStarted, this, &BotPlayer::votingStarted);
    connect(&m_game, &ClientGame::gameWon, this, &BotPlayer::gameWon);
    connect(&m_game, &ClientGame::chatLine, this, &BotPlayer::heard);
}

void BotPlayer::setSpeed(BotSpeed speed)
{
    m_brain.setSpeed(speed);
}

void BotPlayer::actNow()
{
    if (m_answerTimer.isActive())
        sendAnswers();
    if (m_voteTimer.isActive())
        sendVote();
}

int BotPlayer::realMs(qint64 gameMs) const
{
    return int(std::min<qint64>(gameMs * m_secondMs / 1000, std::numeric_limits<int>::max()));
}

qint64 BotPlayer::gameNowMs() const
{
    return m_clock.elapsed() * 1000 / m_secondMs;
}

void BotPlayer::gameStarted()
{
    m_brain.startGame();
    say(m_chat.gameStarted(gameNowMs()));
}

void BotPlayer::roundStarted(const RoundStart &round)
{
    m_voteTimer.stop();
    m_letter = round.letter();
    m_answerTimer.stop();
    if (m_letter.isNull())
        return;
    m_answers = m_brain.answerRound(m_letter,
                                    QStringList(round.categories.begin(), round.categories.end()));
    // Like a person who presses Done: the answers go once this player is done typing.
    m_answerTimer.start(realMs(m_brain.answersDoneMs(m_turnTime)));
}

void BotPlayer::votingStarted(const CategoryVote &vote)
{
    m_voteTimer.stop();
    if (m_letter.isNull() || m_game.isWatching(m_game.ownSeat()))
        return;
    QList<OfferedAnswer> offered;
    for (const VoteAnswer &answer : vote.answers)
        offered.append({answer.seat, answer.answer, answer.duplicate});
    const int own = m_game.ownSeat();
    m_votesAgainst = m_game.isAllScoring();
    if (m_votesAgainst) {
        m_seatsToVote = m_brain.seatsToDecline(own, m_letter, vote.category, offered);
    } else {
        const int favoured = m_brain.seatToFavour(own, m_letter, vote.category, offered);
        m_seatsToVote = favoured > 0 ? QList<int> {favoured} : QList<int> {};
    }
    // Done with the category after a look at it, also with nothing to vote for.
    m_voteTimer.start(realMs(m_brain.voteDelay(int(offered.size()))));
}

void BotPlayer::gameWon(const QString &winner)
{
    m_answerTimer.stop();
    m_voteTimer.stop();
    m_letter = QChar();
    say(m_chat.gameEnded(gameNowMs(), winner == m_connection.playerName()));
}

void BotPlayer::sendAnswers()
{
    m_answerTimer.stop();
    if (!m_game.isWatching(m_game.ownSeat())) {
        m_game.finishAnswers(m_answers);
        // Past this client's own clock (a turn time it did not hear) the
        // answers still go, without the word that it is done.
        if (!m_game.answersFinished())
            m_game.sendAnswers(m_answers);
    }
}

void BotPlayer::sendVote()
{
    m_voteTimer.stop();
    for (const int seat : std::as_const(m_seatsToVote)) {
        // The host may have moved this player since the answers were looked at.
        if (seat == m_game.ownSeat())
            continue;
        if (m_votesAgainst)
            m_game.voteAgainst(seat);
        else
            m_game.voteFor(seat);
    }
    m_seatsToVote.clear();
    m_game.finishVote();
}

void BotPlayer::heard(const ChatLine &line)
{
    static const QString Chats = QStringLiteral(" chats: ");
    const qsizetype at = line.text.indexOf(Chats);
    if (line.style == m_game.ownSeat() || at < 0)
        return;
    say(m_chat.heard(gameNowMs(), m_connection.playerName(), line.text.mid(at + Chats.size())));
}

void BotPlayer::say(const QString &line)
{
    if (line.isEmpty())
        return;
    QTimer::singleShot(realMs(m_chat.pauseMs()), this,
                       [this, line] { m_game.say(line, m_colour); });
}
