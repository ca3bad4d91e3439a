// The host's side of finding games on the local network: a UDP socket on the
// game port that answers well-formed probes from this machine's own networks
// with a description of the game, a few times a second at most.
#pragma once

#include "protocol/LanDiscovery.h"

#include <QHostAddress>
#include <QList>
#include <QNetworkAddressEntry>
#include <QObject>

#include <functional>

class QUdpSocket;
class TServer;

class LanAnswerer : public QObject
{
    Q_OBJECT

public:
    using Describe = std::function<LanDiscovery::GameOnLan()>;
    // Milliseconds of a steady clock, for the answer rate; tests set their own.
    using Clock = std::function<qint64()>;

    // Answers at most this many probes in a burst, and this many a second after.
    static constexpr int AnswersPerSecond = 5;

    explicit LanAnswerer(Describe describe, QObject *parent = nullptr);
    ~LanAnswerer() override;

    // Answers on the UDP port at the address (Any for every address of both
    // families). False, with errorString(), when the port cannot be bound.
    bool start(quint16 port, const QHostAddress &address = QHostAddress::Any);
    void stop();
    bool isRunning() const;
    QString errorString() const { return m_errorString; }
    void setClock(Clock clock) { m_clock = std::move(clock); }

    // Datagrams looked at, and answers sent.
    int seen() const { return m_seen; }
    int answered() const { return m_answered; }

    // Whether sender is on a network this machine is on: loopback, link-local,
    // or in the subnet of one of the interface addresses.
    static bool isLocal(const QHostAddress &sender, const QList<QNetworkAddressEntry> &entries);

private:
    void readPending();
    bool takeToken();
    const QList<QNetworkAddressEntry> &interfaceEntries();

    Describe m_describe;
    Clock m_clock;
    QUdpSocket *m_socket = nullptr;
    QString m_errorString;
    int m_seen = 0;
    int m_answered = 0;
    double m_tokens = AnswersPerSecond;
    qint64 m_lastRefill = 0;
    QList<QNetworkAddressEntry> m_entries;
    qint64 m_entriesRead = -1;
};

// Answers for a TServer from the moment it listens: its id drawn once, the
// given name or its leader's, its seats and whether its game runs. A host that
// listens on loopback only (a solo game) is not announced.
class HostBeacon : public QObject
{
    Q_OBJECT

public:
    HostBeacon(TServer &server, QString id, QString name = {}, QObject *parent = nullptr);

    LanDiscovery::GameOnLan describe() const;
    // The port browsers join on, told to those looking; 0 for none.
    void setWebPort(quint16 port) { m_webPort = port; }
    LanAnswerer &answerer() { return m_answerer; }
    // Why the last start failed; empty when it answers or was not wanted.
    QString problem() const { return m_problem; }
    // Sixteen hex digits from the generator.
    static QString newId(const std::function<int(int)> &bounded);

private:
    void serverListening(quint16 port);

    TServer &m_server;
    QString m_id;
    QString m_name;
    QString m_problem;
    quint16 m_webPort = 0;
    LanAnswerer m_answerer;
};
