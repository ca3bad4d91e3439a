// The round flow of the client: game start, round start, the clock with the
// answers sent at its time-out, round end, the late join and kept answers.
#include "clientcore/ClientGame.h"

#include "clientcore/HostConnection.h"
#include "protocol/Messages.h"

using Protocol::Phase;

namespace {

// Ticks: every second from LastTicksEntry down while typing, below
// LastTicksVoting while voting, and at two early marks.
constexpr int LastTicksEntry = 10;
constexpr int LastTicksVoting = 5;
constexpr int EarlyTickA = 20;
constexpr int EarlyTickB = 15;

} // namespace

void ClientGame::registerGameMessages()
{
    auto on = [this](const char *name, auto handler) {
        m_connection.on(QLatin1String(name),
                        [this, handler](const QString &argument, int) { handler(argument); });
    };
    on("CMD_startgame", [this](const QString &argument) { startGame(argument); });
    on("CMD_winner", [this](const QString &argument) { announceWinner(argument); });
    on("CMD_startround", [this](const QString &argument) { startRound(argument); });
    on("CMD_endround", [this](const QString &) { endRound(); });
    on("CMD_showcat", [this](const QString &argument) { showCategory(argument); });
    on("CMD_postscores", [this](const QString &argument) { postScores(argument); });
    on("CMD_noanswers", [this](const QString &argument) { showNoAnswers(argument); });
    on("CMD_roundover", [this](const QString &) { endRoundResults(); });
    on("CMD_gamestats", [this](const QString &argument) { applySnapshot(argument); });
    on("CMD_oneanswer", [this](const QString &argument) { showOneAnswer(argument); });
    on("CMD_tiegame", [this](const QString &) { emit tieGame(); });
    on("CMD_keptanswers", [this](const QString &argument) { keepAnswers(argument); });
    on("CMD_playerdone", [this](const QString &argument) {
        if (const auto done = Protocol::Read::playerdone(argument))
            m_seats.setDone(done->seat, true);
    });
}

QString ClientGame::cleanAnswer(const QString &typed)
{
    QString clean = typed;
    clean.replace(QLatin1Char('+'), QLatin1Char(' '));
    clean.replace(QChar(0x00FF), QLatin1Char('y'));
    return clean.trimmed();
}

void ClientGame::typeAnswers(const QStringList &answers)
{
    m_typed = answers;
    m_typed.resize(CategoryCount);
    QStringList clean;
    for (const QString &answer : std::as_const(m_typed))
        clean.append(cleanAnswer(answer));
    m_drafts.typed(clean);
}

void ClientGame::sendAnswers(const QStringList &answers)
{
    // The answers replace any draft at the host.
    m_drafts.stop();
    if (!ownSeatPlays())
        return;
    QStringList clean;
    for (const QString &answer : answers)
        clean.append(cleanAnswer(answer));
    m_connection.send(Protocol::Msg::myanswers(ownSeat(), clean));
}

void ClientGame::finishAnswers()
{
    finishAnswers(m_typed);
}

void ClientGame::finishAnswers(const QStringList &answers)
{
    if (m_phase != Phase::Answering || m_answersFinished || !ownSeatPlays()
        || isWatching(ownSeat()))
        return;
    sendAnswers(answers);
    m_connection.send(Protocol::Msg::done(ownSeat(), Protocol::DoneWith::Answers));
    m_answersFinished = true;
    emit finishedChanged();
    emit cue(QStringLiteral("submit"));
}

void ClientGame::beginDone(bool answersFinished, bool voteFinished)
{
    m_seats.clearDone();
    m_answersFinished = answersFinished;
    m_voteFinished = voteFinished;
    emit finishedChanged();
}

void ClientGame::setRunning(bool running)
{
    if (m_running == running)
        return;
    m_running = running;
    emit runningChanged(running);
}

void ClientGame::startGame(const QString &argument)
{
    // A start during a game ends it for everybody: every player reads who did it.
    const QString starter = Protocol::Read::starter(argument);
    emit statusLine(m_running
                        ? starter + QStringLiteral(" has restarted the game; scores are back to 0.")
                        : starter + QStringLiteral(" has started a game."));
    const std::optional<GameStart> start = Protocol::Read::startgame(argument);
    if (!start)
        return;
    m_options = *start;
    m_seats.clearScores();
    m_rows = {};
    m_round = {};
    m_round.roundNumber = QStringLiteral("1");
    setRunning(true);
    emit gameStarted(*start);
}

