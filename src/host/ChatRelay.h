// Chat, action and sound lines, relayed to every seat: each line cut to its
// length and each connection held to its pace (see ChatGuard).
#pragma once

#include "host/HostSeats.h"

#include <functional>

class ChatRelay
{
public:
    // Milliseconds of a steady clock, for the pace of lines.
    using Clock = std::function<qint64()>;

    ChatRelay(const HostSeats &seats, Clock now) : m_seats(seats), m_now(std::move(now)) { }

    // The handlers of "CMD_chat", "CMD_action" and "CMD_playasound".
    void chat(const QString &text, int origin);
    void action(const QString &text, int origin);
    void playasound(const QString &text, int origin);

private:
    // Whether a line from the connection fits its rate; the sender of one
    // that does not is told now and then.
    bool withinRate(int origin);

    const HostSeats &m_seats;
    Clock m_now;
};
