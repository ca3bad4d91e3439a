#include "protocol/LanDiscovery.h"

#include "protocol/GameFacts.h"

#include <QList>

#include <algorithm>
#include <cctype>

namespace LanDiscovery {

namespace {

const QByteArray ProbeLine = QByteArrayLiteral("LEXIBURST-PROBE 1\n");
const QByteArray AnswerLine = QByteArrayLiteral("LEXIBURST-GAME 1\n");
constexpr int MaxIdLength = 32;
constexpr int MaxVersionLength = 16;

// Latin-1 without line breaks or other control characters, cut to `length`.
QByteArray field(const QString &text, int length)
{
    QByteArray bytes = text.left(length).toLatin1();
    for (char &c : bytes)
        if (uchar(c) < 0x20 || uchar(c) == 0x7F)
            c = ' ';
    return bytes;
}

std::optional<int> number(const QByteArray &text, int maximum)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < 0 || value > maximum || text.startsWith('+'))
        return std::nullopt;
    return value;
}

bool isHexId(const QByteArray &text)
{
    if (text.isEmpty() || text.size() > MaxIdLength)
        return false;
    for (const char c : text)
        if (!std::isxdigit(uchar(c)))
            return false;
    return true;
}

} // namespace

QByteArray probe()
{
    QByteArray bytes = ProbeLine;
    bytes.append(ProbeSize - bytes.size(), '\0');
    return bytes;
}

bool isProbe(const QByteArray &datagram)
{
    return datagram.size() >= ProbeSize && datagram.size() <= MaxProbeSize
        && datagram.startsWith(ProbeLine);
}

QByteArray answer(const GameOnLan &game)
{
    QByteArray bytes = AnswerLine;
    bytes += "id=" + field(game.id, MaxIdLength) + '\n';
    bytes += "seats=" + QByteArray::number(game.seatsTaken) + '/'
        + QByteArray::number(game.seatsFree) + '\n';
    bytes += "running=" + QByteArray(game.running ? "1" : "0") + '\n';
    bytes += "port=" + QByteArray::number(game.port) + '\n';
    bytes += "web=" + QByteArray::number(game.webPort) + '\n';
    bytes += "version=" + field(game.version, MaxVersionLength) + '\n';
    // The name last, so it alone is cut when room runs out.
    const qsizetype room = ProbeSize - bytes.size() - qsizetype(sizeof "name=\n") + 1;
    bytes += "name=" + field(game.name, int(std::min<qsizetype>(room, GameFacts::MaxNameLength)))
        + '\n';
    return bytes;
}

std::optional<GameOnLan> readAnswer(const QByteArray &datagram)
{
    if (datagram.size() > ProbeSize || !datagram.startsWith(AnswerLine) || !datagram.endsWith('\n'))
        return std::nullopt;
    GameOnLan game;
    const QList<QByteArray> lines = datagram.mid(AnswerLine.size()).chopped(1).split('\n');
    for (const QByteArray &line : lines) {
        const qsizetype equals = line.indexOf('=');
        if (equals <= 0)
            return std::nullopt;
        const QByteArray key = line.left(equals);
        const QByteArray value = line.mid(equals + 1);
        if (key == "id" && isHexId(value)) {
            game.id = QString::fromLatin1(value);
        } else if (key == "name") {
            game.name = QString::fromLatin1(value).trimmed();
        } else if (key == "seats") {
            const QList<QByteArray> parts = value.split('/');
            const auto taken = number(parts.value(0), GameFacts::SeatCount);
            const auto free = number(parts.value(1), GameFacts::SeatCount);
            if (parts.size() != 2 || !taken || !free)
                return std::nullopt;
            game.seatsTaken = *taken;
            game.seatsFree = *free;
        } else if (key == "running" && (value == "0" || value == "1")) {
            game.running = value == "1";
        } else if (key == "port" || key == "web") {
            const auto port = number(value, 0xFFFF);
            if (!port || (key == "port" && *port == 0))
                return std::nullopt;
            (key == "port" ? game.port : game.webPort) = quint16(*port);
        } else if (key == "version" && !value.isEmpty() && value.size() <= MaxVersionLength) {
            game.version = QString::fromLatin1(value);
        } else {
            // Keys a later version adds are passed over; known ones must be well-formed.
            const bool known = QList<QByteArray> {"id", "running", "version"}.contains(key);
            if (known)
                return std::nullopt;
        }
    }
    if (game.id.isEmpty() || game.port == 0 || game.version.isEmpty())
        return std::nullopt;
    return game;
}

} // namespace LanDiscovery