void ClientGame::startRound(const QString &argument)
{
    const std::optional<RoundStart> round = Protocol::Read::startround(argument);
    if (!round)
        return;
    m_round = *round;
    m_typed = QStringList(CategoryCount);
    m_seats.clearBonuses();
    setRunning(true);
    m_phase = Phase::Answering;
    beginDone(false, true);
    m_drafts.startRound(m_connection.secondMs());
    startClock(m_options.turnTime);
    emit roundStarted(*round);
    emit cue(QStringLiteral("submit"));
}

void ClientGame::startClock(int seconds)
{
    m_clock.setInterval(m_connection.secondMs());
    m_countdown = seconds;
    m_clock.start();
}

void ClientGame::clockTick()
{
    --m_countdown;
    if (m_countdown >= 1) {
        const bool tick = m_countdown == EarlyTickA || m_countdown == EarlyTickB
            || (m_phase == Phase::Answering ? m_countdown <= LastTicksEntry
                                            : m_countdown < LastTicksVoting);
        if (tick)
            emit cue(QStringLiteral("tick"));
        emit clockTicked(m_countdown);
        return;
    }
    m_countdown = 0;
    m_clock.stop();
    emit clockTicked(0);
    if (m_phase != Phase::Answering)
        return;
    m_phase = Phase::Idle;
    m_drafts.stop();
    // A player who switched to watching sits this round out; answers sent
    // with Done stand.
    if (m_sendsAtTimeUp && ownSeatPlays() && !isWatching(ownSeat()) && !m_answersFinished) {
        sendAnswers(m_typed);
        emit cue(QStringLiteral("submit"));
    }
    emit answerTimeUp();
}

void ClientGame::endRound()
{
    m_drafts.stop();
    m_seats.clearDone();
    emit answeringEnded();
    emit cue(QStringLiteral("timeup"));
}

void ClientGame::keepAnswers(const QString &argument)
{
    // Back in its seat after a drop: what the player had sent fills the boxes
    // still empty, so its time-out does not send blanks.
    const std::optional<KeptAnswers> kept = Protocol::Read::keptanswers(argument);
    if (!kept || kept->seat != ownSeat())
        return;
    for (int n = 0; n < CategoryCount; ++n) {
        if (m_typed[n].isEmpty())
            m_typed[n] = kept->answers[std::size_t(n)];
    }
    emit answersKept(*kept);
}

void ClientGame::applySnapshot(const QString &argument)
{
    // The whole snapshot is read before anything changes: one that does not
    // read leaves the state as it was.
    const std::optional<GameSnapshot> snapshot = Protocol::Read::gamestats(argument);
    if (!snapshot || snapshot->seat != ownSeat())
        return;
    for (int n = 1; n <= SeatCount; ++n) {
        if (const auto &score = snapshot->scores[std::size_t(n - 1)])
            m_seats.setScore(n, *score);
        if (const auto &category = snapshot->categories[std::size_t(n - 1)])
            m_round.categories[std::size_t(n - 1)] = *category;
    }
    m_options.rounds = snapshot->rounds;
    m_options.turnTime = snapshot->turnTime;
    if (snapshot->gameType)
        m_options.gameType = *snapshot->gameType;
    m_round.roundNumber = snapshot->roundNumber;
    m_round.letterIndex = snapshot->letterIndex;
    setRunning(true);

    const bool timeToAnswer = snapshot->secondsLeft > LateJoinMinSeconds;
    m_phase = Phase(snapshot->phase);
    if (timeToAnswer)
        startClock(snapshot->secondsLeft);
    else
        m_countdown = snapshot->secondsLeft;
    const bool canAnswer = timeToAnswer && m_phase == Phase::Answering;
    beginDone(!canAnswer, true);
    if (canAnswer) {
        // Back on the same window after a break: the host hears what is in
        // the boxes, which may have changed while the line was down.
        m_drafts.startRound(m_connection.secondMs());
        typeAnswers(m_typed);
    } else if (m_phase == Phase::Answering) {
        // Too late to answer: this player sits the entry out, sends nothing
        // and hears no answer-time ticks.
        m_phase = Phase::Idle;
    }
    emit lateJoined(canAnswer);
}
