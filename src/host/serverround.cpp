// The round clock: game start, round start, answers, end of the answer time
// and the timer that walks a round through its phases.
#include "host/serverform.h"
#include "protocol/ClientMessages.h"
#include "protocol/GameRandom.h"

namespace {

// Seconds the host waits beyond the players' answer time, so answers sent at
// each client's own time-out are in before the round ends.
constexpr int AnswerGraceSeconds = 4;
// Pause between the end of the answer time and the first category.
constexpr int EndRoundPauseSeconds = 3;

} // namespace

void TServer::startgame(const QString &text, int origin)
{
    // Only the leader starts a game.
    if (!fromLead(origin))
        return;
    Protocol::FromClient::GameStart start = Protocol::FromClient::startgame(text);
    // An answer time below one second would end every round at once; treat it
    // like a field that is no number.
    if (start.turnTime && *start.turnTime < 1)
        start.turnTime.reset();

    m_gameRunning = true;
    // Seats kept from a game this one replaces are free again.
    m_returns.releaseAll();
    m_duplicatesAllowed = start.duplicatesAllowed();
    m_turnTime = std::min(start.turnTime.value_or(DefaultTurnTime), MaxTurnTime);
    m_rounds = start.rounds.value_or(DefaultRounds);
    m_gameType = start.type();
    const QString &starter = start.starter;

    // The type and the duplicates rule go on as they were written.
    m_table.sendToAll(Protocol::Msg::startgameRelay(starter, m_rounds, m_turnTime, start.gameType,
                                                    start.duplicates));
    for (int n = 1; n <= Protocol::PlayingSeats; ++n) {
        Seat &s = m_seats[n];
        s.gameScore = 0;
        s.departed.clear();
        s.watching = false;
        s.tookPart = s.inUse;
        s.answersShown = 0;
    }
    emit gameStarted(starter, m_rounds, m_turnTime, allScoring(), m_duplicatesAllowed);
    m_draw.startGame();
    m_roundNumber = 0;
    startround();
}

void TServer::startround()
{
    ++m_roundNumber;
    if (m_roundNumber > m_rounds && checkforwin())
        return;

    // No category is on show while answers are typed, also when a new game
    // cut the last one short: a vote now must not land in the new round.
    m_currentCategory = 0;
    m_letterIndex = m_draw.drawLetter(m_random, Protocol::LetterCount);
    // Rounds draw from the whole master list, added categories included.
    const QStringList drawn
        = m_draw.drawCategories(m_random, m_listboxAll.all(), Protocol::CategoriesPerRound);
    for (int n = 1; n <= Protocol::CategoriesPerRound; ++n) {
        m_seats[n].clearRound();
        m_categories[n] = drawn.value(n - 1);
    }
    const QStringList categories = roundCategories();
    m_table.sendToAll(Protocol::Msg::startround(m_roundNumber, m_letterIndex, categories));
    emit roundStarted(m_roundNumber, QChar::fromLatin1(Protocol::Letters[m_letterIndex]),
                      categories);
    setPhase(Protocol::Phase::Answering, m_turnTime + AnswerGraceSeconds);
}

Seat *TServer::storeAnswers(const std::optional<Protocol::FromClient::Answers> &list, int origin,
                            bool draft)
{
    // The spectator seat does not play; seats below 1 name no one.
    if (!list || !isPlayingSeat(list->seat) || !sentBy(list->seat, origin))
        return nullptr;
    Seat &s = m_seats[list->seat];
    // Only typing counts for a draft: once the answers are in or the time is
    // up, a draft changes nothing.
    if (draft && (s.answersSent || m_phase != Protocol::Phase::Answering))
        return nullptr;
    Seat::PerCategory<QString> &stored = draft ? s.draft : s.answers;
    for (const auto &[category, answer] : list->answers) {
        // A player back from a drop may find its boxes empty: what it sent
        // before stands.
        if (!answer.isEmpty() || !s.returnedThisRound)
            stored[std::size_t(category)] = answer;
    }
    return &s;
}

void TServer::myanswers(const QString &text, int origin)
{
    if (Seat *s = storeAnswers(Protocol::FromClient::myanswers(text), origin, false))
        s->answersSent = true;
}

void TServer::draftanswers(const QString &text, int origin)
{
    storeAnswers(Protocol::FromClient::draftanswers(text), origin, true);
}

void TServer::endround()
{
    // A player who dropped out while typing, and did not come back in time to
    // send its answers, is scored on what it had typed.
    for (int n = 1; n <= Protocol::PlayingSeats; ++n) {
        Seat &s = m_seats[n];
        if (!s.answersSent)
            s.answers = s.draft;
    }
    clearDone();
    m_table.sendToAll(Protocol::Msg::endround());
    m_currentCategory = 0;
    setPhase(Protocol::Phase::NextCategory, EndRoundPauseSeconds);
}

void TServer::done(const QString &text, int origin)
{
    const auto said = Protocol::FromClient::done(text);
    if (!said || !isPlayingSeat(said->seat) || !sentBy(said->seat, origin))
        return;
    // Done with the answers counts while they are typed, with the vote while a
    // category is on show; a late word is about a time already over.
    const bool now = said->what == Protocol::DoneWith::Answers
        ? m_phase == Protocol::Phase::Answering
        : m_phase == Protocol::Phase::Voting && categoryOnShow();
    if (now)
        markDone(said->seat, said->what);
}

void TServer::markDone(int seat, Protocol::DoneWith what)
{
    Seat &s = m_seats[seat];
    if (s.done || !s.signedIn || s.watching)
        return;
    s.done = true;
    m_table.sendToAllWho(Protocol::Capability::Done, Protocol::Msg::playerdone(seat, what));
    moveOnWhenAllDone();
}

void TServer::moveOnWhenAllDone()
{
    const bool answering = m_phase == Protocol::Phase::Answering;
    const bool voting = m_phase == Protocol::Phase::Voting && categoryOnShow();
    if (!m_timer1.isActive() || !(answering || voting) || !everyPlayerIsOurs())
        return;
    if (!m_table.everyPlayerDone())
        return;
    if (answering)
        endround();
    else if (m_countdown > DoneVotingSeconds)
        setPhase(Protocol::Phase::Voting, DoneVotingSeconds);
}

void TServer::clearDone()
{
    for (Seat &s : m_seats)
        s.done = false;
}

void TServer::setPhase(Protocol::Phase phase, int countdown)
{
    // Restarting the timer starts a full second for the new countdown.
    m_timer1.stop();
    m_phase = phase;
    m_countdown = countdown;
    m_timer1.start();
}

void TServer::timer1Timer()
{
    if (!m_timer1.isActive())
        return;
    if (--m_countdown >= 1)
        return;
    m_timer1.stop();
    switch (m_phase) {
    case Protocol::Phase::Answering:
        endround();
        break;
    case Protocol::Phase::NextCategory:
    case Protocol::Phase::NoAnswers:
        showcats();
        break;
    case Protocol::Phase::RoundSummary:
        startround();
        break;
    case Protocol::Phase::Voting:
        postscores();
        break;
    case Protocol::Phase::Idle:
        break;
    }
}
