// Finding games on the local network: a client sends a padded probe by UDP to
// the game port of every machine it can reach by broadcast or multicast, and
// each host answers with a short description of its game. Both are text lines
// in Latin-1; anything not well-formed is ignored.
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace LanDiscovery {

// A probe is padded to this many bytes, so an answer never carries more bytes
// than the probe that asked for it: the host cannot be used to amplify a flood.
inline constexpr int ProbeSize = 256;
// Longer datagrams are no probes.
inline constexpr int MaxProbeSize = 1024;

struct GameOnLan
{
    QString id; // the host's own, chosen once when it starts: hex digits
    QString name; // the leader's name, or the name the host was given
    int seatsTaken = 0;
    int seatsFree = 0;
    bool running = false;
    quint16 port = 0; // the game port
    quint16 webPort = 0; // 0 when the host serves no web page
    QString version;
    QString address; // where the answer came from; not sent

    bool operator==(const GameOnLan &) const = default;
};

QByteArray probe();
bool isProbe(const QByteArray &datagram);
// At most ProbeSize bytes: a long name is cut.
QByteArray answer(const GameOnLan &game);
std::optional<GameOnLan> readAnswer(const QByteArray &datagram);

} // namespace LanDiscovery
