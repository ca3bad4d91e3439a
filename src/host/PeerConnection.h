// One peer's connection to the host: its transport, the framing of what
// arrives, the clock it has to sign in and what it said it is. The game
// record of the seat it holds is a Seat; a connection moves between seats,
// a record never does.
#pragma once

#include "host/ChatGuard.h"
#include "host/Transport.h"
#include "protocol/Framing.h"
#include "protocol/Messages.h"

#include <QStringList>

#include <memory>

struct PeerConnection
{
    PeerConnection(quint64 id, std::unique_ptr<Transport> transport)
        : id(id), transport(std::move(transport))
    { }

    bool understands(const char *word) const
    {
        return announced && capabilities.contains(QLatin1String(word));
    }

    // Tells this connection from earlier and later ones on the same seat.
    const quint64 id;
    const std::unique_ptr<Transport> transport;
    // Bytes that do not yet form a whole message.
    Protocol::FrameSplitter splitter;
    // Game seconds left to sign in; 0 when no limit runs for the connection.
    int signInSecondsLeft = 0;
    // What the peer said it is ("CMD_peerinfo"). A peer that never says so
    // follows the first protocol and gets none of its additions.
    bool announced = false;
    Protocol::PeerKind kind = Protocol::PeerKind::Person;
    QStringList capabilities;
    // The pace of its chat, action and sound lines.
    ChatRate chatRate;
    // The token the peer presented ("CMD_resume") before it signs in.
    QString presentedToken;
};
