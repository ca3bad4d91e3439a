#include "clientcore/ClientGame.h"

#include "clientcore/HostConnection.h"
#include "protocol/ColourText.h"
#include "protocol/Dispatcher.h"
#include "protocol/Messages.h"

#include <QRandomGenerator>

using Protocol::isPlayingSeat;

ClientGame::ClientGame(HostConnection &connection, QObject *parent)
    : QObject(parent), m_connection(connection), m_typed(CategoryCount),
      m_drafts([this](const QStringList &answers) {
          if (!ownSeatPlays())
              return false;
          m_connection.send(Protocol::Msg::draftanswers(ownSeat(), answers));
          return true;
      }),
      m_random(QRandomGenerator::system()->generate())
{
    m_clock.setObjectName(QStringLiteral("turntime"));
    m_clock.setInterval(m_connection.secondMs());
    connect(&m_clock, &QTimer::timeout, this, &ClientGame::clockTick);
    registerSeatMessages();
    registerGameMessages();
    Q_ASSERT(m_connection.commandNames() == Protocol::clientCommands());
    connect(&m_connection, &HostConnection::playerBack, this,
            [this](int seat, const QString &name) {
                m_seats.seatPlayer(seat, name);
                emit playerArrived(seat, name);
            });
    // The connection says why in the chat.
    connect(&m_connection, &HostConnection::playerRemoved, this,
            [this](int seat, const QString &name) {
                if (isPlayingSeat(seat))
                    m_seats.freeSeat(seat);
                else if (m_spectators.remove(seat) > 0)
                    emit spectatorsChanged();
                emit playerLeft(seat, name);
            });
    connect(&m_connection, &HostConnection::playerAway, this,
            [this](int seat, const QString &name, int seconds) {
                m_seats.setAway(seat, name, seconds, m_connection.secondMs());
                emit playerLeft(seat, name);
            });
    connect(&m_connection, &HostConnection::seatTakenOver, this,
            [this](int seat, const QString &, int score) { m_seats.setScore(seat, score); });
}

void ClientGame::registerSeatMessages()
{
    auto on = [this](const char *name, auto handler) {
        m_connection.on(QLatin1String(name),
                        [this, handler](const QString &argument, int) { handler(argument); });
    };
    // In the order the dispatcher tests the names; "CMD_sendlogininfo" is the connection's.
    auto chat = [this](const QString &argument) {
        if (const auto line = ChatLine::fromChat(argument))
            emit chatLine(*line);
    };
    on("CMD_chat", chat);
    on("CMD_action", chat);
    on("CMD_playasound", [this](const QString &argument) {
        if (const auto played = Protocol::Read::playasound(argument))
            emit chatterSound(played->seat, played->sound);
    });
    on("CMD_newplayerinfo", [this](const QString &argument) { arrived(argument); });
    on("CMD_havewrongversion", [this](const QString &name) {
        emit statusLine(name + QStringLiteral(" has a different version of the game then you."));
    });
    on("CMD_wrongversion", [this](const QString &) {
        emit statusLine(QStringLiteral("You have a differnt version of the game then the host."));
    });
    on("CMD_existingplayers", [this](const QString &argument) { arrived(argument); });
    on("CMD_playerdisconnected", [this](const QString &argument) { left(argument); });
    on("CMD_full", [this](const QString &) { emit refused(); });
    on("CMD_justwatching", [this](const QString &argument) { watching(argument); });
}

int ClientGame::ownSeat() const
{
    return m_connection.ownSeat();
}

bool ClientGame::ownSeatPlays() const
{
    return m_connection.isSignedIn() && isPlayingSeat(ownSeat());
}

