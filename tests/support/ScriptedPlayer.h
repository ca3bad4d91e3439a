// A player of the first protocol on a raw socket: signs in as written, answers
// every round, votes for a fixed seat and ignores every command it does not know.
#pragma once

#include "protocol/Framing.h"
#include "protocol/Messages.h"

#include <QHostAddress>
#include <QObject>
#include <QStringList>
#include <QTcpSocket>

#include <algorithm>

class ScriptedPlayer : public QObject
{
public:
    ScriptedPlayer(const QString &name, quint16 port, int voteFor = 0)
        : m_name(name), m_voteFor(voteFor)
    {
        connect(&socket, &QTcpSocket::readyRead, this, [this] {
            for (const QByteArray &m : m_splitter.feed(socket.readAll())) {
                if (!m.isEmpty())
                    handle(QString::fromLatin1(m));
            }
        });
        socket.connectToHost(QHostAddress::LocalHost, port);
    }

    bool saw(const QString &prefix) const
    {
        return std::any_of(received.begin(), received.end(),
                           [&](const QString &m) { return m.startsWith(prefix); });
    }

    QTcpSocket socket;
    QStringList received;
    int seat = 0;
    QStringList answers;

private:
    void handle(const QString &message)
    {
        received.append(message);
        const QString argument = message.section(u'+', 1);
        if (message.startsWith(QLatin1String("CMD_sendlogininfo+"))) {
            seat = argument.toInt();
            socket.write(
                Protocol::Msg::logininfo(seat, QString::fromLatin1(Protocol::Version), m_name));
        } else if (message.startsWith(QLatin1String("CMD_startround+"))) {
            socket.write(Protocol::Msg::myanswers(seat, answers));
        } else if (message.startsWith(QLatin1String("CMD_showcat+")) && m_voteFor != 0) {
            socket.write(Protocol::Msg::votefor(seat, m_voteFor));
        }
    }

    QString m_name;
    int m_voteFor;
    Protocol::FrameSplitter m_splitter;
};
