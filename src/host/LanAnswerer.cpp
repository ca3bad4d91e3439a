#include "host/LanAnswerer.h"

#include "host/serverform.h"

#include <QElapsedTimer>
#include <QNetworkDatagram>
#include <QNetworkInterface>
#include <QUdpSocket>

#include <algorithm>

namespace {

// How long the list of interface addresses is trusted before it is read again.
constexpr qint64 InterfaceListMs = 5000;

qint64 steadyMs()
{
    static QElapsedTimer clock;
    if (!clock.isValid())
        clock.start();
    return clock.elapsed();
}

QHostAddress plain(const QHostAddress &address)
{
    bool isV4 = false;
    const quint32 v4 = address.toIPv4Address(&isV4);
    return isV4 ? QHostAddress(v4) : address;
}

} // namespace

LanAnswerer::LanAnswerer(Describe describe, QObject *parent)
    : QObject(parent), m_describe(std::move(describe)), m_clock(&steadyMs)
{ }

LanAnswerer::~LanAnswerer() = default;

bool LanAnswerer::start(quint16 port, const QHostAddress &address)
{
    stop();
    m_socket = new QUdpSocket(this);
    if (!m_socket->bind(address, port, QUdpSocket::DefaultForPlatform)) {
        m_errorString = m_socket->errorString();
        stop();
        return false;
    }
    m_errorString.clear();
    m_lastRefill = m_clock();
    connect(m_socket, &QUdpSocket::readyRead, this, &LanAnswerer::readPending);
    return true;
}

void LanAnswerer::stop()
{
    delete m_socket;
    m_socket = nullptr;
}

bool LanAnswerer::isRunning() const
{
    return m_socket != nullptr;
}

bool LanAnswerer::isLocal(const QHostAddress &sender, const QList<QNetworkAddressEntry> &entries)
{
    const QHostAddress address = plain(sender);
    if (address.isLoopback() || address.isLinkLocal())
        return true;
    return std::any_of(entries.cbegin(), entries.cend(), [&address](const auto &entry) {
        const QHostAddress own = plain(entry.ip());
        return own.protocol() == address.protocol() && entry.prefixLength() > 0
            && address.isInSubnet(own, entry.prefixLength());
    });
}

const QList<QNetworkAddressEntry> &LanAnswerer::interfaceEntries()
{
    const qint64 now = m_clock();
    if (m_entriesRead < 0 || now - m_entriesRead > InterfaceListMs) {
        m_entries.clear();
        for (const QNetworkInterface &interface : QNetworkInterface::allInterfaces())
            if (interface.flags().testFlag(QNetworkInterface::IsUp))
                m_entries += interface.addressEntries();
        m_entriesRead = now;
    }
    return m_entries;
}

bool LanAnswerer::takeToken()
{
    const qint64 now = m_clock();
    m_tokens = std::min<double>(
        AnswersPerSecond,
        m_tokens + double(std::max<qint64>(0, now - m_lastRefill)) * AnswersPerSecond / 1000);
    m_lastRefill = now;
    if (m_tokens < 1)
        return false;
    m_tokens -= 1;
    return true;
}

void LanAnswerer::readPending()
{
    while (m_socket && m_socket->hasPendingDatagrams()) {
        const QNetworkDatagram datagram = m_socket->receiveDatagram(LanDiscovery::MaxProbeSize + 1);
        ++m_seen;
        const QByteArray &bytes = datagram.data();
        if (!LanDiscovery::isProbe(bytes) || datagram.senderPort() <= 0)
            continue;
        if (!isLocal(datagram.senderAddress(), interfaceEntries()) || !takeToken())
            continue;
        const QByteArray reply = LanDiscovery::answer(m_describe());
        if (reply.size() > bytes.size())
            continue;
        // Not makeReply(): from the broadcast address a probe went to, the
        // answer would never leave.
        if (m_socket->writeDatagram(reply, datagram.senderAddress(), quint16(datagram.senderPort()))
            == reply.size())
            ++m_answered;
    }
}

HostBeacon::HostBeacon(TServer &server, QString id, QString name, QObject *parent)
    : QObject(parent), m_server(server), m_id(std::move(id)), m_name(std::move(name)),
      m_answerer([this] { return describe(); }, this)
{
    connect(&server, &TServer::listening, this, &HostBeacon::serverListening);
}

QString HostBeacon::newId(const std::function<int(int)> &bounded)
{
    QString id;
    for (int i = 0; i < 16; ++i)
        id += QString::number(bounded(16), 16);
    return id;
}

void HostBeacon::serverListening(quint16 port)
{
    const QString bind = m_server.bindAddress();
    const QHostAddress address
        = bind.isEmpty() ? QHostAddress(QHostAddress::Any) : QHostAddress(bind);
    m_problem.clear();
    if (!bind.isEmpty() && (address.isNull() || address.isLoopback())) {
        m_answerer.stop();
        return;
    }
    if (!m_answerer.start(port, address))
        m_problem = m_answerer.errorString();
}

LanDiscovery::GameOnLan HostBeacon::describe() const
{
    LanDiscovery::GameOnLan game;
    game.id = m_id;
    game.name = m_name;
    if (game.name.isEmpty() && m_server.leadSeat() > 0)
        game.name = m_server.seat(m_server.leadSeat()).loginName;
    for (int seat = 1; seat <= Protocol::PlayingSeats; ++seat)
        game.seatsTaken
            += m_server.seat(seat).inUse || !m_server.seat(seat).keptFor.isEmpty() ? 1 : 0;
    game.seatsFree = Protocol::PlayingSeats - game.seatsTaken;
    game.running = m_server.gameRunning();
    game.port = m_server.port();
    game.webPort = m_webPort;
    game.version = QString::fromLatin1(Protocol::Version);
    return game;
}
