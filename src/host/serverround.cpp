// The round clock: game start, round start, answers, end of the answer time
// and the timer that walks a round through its phases.
#include "host/serverform.h"
#include "protocol/FieldReader.h"
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
    Protocol::FieldReader reader(text);
    const QString starter = reader.takeText();
    const std::optional<int> rounds = reader.takeInt();
    std::optional<int> turnTime = reader.takeInt();
    const QString gameType = reader.takeText();
    const QString duplicates = reader.takeText();

    // An answer time below one second would end every round at once; treat it
    // like a field that is no number.
    if (turnTime && *turnTime < 1)
        turnTime.reset();

    m_gameRunning = true;
    // Seats kept from a game this one replaces are free again.
    m_kept.releaseAll();
    m_duplicatesAllowed = duplicates == QLatin1String("1");
    m_turnTime = std::min(turnTime.value_or(DefaultTurnTime), MaxTurnTime);
    m_rounds = rounds.value_or(DefaultRounds);
    m_gameType = gameType != QLatin1String("0");

    sendToAll(Protocol::Msg::startgameRelay(starter, m_rounds, m_turnTime, gameType, duplicates));
    for (int n = 1; n <= Protocol::PlayingSeats; ++n) {
        Seat &s = m_seats[n];
        s.gameScore = 0;
        s.watching = false;
        s.tookPart = s.inUse;
        s.answersShown = 0;
    }
    emit gameStarted(starter, m_rounds, m_turnTime, m_gameType, m_duplicatesAllowed);
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
    m_letterIndex = m_random.bounded(Protocol::LetterCount);
    // Every round draws from the whole master list, added categories included.
    QStringList pile = m_listboxAll.all();
    for (int n = 1; n <= Protocol::CategoriesPerRound; ++n) {
        m_seats[n].clearRound();
        m_categories[n]
            = pile.isEmpty() ? QString() : pile.takeAt(m_random.bounded(int(pile.size())));
    }
    const QStringList categories = roundCategories();
    sendToAll(Protocol::Msg::startround(m_roundNumber, m_letterIndex, categories));
    emit roundStarted(m_roundNumber, QChar::fromLatin1(Protocol::Letters[m_letterIndex]),
                      categories);
    setPhase(PhaseAnswering, m_turnTime + AnswerGraceSeconds);
}

namespace {

// Reads the category and answer pairs of an answer list into `stored`.
void readAnswers(Protocol::FieldReader &reader, bool keepSentBefore,
                 Seat::PerCategory<QString> &stored)
{
    reader.beginList();
    while (reader.nextGroup()) {
        const auto category = reader.takeInt();
        if (!category)
            return; // the answers before it stay stored
        // A last pair cut short before its answer leaves only the list's end
        // mark, which is no answer: the answer is empty.
        const QString answer = reader.nextGroup() ? reader.takeText() : QString();
        if (*category < 1 || *category > Protocol::CategoriesPerRound)
            continue;
        // A player back from a drop may find its boxes empty: what it sent
        // before stands.
        if (!answer.isEmpty() || !keepSentBefore)
            stored[std::size_t(*category)] = answer;
    }
}

} // namespace

Seat *TServer::answeringSeat(Protocol::FieldReader &reader, int origin)
{
    const auto seat = reader.takeInt();
    // The spectator seat does not play; seats below 1 name no one.
    if (!seat || !isPlayingSeat(*seat) || !sentBy(*seat, origin))
        return nullptr;
    return &m_seats[*seat];
}

void TServer::myanswers(const QString &text, int origin)
{
    Protocol::FieldReader reader(text);
    Seat *s = answeringSeat(reader, origin);
    if (!s)
        return;
    s->answersSent = true;
    readAnswers(reader, s->returnedThisRound, s->answers);
}

void TServer::draftanswers(const QString &text, int origin)
{
    Protocol::FieldReader reader(text);
    Seat *s = answeringSeat(reader, origin);
    // Only typing counts: once the answers are in or the time is up, a draft
    // changes nothing.
    if (!s || s->answersSent || m_phase != PhaseAnswering)
        return;
    readAnswers(reader, s->returnedThisRound, s->draft);
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
    sendToAll(Protocol::Msg::endround());
    m_currentCategory = 0;
    setPhase(PhaseNextCategory, EndRoundPauseSeconds);
}

void TServer::setPhase(Phase phase, int countdown)
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
    case PhaseAnswering:
        endround();
        break;
    case PhaseNextCategory:
    case PhaseNoAnswers:
        showcats();
        break;
    case PhaseRoundSummary:
        startround();
        break;
    case PhaseVoting:
        postscores();
        break;
    default:
        break;
    }
}
