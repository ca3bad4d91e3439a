// The client's line to the host: the game socket and the lobby socket, the
// framing of what arrives (an overlong text is skipped up to its terminator),
// the receive queue worked off one message per tick of the dispatch timer,
// and the sign-in. A closed connection is reported only after every message
// received before it was handled.
//
// A connection that breaks with an error (not an orderly close by the host)
// is opened again with growing pauses for up to ReconnectForSeconds game
// seconds, and the sign-in repeats with the same name, so the host can give
// the player its kept seat back. Status lines say what happened.
//
// What waits to be handled is bounded: a host that sends faster than its
// messages can be handled, past MaxQueuedMessages or MaxQueuedChars, is left
// with a status line, as no honest host ever comes near it.
//
// The seam for programs and tests without a socket: receiveBytes() takes what
// the host sent, setSender() takes what the client sends.
#pragma once

#include "protocol/Dispatcher.h"
#include "protocol/Framing.h"
#include "protocol/GameFacts.h"
#include "protocol/Messages.h"
#include "protocol/ReceiveQueue.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>

#include <algorithm>
#include <functional>

class QTimer;
class TSock;

class HostConnection : public QObject
{
    Q_OBJECT

public:
    using Sender = std::function<void(const QByteArray &message)>;
    // Picks the sign-in name once the seat is known (computer players take the
    // seat's hint name).
    using NameForSeat = std::function<QString(int seat)>;
    // Looks a host name up without blocking the caller and hands the
    // addresses it stands for (as text; none when it names nothing) to done,
    // on the caller's thread, unless context is gone by then.
    using Lookup = std::function<void(const QString &name, QObject *context,
                                      std::function<void(const QStringList &addresses)> done)>;

    explicit HostConnection(QObject *parent = nullptr);
    ~HostConnection() override;

    // Registers the handler of a host command; "CMD_sendlogininfo" is the
    // connection's own and comes first.
    void on(const QString &name, Protocol::Dispatcher::Handler handler);
    QStringList commandNames() const { return m_dispatcher.names(); }

    // The name this client signs in with.
    void setPlayerName(const QString &name) { m_playerName = name; }
    QString playerName() const { return m_playerName; }
    void setNameForSeat(NameForSeat chooser) { m_nameForSeat = std::move(chooser); }
    // What this client tells the host it is, right before it signs in.
    void setPeerKind(Protocol::PeerKind kind) { m_peerKind = kind; }
    // The token the host gave this client's seat, presented at every sign-in
    // so that a return gets the seat back from anywhere; empty for none.
    void setResumeToken(const QString &token) { m_resumeToken = token; }
    QString resumeToken() const { return m_resumeToken; }
    // The login name as the client keeps it: the name and the terminator.
    QString loginName() const { return m_loginName; }

    // The system's resolver on a thread of its own by default; tests set their own.
    void setLookup(Lookup lookup) { m_lookup = std::move(lookup); }
    // Whether a host name is being looked up for the game socket.
    bool isLookingUp() const { return m_lookingUp; }

    // Opens the game socket, a host name looked up first (literal addresses
    // of either family, "[::1]" too, need none); an address that does not
    // resolve leaves it closed.
    void connectTo(const QString &host, quint16 port);
    // Closes the game socket on purpose: no closed() report, no trying again.
    void close();
    // Where connectTo() goes; a client on the seam sets it alone.
    void setHost(const QString &host, quint16 port);
    QString hostAddress() const { return m_hostAddress; }
    quint16 port() const { return m_port; }
    // Whether the game socket, and the lobby socket, are open or opening
    // (a lookup of the host's name under way counts).
    bool isOpen() const;
    bool isLobbyOpen() const;
    // Every failure of the game socket passes here with the socket's report (of
    // the lookup, the connect or a broken line); a status line names the reason.
    void reportFailure(const QString &socketReport);
    // Opens the lobby socket; nothing is ever said on it.
    void openLobby(quint16 port);
    // Sends one complete message; without a connection it is lost.
    void send(const QByteArray &message);
    void setSender(Sender sender) { m_sender = std::move(sender); }

    // What the host sent, as it arrived.
    void receiveBytes(const QByteArray &bytes);
    // The host hung up: closed() follows once the queue is worked off.
    void hostClosed();

    // One tick of the dispatch timer: handles at most one queued message,
    // and idles the timer when none is left.
    void tick();
    void processOne();
    QTimer *timer() const { return m_timer; }
    qsizetype queuedMessages() const { return m_queue.size(); }

