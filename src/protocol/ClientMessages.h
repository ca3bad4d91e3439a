// What clients send, read into values: one reader beside each builder of
// Messages.h for the client's side. A reader returns nothing when a field the
// message cannot do without does not read; whether the sender may say it is
// the host's business.
#pragma once

#include "protocol/Messages.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace Protocol::FromClient {

// "CMD_peerinfo": who the peer on the seat is and the additions it understands.
struct PeerInfo
{
    int seat = 0;
    PeerKind kind = PeerKind::Person;
    QStringList words;
};

// A kind other than "person" or "computer" does not read; words after a
// further "+" are left for later versions.
std::optional<PeerInfo> peerinfo(const QString &argument);

} // namespace Protocol::FromClient
