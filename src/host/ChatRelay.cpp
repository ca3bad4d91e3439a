#include "host/ChatRelay.h"

#include "protocol/ClientMessages.h"

void ChatRelay::chat(const QString &text, int origin)
{
    const auto line = Protocol::FromClient::chat(text);
    if (line && HostSeats::isSeatNumber(line->seat) && HostSeats::sentBy(line->seat, origin)
        && withinRate(origin))
        m_seats.sendToAll(Protocol::Msg::chatRelay(line->seat, m_seats[line->seat].loginName,
                                                   ChatGuard::capLine(line->text)));
}

void ChatRelay::action(const QString &text, int origin)
{
    const auto line = Protocol::FromClient::action(text);
    if (line && HostSeats::isSeatNumber(line->seat) && HostSeats::sentBy(line->seat, origin)
        && withinRate(origin))
        m_seats.sendToAll(Protocol::Msg::actionRelay(line->seat, m_seats[line->seat].loginName,
                                                     ChatGuard::capLine(line->text)));
}

void ChatRelay::playasound(const QString &text, int origin)
{
    const auto sound = Protocol::FromClient::playasound(text);
    if (sound && HostSeats::isSeatNumber(sound->seat) && HostSeats::sentBy(sound->seat, origin)
        && withinRate(origin))
        m_seats.sendToAll(
            Protocol::Msg::playasoundRelay(sound->seat, ChatGuard::capSound(sound->text)));
}

bool ChatRelay::withinRate(int origin)
{
    // A line injected in-process has no connection to pace.
    PeerConnection *c = m_seats.connection(origin);
    if (!c)
        return true;
    const qint64 now = m_now();
    if (c->chatRate.take(now))
        return true;
    if (c->chatRate.noticeDue(now) && c->understands(Protocol::Capability::Notice))
        m_seats.send(origin,
                     Protocol::Msg::notice(
                         QStringLiteral("You are chatting too fast: lines were not passed on.")));
    return false;
}
