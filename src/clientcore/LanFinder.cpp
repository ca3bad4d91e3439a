#include "clientcore/LanFinder.h"

#include "protocol/GameFacts.h"

#include <QNetworkDatagram>
#include <QNetworkInterface>
#include <QUdpSocket>

#include <algorithm>

namespace {

// Higher is shown first: an address friends on the network can use.
int preference(const QHostAddress &address)
{
    if (address.isLoopback())
        return 0;
    bool isV4 = false;
    address.toIPv4Address(&isV4);
    if (isV4)
        return 3;
    return address.isLinkLocal() ? 1 : 2;
}

QString shown(const QHostAddress &address)
{
    bool isV4 = false;
    const quint32 v4 = address.toIPv4Address(&isV4);
    return isV4 ? QHostAddress(v4).toString() : address.toString();
}

} // namespace

LanFinder::LanFinder(QObject *parent) : QObject(parent), m_ports {GameFacts::DefaultPort}
{
    connect(&m_timer, &QTimer::timeout, this, &LanFinder::probe);
}

LanFinder::~LanFinder() = default;

void LanFinder::start(int intervalMs)
{
    m_timer.start(intervalMs);
    probe();
}

void LanFinder::stop()
{
    m_timer.stop();
    delete m_socket;
    m_socket = nullptr;
}

void LanFinder::ensureSocket()
{
    if (m_socket)
        return;
    m_socket = new QUdpSocket(this);
    // Both families on one socket where the system allows, else IPv4 alone.
    if (!m_socket->bind(QHostAddress::Any, 0))
        m_socket->bind(QHostAddress::AnyIPv4, 0);
    connect(m_socket, &QUdpSocket::readyRead, this, &LanFinder::readPending);
}

QList<QHostAddress> LanFinder::interfaceTargets()
{
    QList<QHostAddress> targets {QHostAddress::LocalHost, QHostAddress::LocalHostIPv6};
    for (const QNetworkInterface &interface : QNetworkInterface::allInterfaces()) {
        const auto flags = interface.flags();
        if (!flags.testFlag(QNetworkInterface::IsUp)
            || flags.testFlag(QNetworkInterface::IsLoopBack))
            continue;
        bool hasV6 = false;
        for (const QNetworkAddressEntry &entry : interface.addressEntries()) {
            if (!entry.broadcast().isNull() && !targets.contains(entry.broadcast()))
                targets.append(entry.broadcast());
            hasV6 = hasV6 || entry.ip().protocol() == QAbstractSocket::IPv6Protocol;
        }
        if (hasV6 && flags.testFlag(QNetworkInterface::CanMulticast)) {
            QHostAddress allNodes(QStringLiteral("ff02::1"));
            allNodes.setScopeId(interface.name());
            targets.append(allNodes);
        }
    }
    return targets;
}

void LanFinder::probe()
{
    ensureSocket();
    ++m_round;
    const QByteArray bytes = LanDiscovery::probe();
    const QList<QHostAddress> targets = m_targets.isEmpty() ? interfaceTargets() : m_targets;
    for (const QHostAddress &target : targets)
        for (const quint16 port : m_ports)
            m_socket->writeDatagram(bytes, target, port);
    const auto before = m_found.size();
    m_found.removeIf(
        [this](const auto &item) { return m_round - item.value().round > MissedProbes; });
    if (m_found.size() != before)
        emit gamesChanged();
}

void LanFinder::readPending()
{
    bool changed = false;
    while (m_socket && m_socket->hasPendingDatagrams()) {
        const QNetworkDatagram datagram = m_socket->receiveDatagram(LanDiscovery::ProbeSize + 1);
        std::optional<Game> game = LanDiscovery::readAnswer(datagram.data());
        if (!game)
            continue;
        const QHostAddress from = datagram.senderAddress();
        game->address = shown(from);
        auto it = m_found.find(game->id);
        if (it == m_found.end()) {
            m_found.insert(game->id, Entry {*game, from, m_round});
            changed = true;
            continue;
        }
        it->round = m_round;
        // Another address of a host already listed replaces it only when it is a better one.
        if (preference(from) < preference(it->from))
            game->address = it->game.address;
        else
            it->from = from;
        changed = changed || it->game != *game;
        it->game = *game;
    }
    if (changed)
        emit gamesChanged();
}

QList<LanFinder::Game> LanFinder::games() const
{
    QList<Game> list;
    for (const Entry &entry : m_found)
        list.append(entry.game);
    std::sort(list.begin(), list.end(), [](const Game &a, const Game &b) {
        return std::tie(a.name, a.id) < std::tie(b.name, b.id);
    });
    return list;
}