    int ownSeat() const { return m_ownSeat; }
    bool isSignedIn() const { return m_signedIn; }
    // Seat 1 leads (starts games, removes players) until the host names another.
    bool leadsGame() const { return m_leads; }
    bool isReconnecting() const { return m_failingSince.isValid(); }
    // Whether this connection ever signed in since connectTo().
    bool wasEverSignedIn() const { return m_everSignedIn; }
    // Whether a host that was never reached is tried again (the default); a
    // player who typed the address chooses again instead.
    void setRetryUnreachedHost(bool retry) { m_retryUnreachedHost = retry; }
    // The line that says a host could not be reached.
    static QString unreachedText(const QString &host, const QString &reason);

    // Length of a game second (LEXIBURST_SECOND_MS, as the program read it);
    // the pauses, the drafts and the window's clock scale with it.
    void setSecondMs(int ms) { m_secondMs = std::max(1, ms); }
    int secondMs() const { return m_secondMs; }
    // Game seconds of trying again after a break; the host keeps the seat as long.
    static constexpr int ReconnectForSeconds = 120;
    static constexpr int FirstPauseSeconds = 1;
    // A host that does not answer a connect within this many game seconds.
    static constexpr int ConnectTimeoutSeconds = 15;
    // Bounds of what waits to be handled; an honest host's burst is a few dozen.
    static constexpr qsizetype MaxQueuedMessages = 4096;
    static constexpr qsizetype MaxQueuedChars = 4 * 1024 * 1024;

    // The sockets themselves, for tests that must reach them; programs use the
    // calls above.
    TSock *gameSocket() const { return m_socket; }
    TSock *lobbySocket() const { return m_lobby; }

signals:
    // "CMD_sendlogininfo" gave this client its seat and the sign-in went out.
    void signedIn(int seat);
    // The host closed the connection and what it said before is handled; why
    // is the line for the player.
    void closed(const QString &why);
    // Whether this client's seat leads the game changed.
    void leadChanged(bool ownSeatLeads);
    // A player got its kept seat back.
    void playerBack(int seat, const QString &name);
    // The leader removed the player on the seat.
    void playerRemoved(int seat, const QString &name);
    // A newcomer plays on in a seat left during the game, with the seat's score.
    void seatTakenOver(int seat, const QString &name, int score);
    // The player on the seat left during the game; the seat is kept so long for it.
    void playerAway(int seat, const QString &name, int seconds);
    // The host gave a new token, or the old one is void (empty): the program
    // keeps it for the next time it joins this host.
    void resumeTokenChanged(const QString &token);
    // A line for the chat: connection trouble, the lead, a return.
    void statusLine(const QString &text);
    // The game socket could not be opened (no such address, nobody listening).
    void connectFailed(const QString &reason);

private:
    void signIn(const QString &argument);
    void leads(const QString &argument);
    void back(const QString &argument);
    void removal(const QString &argument);
    void takeOver(const QString &argument);
    void away(const QString &argument);
    void tokenGiven(const QString &argument);
    static QString spokenDuration(int seconds);
    void updateLead();
    void openSocket();
    void openResolved();
    void connectionFailed(const QString &reason);
    void closeQuietly();
    // The host sent past the bounds: the connection ends, and so does the game.
    void leaveFloodingHost();
    static QString reasonFor(const QString &socketReport);

    TSock *m_socket = nullptr;
    Lookup m_lookup;
    bool m_lookingUp = false;
    // Counts lookups, so an answer to one given up is ignored.
    quint64 m_lookupNumber = 0;
    TSock *m_lobby = nullptr;
    QTimer *m_timer = nullptr;
    Sender m_sender;
    Protocol::FrameSplitter m_splitter;
    // After an overlong unterminated text: bytes are dropped up to the next terminator.
    bool m_skippingOverlong = false;
    Protocol::ReceiveQueue m_queue;
    // Characters of the messages in the queue.
    qsizetype m_queuedChars = 0;
    // Why the connection ended on this side; reported once the queue is drained.
    QString m_leftBecause;
    Protocol::Dispatcher m_dispatcher;
    bool m_dispatching = false;
    bool m_closeWhenDrained = false;
    // The leader removed this client: its close is no end of the game.
    bool m_removed = false;
    Protocol::PeerKind m_peerKind = Protocol::PeerKind::Person;

    QString m_playerName;
    NameForSeat m_nameForSeat;
    QString m_loginName;
    QString m_resumeToken;
    int m_ownSeat = 0;
    bool m_signedIn = false;
    bool m_everSignedIn = false;
    bool m_retryUnreachedHost = true;
    int m_leadSeat = 1;
    bool m_leads = false;

    QString m_hostAddress;
    quint16 m_port = 0;
    int m_secondMs = GameFacts::DefaultSecondMs;
    QTimer *m_retryTimer = nullptr;
    QTimer *m_connectTimer = nullptr;
    // Valid from the first failure until a sign-in succeeds again.
    QElapsedTimer m_failingSince;
    int m_pauseSeconds = FirstPauseSeconds;
    bool m_closingOnPurpose = false;
};
