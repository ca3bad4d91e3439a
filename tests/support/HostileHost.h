// A hostile host for the client's fuzz tests and bench: the client's real
// commands with fields chosen to hurt (huge, negative, empty, no number, list
// marks out of place, markup, long texts), drawn from a seeded generator.
#pragma once

#include "protocol/Dispatcher.h"
#include "protocol/GameRandom.h"

#include <QByteArray>

// Writes what a hostile host might: the client's real commands with fields
// chosen to hurt.
class HostileHost
{
public:
    explicit HostileHost(quint32 seed) : m_pick(seed) { }

    QByteArray message()
    {
        const QStringList &names = Protocol::clientCommands();
        QByteArray m = names[m_pick.bounded(int(names.size()))].toLatin1();
        const int fields = m_pick.bounded(m_pick.bounded(8) == 0 ? 60 : 12);
        for (int n = 0; n < fields; ++n)
            m += '+' + field();
        return m + '\xFF';
    }

    // A burst of chat lines as a flooding player or host sends them: long
    // texts in changing colours, with smiley codes, links and bars.
    QByteArray chatFlood(int lines)
    {
        static const char *const colours[] = {"clRed", "clBlue", "$00FF00FF", "nope", ""};
        static const char *const pieces[] = {"w", "ww ", ":)#12", "www.x.y ", "http://z ", "|"};
        QByteArray flood;
        for (int n = 0; n < lines; ++n) {
            QByteArray text = "Cy chats: ";
            const int length = m_pick.bounded(m_pick.bounded(4) == 0 ? 60000 : 600);
            while (text.size() < length)
                text += pieces[m_pick.bounded(int(std::size(pieces)))];
            flood += "CMD_chat+" + QByteArray::number(m_pick.bounded(10)) + '+' + text + '|'
                + colours[m_pick.bounded(int(std::size(colours)))] + '\xFF';
        }
        return flood;
    }

private:
    QByteArray field()
    {
        static const QByteArray hostile[] = {"0",
                                             "1",
                                             "8",
                                             "9",
                                             "10",
                                             "-1",
                                             "2147483647",
                                             "-2147483648",
                                             "2147483648",
                                             "100000000",
                                             "99999999999999999999",
                                             "",
                                             "x",
                                             "@",
                                             "s",
                                             "c",
                                             "<b>Bob</b>",
                                             "|clRed",
                                             "$00FF0000"};
        switch (m_pick.bounded(4)) {
        case 0:
            return QByteArray::number(m_pick.bounded(12) - 1);
        case 1:
            return QByteArray(1 + m_pick.bounded(m_pick.bounded(50) == 0 ? 20000 : 40), 'W');
        default:
            return hostile[m_pick.bounded(int(std::size(hostile)))];
        }
    }

    GameRandom m_pick;
};
