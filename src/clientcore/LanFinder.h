// The client's side of finding games on the local network: every few seconds
// a probe goes to the broadcast address of each IPv4 interface and to the
// all-nodes multicast address of each IPv6 interface; the games that answer
// are kept, one per host id, until they stop answering.
#pragma once

#include "protocol/LanDiscovery.h"

#include <QHash>
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QTimer>

class QUdpSocket;

class LanFinder : public QObject
{
    Q_OBJECT

public:
    using Game = LanDiscovery::GameOnLan;
    static constexpr int DefaultIntervalMs = 3000;
    // A game that has not answered this many probes in a row is dropped.
    static constexpr int MissedProbes = 3;

    explicit LanFinder(QObject *parent = nullptr);
    ~LanFinder() override;

    // The ports probed (the usual game port by default).
    void setPorts(const QList<quint16> &ports) { m_ports = ports; }
    // Where probes go instead of the interfaces' broadcast and multicast
    // addresses (tests).
    void setTargets(const QList<QHostAddress> &targets) { m_targets = targets; }
    // Probes now and then every intervalMs until stop().
    void start(int intervalMs = DefaultIntervalMs);
    void stop();
    bool isRunning() const { return m_timer.isActive(); }
    void probe();

    // The games found, by name; each with the address it answered from
    // (IPv4 before IPv6, loopback last).
    QList<Game> games() const;

    // Broadcast addresses of the IPv4 interfaces that are up, ff02::1 on each
    // IPv6 one, and loopback of both families for a host on this machine.
    static QList<QHostAddress> interfaceTargets();

signals:
    void gamesChanged();

private:
    struct Entry
    {
        Game game;
        QHostAddress from;
        int round = 0; // the probe round it last answered
    };

    void readPending();
    void ensureSocket();

    QUdpSocket *m_socket = nullptr;
    QTimer m_timer;
    QList<quint16> m_ports;
    QList<QHostAddress> m_targets;
    QHash<QString, Entry> m_found;
    int m_round = 0;
};
