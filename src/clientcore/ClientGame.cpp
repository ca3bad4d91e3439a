#include "clientcore/ClientGame.h"

#include "clientcore/HostConnection.h"
#include "protocol/FieldReader.h"
#include "protocol/Messages.h"

namespace {

// The host's phase while answers are typed.
constexpr int AnsweringPhase = 1;

bool isSeat(int n)
{
    return n >= 1 && n <= GameFacts::SeatCount;
}

} // namespace

ClientGame::ClientGame(HostConnection &connection, QObject *parent)
    : QObject(parent), m_connection(connection), m_drafts([this](const QStringList &answers) {
          if (!m_connection.isSignedIn() || !isSeat(ownSeat()))
              return false;
          m_connection.send(Protocol::Msg::draftanswers(ownSeat(), answers));
          return true;
      })
{
    using Handler = void (ClientGame::*)(const QString &);
    auto route = [this](const char *name, Handler handler) {
        m_connection.on(QLatin1String(name), [this, handler](const QString &argument, int) {
            (this->*handler)(argument);
        });
    };
    auto signal = [this](const char *name, auto emitter) {
        m_connection.on(QLatin1String(name),
                        [this, emitter](const QString &argument, int) { emitter(this, argument); });
    };
    // In the order the dispatcher tests the names; "CMD_sendlogininfo" is the connection's.
    signal("CMD_chat", [](ClientGame *game, const QString &argument) {
        if (const auto line = ChatLine::fromChat(argument))
            emit game->chatLine(*line);
    });
    signal("CMD_action", [](ClientGame *game, const QString &argument) {
        if (const auto line = ChatLine::fromChat(argument))
            emit game->chatLine(*line);
    });
    route("CMD_playasound", &ClientGame::ignore);
    route("CMD_newplayerinfo", &ClientGame::arrived);
    route("CMD_havewrongversion", &ClientGame::ignore);
    route("CMD_wrongversion", &ClientGame::ignore);
    route("CMD_existingplayers", &ClientGame::arrived);
    route("CMD_playerdisconnected", &ClientGame::left);
    signal("CMD_full", [](ClientGame *game, const QString &) { emit game->refused(); });
    route("CMD_justwatching", &ClientGame::watching);
    signal("CMD_startgame", [](ClientGame *game, const QString &argument) {
        if (const auto start = GameMessages::gameStart(argument)) {
            game->m_gameType = start->gameType;
            emit game->gameStarted(*start);
        }
    });
    signal("CMD_winner", [](ClientGame *game, const QString &argument) {
        QString name = argument;
        if (name.endsWith(u'+'))
            name.chop(1);
        emit game->gameWon(name);
    });
    signal("CMD_startround", [](ClientGame *game, const QString &argument) {
        if (const auto round = GameMessages::roundStart(argument)) {
            game->m_round = *round;
            game->m_drafts.startRound(game->m_connection.secondMs());
            emit game->roundStarted(*round);
        }
    });
    signal("CMD_endround", [](ClientGame *game, const QString &) {
        game->m_drafts.stop();
        emit game->answeringEnded();
    });
    signal("CMD_showcat", [](ClientGame *game, const QString &argument) {
        if (const auto vote = GameMessages::categoryVote(argument))
            emit game->votingStarted(*vote);
    });
    route("CMD_postscores", &ClientGame::ignore);
    route("CMD_noanswers", &ClientGame::ignore);
    signal("CMD_roundover", [](ClientGame *game, const QString &) { emit game->roundOver(); });
    signal("CMD_gamestats", [](ClientGame *game, const QString &argument) {
        // Back during the answer time: what the player types now counts.
        const auto snapshot = GameMessages::gameSnapshot(argument);
        if (snapshot && snapshot->seat == game->ownSeat() && snapshot->phase == AnsweringPhase)
            game->m_drafts.startRound(game->m_connection.secondMs());
    });
    route("CMD_oneanswer", &ClientGame::ignore);
    signal("CMD_tiegame", [](ClientGame *game, const QString &) { emit game->tieGame(); });
    signal("CMD_keptanswers", [](ClientGame *game, const QString &argument) {
        const auto kept = GameMessages::keptAnswers(argument);
        if (kept && kept->seat == game->ownSeat())
            emit game->answersKept(*kept);
    });
    Q_ASSERT(m_connection.commandNames() == Protocol::clientCommands());
    connect(&m_connection, &HostConnection::playerBack, this,
            [this](int seat, const QString &name) {
                if (isSeat(seat))
                    m_names[std::size_t(seat - 1)] = name;
                emit playerArrived(seat, name);
            });
}

int ClientGame::ownSeat() const
{
    return m_connection.ownSeat();
}

QString ClientGame::seatName(int seat) const
{
    return isSeat(seat) ? m_names[std::size_t(seat - 1)] : QString();
}

bool ClientGame::isWatching(int seat) const
{
    return isSeat(seat) && m_watching[std::size_t(seat - 1)];
}

void ClientGame::sendAnswers(const QStringList &answers)
{
    m_drafts.stop();
    if (m_connection.isSignedIn() && isSeat(ownSeat()))
        m_connection.send(Protocol::Msg::myanswers(ownSeat(), answers));
}

void ClientGame::voteFor(int seat)
{
    if (m_connection.isSignedIn() && isSeat(ownSeat()))
        m_connection.send(Protocol::Msg::votefor(ownSeat(), seat));
}

void ClientGame::voteAgainst(int seat)
{
    if (m_connection.isSignedIn() && isSeat(ownSeat()))
        m_connection.send(Protocol::Msg::voteagainst(ownSeat(), seat));
}

void ClientGame::say(const QString &text, const QString &colourText)
{
    if (m_connection.isSignedIn())
        m_connection.send(Protocol::Msg::chat(ownSeat(), text, colourText));
}

void ClientGame::act(const QString &text, const QString &colourText)
{
    if (m_connection.isSignedIn())
        m_connection.send(Protocol::Msg::action(ownSeat(), text, colourText));
}

void ClientGame::watch(bool watching)
{
    if (m_connection.isSignedIn() && isSeat(ownSeat()))
        m_connection.send(Protocol::Msg::justwatch(ownSeat(), watching));
}

void ClientGame::arrived(const QString &argument)
{
    Protocol::FieldReader fields(argument);
    const std::optional<int> seat = fields.takeInt();
    if (!seat)
        return;
    // The rest as it stands is the name, "+" included.
    const QString name = argument.mid(argument.indexOf(u'+') + 1);
    if (isSeat(*seat))
        m_names[std::size_t(*seat - 1)] = name;
    emit playerArrived(*seat, name);
}

void ClientGame::left(const QString &argument)
{
    Protocol::FieldReader fields(argument);
    const std::optional<int> seat = fields.takeInt();
    if (!seat)
        return;
    if (isSeat(*seat)) {
        m_names[std::size_t(*seat - 1)].clear();
        m_watching[std::size_t(*seat - 1)] = false;
    }
    emit playerLeft(*seat, argument.mid(argument.indexOf(u'+') + 1));
}

void ClientGame::watching(const QString &argument)
{
    Protocol::FieldReader fields(argument);
    const std::optional<int> seat = fields.takeInt();
    if (!seat || !isSeat(*seat))
        return;
    const bool watches = fields.rest() == QLatin1String("1");
    m_watching[std::size_t(*seat - 1)] = watches;
    emit watchingChanged(*seat, watches);
}

void ClientGame::ignore(const QString &)
{
    // Shown by the main window only; a player without a display has no use for it.
}