void ClientGame::arrived(const QString &argument)
{
    const auto player = Protocol::Read::seatAndName(argument);
    if (!player)
        return;
    const bool own = player->seat == ownSeat();
    emit statusLine(own ? QStringLiteral("You are Connected.")
                        : player->name + QStringLiteral(" is Connected."));
    if (own) {
        // The host changes a name another seat goes by, and cuts a long one.
        const QString typed = m_connection.playerName();
        if (!typed.isEmpty() && player->name != typed)
            emit statusLine(QStringLiteral("The name %1 was taken or too long: you play as %2.")
                                .arg(typed, player->name));
        emit joined();
    }
    if (isPlayingSeat(player->seat)) {
        m_seats.seatPlayer(player->seat, player->name);
    } else if (player->seat > SeatCount && player->seat <= Protocol::SpectatorSeat) {
        m_spectators.insert(player->seat, player->name);
        emit spectatorsChanged();
        emit statusLine(own ? QStringLiteral("You are spying.")
                            : player->name + QStringLiteral(" is spying."));
    }
    emit playerArrived(player->seat, player->name);
    emit cue(QStringLiteral("entered"));
}

void ClientGame::left(const QString &argument)
{
    const auto player = Protocol::Read::seatAndName(argument);
    if (!player)
        return;
    if (isPlayingSeat(player->seat)) {
        const QString leaving = m_seats.freeSeat(player->seat);
        if (!leaving.isEmpty())
            emit statusLine(leaving + QStringLiteral(" disconnected."));
    } else if (m_spectators.value(player->seat) == player->name
               && m_spectators.remove(player->seat) > 0) {
        emit spectatorsChanged();
        emit statusLine(player->name + QStringLiteral(" has left."));
    }
    emit playerLeft(player->seat, player->name);
}

void ClientGame::watching(const QString &argument)
{
    const auto watch = Protocol::Read::justwatching(argument);
    if (!watch || !isPlayingSeat(watch->seat))
        return;
    emit statusLine(m_seats.name(watch->seat)
                    + (watch->watching ? QStringLiteral(" is just watching")
                                       : QStringLiteral(" is now playing again")));
    m_seats.setWatching(watch->seat, watch->watching);
    if (watch->seat == ownSeat() && watch->watching && m_drafts.isActive()) {
        // Watching from now on: the host forgets what was typed, so nothing
        // of this round is scored for this player.
        m_drafts.typed(QStringList(CategoryCount));
        m_drafts.flush();
        m_drafts.stop();
    }
    emit watchingChanged(watch->seat, watch->watching);
}

void ClientGame::voteFor(int seat)
{
    if (ownSeatPlays())
        m_connection.send(Protocol::Msg::votefor(ownSeat(), seat));
}

void ClientGame::voteAgainst(int seat)
{
    if (ownSeatPlays())
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

bool ClientGame::chat(const QString &typed, Protocol::Rgb colour)
{
    if (!m_connection.isSignedIn())
        return false;
    const QString colourText = Protocol::colourToText(colour);
    if (!typed.isEmpty() && !typed.startsWith(u'/'))
        say(typed, colourText);
    else if (typed.startsWith(QLatin1String("/me")))
        act(typed.mid(4), colourText);
    return true;
}

void ClientGame::sayPhrase(const QString &phrase, Protocol::Rgb colour)
{
    act(phrase.startsWith(QLatin1String("/me ")) ? phrase.mid(4)
                                                 : QStringLiteral("says: ") + phrase,
        Protocol::colourToText(colour));
}

void ClientGame::playChatterSound(int tag)
{
    if (m_connection.isSignedIn())
        m_connection.send(Protocol::Msg::playasound(ownSeat(), tag));
}

void ClientGame::watch(bool watching)
{
    if (ownSeatPlays())
        m_connection.send(Protocol::Msg::justwatch(ownSeat(), watching));
}

void ClientGame::setToWatch(int seat, bool watching)
{
    if (m_connection.isSignedIn() && isPlayingSeat(seat))
        m_connection.send(Protocol::Msg::justwatch(seat, watching));
}

void ClientGame::remove(int seat)
{
    if (m_connection.isSignedIn() && m_connection.leadsGame())
        m_connection.send(Protocol::Msg::kickhim(ownSeat(), seat));
}
