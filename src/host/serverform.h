// TServer: the hidden host of a game. It seats connections, relays chat,
// actions and sounds, and runs rounds, voting, scoring and the winner test.
// It has no widgets; the hosting program and the stand-alone host both own one.
// Each seat has a game record (Seat) and, while a peer holds it, a connection
// (PeerConnection) whose transport the rules never see.
#pragma once

#include "host/CategoryTable.h"
#include "host/ChatRelay.h"
#include "host/HostListener.h"
#include "host/HostOptions.h"
#include "host/HostSeats.h"
#include "host/KeptSeats.h"
#include "host/Lead.h"
#include "host/PeerConnection.h"
#include "host/RoundDraw.h"
#include "host/Seat.h"
#include "host/SeatReturns.h"
#include "host/SignInGate.h"
#include "protocol/Dispatcher.h"
#include "protocol/GamePhase.h"
#include "protocol/PacedDispatcher.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <functional>
#include <memory>

class GameRandom;
class TSock;
class QWebSocket;
namespace Protocol::FromClient {
struct Answers;
}

class TServer : public QObject
{
    Q_OBJECT

public:
    // Every send of the host passes here; tests record sends per seat instead
    // of writing to sockets. Seat 10 receives the refusal of a full host.
    using SendHook = std::function<void(int seat, const QByteArray &bytes)>;
    // Milliseconds of a steady clock, for the pace of chat lines; tests set their own.
    using Clock = std::function<qint64()>;

    TServer(const HostOptions &options, GameRandom &random, QObject *parent = nullptr);
    ~TServer() override;

    // Switches Sock1 to listening. False, with errorString() set to the
    // socket's message (e.g. "Listen - Error Binding Socket") and
    // listenProblem() to the player's sentence, when it fails.
    bool startListening();
    // Why the port could not be opened and what the player can do about it.
    QString listenProblem() const;
    // Listens on port (and bindAddress, empty for every address) from now
    // on; answers listenProblem() when that fails, empty when it listens.
    QString listenOn(quint16 port, const QString &bindAddress = {});
    void stopListening();
    bool isListening() const;
    QString errorString() const { return m_listener.errorString(); }
    quint16 port() const { return m_options.port; }
    QString bindAddress() const { return m_options.bindAddress; }

    void setSendHook(SendHook hook) { m_sendHook = std::move(hook); }
    void setClock(Clock clock) { m_clock = std::move(clock); }
    void setHostSeatReserved(bool reserved) { m_options.hostSeatReserved = reserved; }

    // A connection made in-process, seated exactly like an accepted socket
    // from the address (tests). Returns its seat, or 0 when the host was full
    // and refused it.
    int connectLocal(bool fromThisMachine = true,
                     const QString &address = QStringLiteral("in-process"));
    // A browser's connection from the web listener, seated like an accepted
    // socket from another machine (it never takes the host player's seat).
    void acceptWeb(QWebSocket *socket);
    // Bytes that arrived on a seat's connection: the path of every socket read.
    // Complete messages are queued with the seat as their origin.
    void receive(int seat, const QByteArray &bytes);
    // Closes a seat's connection; the seat is freed as when its socket closes.
    void disconnectsock(int seat);

    // One tick of the dispatcher: handles at most one queued message.
    void socktimerTimer() { m_receivedlist.handleNext(); }
    // Runs the handler of one entry at once. Origin 0 stands for a message
    // injected in-process: its own seat fields are trusted, as no connection
    // stands behind it. Entries from connections carry their seat (1 to 9)
    // and connection, and fields naming another sender are dropped.
    void dispatch(const Protocol::QueueEntry &entry);
    qsizetype queuedMessages() const { return m_receivedlist.size(); }
    bool dispatchTimerRunning() const { return m_receivedlist.isScheduled(); }

    // One game second of the seat clock: closes connections that have not
    // signed in within SignInSeconds and frees kept seats whose time ran out.
    void signInTimerTimer();
    bool signInTimerRunning() const { return m_signInTimer.isActive(); }

    // One second of the round clock (the tick of timer1); does nothing while
    // the round timer is off.
    void timer1Timer();
    bool roundTimerRunning() const { return m_timer1.isActive(); }

    // The category table; refuses a category already present, ignoring case.
    bool addtolist(const QString &category) { return m_listboxAll.addtolist(category); }
    const CategoryTable &categoryTable() const { return m_listboxAll; }
    // Category n (1 to 8) of the current round.
    QString category(int n) const
    {
        return n >= 1 && n <= Protocol::CategoriesPerRound ? m_categories[std::size_t(n)]
                                                           : QString();
    }

    // State, read by tests and the stand-alone host.
    const Seat &seat(int number) const { return m_seats.at(std::size_t(number)); }
    // The connection that holds the seat; null when none does.
    const PeerConnection *connection(int seat) const
    {
        return isSeatNumber(seat) ? m_connections[std::size_t(seat)].get() : nullptr;
    }
    // The seat that may start games and remove players: seat 1 on the hosting
    // program; on a stand-alone host the first person to sign in, and when its
    // player leaves, the lowest seat of a signed-in person (0 for none:
    // computer players never lead).
    int leadSeat() const { return m_lead.seat(); }
    int highestSeatUsed() const { return m_highestSeat; }
    // Whether the peer on the seat said who it is ("CMD_peerinfo"): a client
    // of ours, not one that knows only the first protocol.
    bool isOurs(int seat) const { return connection(seat) && connection(seat)->announced; }
    // Whether the peer on the seat said it is a computer player.
    bool isComputer(int seat) const
    {
        return isOurs(seat) && connection(seat)->kind == Protocol::PeerKind::Computer;
    }
    // Whether the peer on the seat announced the capability word.
    bool understands(int seat, const char *word) const
    {
        return connection(seat) && connection(seat)->understands(word);
    }
    // Whether every signed-in playing seat that is not just watching is ours.
    bool everyPlayerIsOurs() const { return m_table.everyPlayerIsOurs(); }
    QStringList namesOfOthers(int seat) const { return m_table.namesOfOthers(seat); }
    QStringList takenNames(int seat) const { return m_table.takenNames(seat); }
    bool gameRunning() const { return m_gameRunning; }
    Protocol::Phase phase() const { return m_phase; }
    int countdown() const { return m_countdown; }
    int rounds() const { return m_rounds; }
    int roundNumber() const { return m_roundNumber; }
    int turnTime() const { return m_turnTime; }
    bool allScoring() const { return m_gameType == Protocol::GameType::AllScoring; }
    bool duplicatesAllowed() const { return m_duplicatesAllowed; }
    int letterIndex() const { return m_letterIndex; }
    int currentCategory() const { return m_currentCategory; }
    QStringList roundCategories() const;

    // Game seconds the vote on a category still runs once every player is done.
    static constexpr int DoneVotingSeconds = 2;

    // Limits of "CMD_startgame" fields.
    static constexpr int DefaultRounds = 5;
    static constexpr int DefaultTurnTime = 60;
    // Longer answer times are cut to this; it keeps the countdown in range.
    static constexpr int MaxTurnTime = 24 * 60 * 60;
    // A tie still standing this many rounds after the last regular round is
    // decided by Scoring::tieBreakWinner(), so every game ends.
    static constexpr int MaxTieBreakRounds = 3;
    // Longer login names are cut to this many characters.
    static constexpr int MaxLoginNameLength = SignInGate::MaxNameLength;

    // Bounds that keep one peer from exhausting the host. A connection past
    // them is closed like a reset: its seat is freed and the others are told.
    static constexpr Protocol::BacklogLimits InputLimits {256, 256 * 1024};
    static constexpr qsizetype MaxUnsentBytes = 1024 * 1024;
    // Game seconds a connection has to sign in. The hosting program's own
    // client, on the seat kept for it, has no limit.
    static constexpr int SignInSeconds = SignInGate::SignInSeconds;
    // Game seconds a seat left during a game is kept for its player's return.
    static constexpr int RejoinSeconds = KeptSeats::KeepSeconds;
    // Longer presented resume tokens are not read.
    static constexpr int MaxTokenLength = 64;

signals:
    void listening(quint16 port);
    void playerSignedIn(int seat, const QString &loginName, const QString &version);
    void playerLeft(int seat, const QString &loginName);
    void connectionRefused();
    // A message the host does not act on, worth a line in its log.
    void messageIgnored(int seat, const QString &address, const QString &what);
    // The host closed a connection of its own accord (flood, slow reader, ...).
    void connectionForced(int seat, const QString &address, const QString &reason);
    void gameStarted(const QString &starter, int rounds, int turnTime, bool allScoring,
                     bool duplicatesAllowed);
    void roundStarted(int roundNumber, QChar letter, const QStringList &categories);
    void playerRejoined(int seat, const QString &loginName);
    void leadChanged(int seat, const QString &loginName);
    // A connection was moved to another seat (its kept one); in-process peers
    // follow it there.
    void connectionMoved(int fromSeat, int toSeat);
    void gameWon(int seat, const QString &loginName, int score);
    void gameTied(int score);

private:
    // Connections (serverform.cpp).
    void accept(TSock *socket, bool fromThisMachine);
    void seatConnection(int seat, bool fromThisMachine, std::unique_ptr<Transport> transport);
    // The transport of the next connection over socket: what arrives and its
    // end go to the seat that connection holds then, found by its number, as
    // it may move to another seat.
    template<typename Carrier, typename Socket>
    std::unique_ptr<Transport> makeTransport(Socket *socket)
    {
        const quint64 connection = m_lastConnection + 1;
        return std::make_unique<Carrier>(
            socket,
            [this, connection](const QByteArray &bytes) {
                if (const int s = seatOf(connection))
                    receive(s, bytes);
            },
            [this, connection] {
                if (const int s = seatOf(connection))
                    seatClosed(s);
            });
    }
    int chooseSeat(bool fromThisMachine);
    // The first seat from `first` on that nobody holds or is kept for; 0 for none.
    int freeSeat(int first) const;
    // Closes the oldest connection, on a seat from `first` on, still waiting
    // to sign in, from the address with the most of them; false for none.
    bool closeOneWaiting(int first);
    void refuse(TSock *socket);
    // The seat the connection holds now; 0 when it is gone.
    int seatOf(quint64 connection) const;
    void seatClosed(int seat);
    void forceClose(int seat, const QString &reason);
    void forceCloseLater(int seat, const QString &reason);
    void registerHandlers();

    // Sign-in, kept seats and the lead (serversignin.cpp, see SignInGate,
    // SeatReturns and Lead).
    void receivedlogininfo(const QString &text, int origin);
    void resume(const QString &text, int origin);
    // Moves the connection to its player's own seat, closing the one the host
    // still holds there, and asks it to sign in for it.
    void takeBack(int from, int to);
    void welcomeBack(int seat);
    // Passes the lead on when its holder left (see Lead::update).
    void updateLead();
    void kickhim(const QString &text, int origin);
    void justwatch(const QString &text, int origin);
    void peerinfo(const QString &text, int origin);

    // Relays (serverform.cpp, see ChatRelay).
    void chat(const QString &text, int origin);
    void action(const QString &text, int origin);
    void playasound(const QString &text, int origin);

    // Round flow (serverround.cpp).
    void startgame(const QString &text, int origin);
    void startround();
    void myanswers(const QString &text, int origin);
    void draftanswers(const QString &text, int origin);
    // Stores the answers of a list from a playing seat that sent it itself;
    // null when the list names no playing seat or another sender.
    Seat *storeAnswers(const std::optional<Protocol::FromClient::Answers> &list, int origin,
                       bool draft);
    void endround();
    void setPhase(Protocol::Phase phase, int countdown);
    // "CMD_done" and what counts as it: a seat done with the answers or the vote.
    void done(const QString &text, int origin);
    void markDone(int seat, Protocol::DoneWith what);
    // Ends the answer time, or shortens the vote, once every seated player who
    // does not just watch is ours and done; a client of the first protocol at
    // the table never says so, and the full time holds.
    void moveOnWhenAllDone();
    // Forgets who was done: a new answer time or category begins.
    void clearDone();

    // Voting, scoring and the winner (servervoting.cpp).
    void showcats();
    // The answers of the category on show, as they are put to the vote.
    QList<Protocol::ShowcatAnswer> answersOnShow() const;
    void votefor(const QString &text, int origin);
    void voteagainst(const QString &text, int origin);
    void postscores();
    bool checkforwin();
    bool categoryOnShow() const;

    // Sending.
    void sendToSeat(int seat, const QByteArray &bytes);

    // Whether a message naming `seat` as its sender may come from `origin`.
    static bool sentBy(int seat, int origin) { return HostSeats::sentBy(seat, origin); }
    bool fromLead(int origin) const { return origin == 0 || origin == leadSeat(); }
    static bool isSeatNumber(int seat) { return HostSeats::isSeatNumber(seat); }
    static bool isPlayingSeat(int seat) { return seat >= 1 && seat <= Protocol::PlayingSeats; }

    HostOptions m_options;
    GameRandom &m_random;
    SendHook m_sendHook;
    Clock m_clock;
    QElapsedTimer m_uptime;
    HostListener m_listener;

    SeatTable m_seats;
    ConnectionTable m_connections;
    int m_highestSeat = 0;
    HostSeats m_table {m_seats, m_connections, m_highestSeat,
                       [this](int seat, const QByteArray &bytes) {
                           sendToSeat(seat, bytes);
                       }};
    KeptSeats m_kept {m_seats};
    SeatReturns m_returns {m_table, m_kept, m_gameRunning};
    Lead m_lead {m_table, m_options};
    SignInGate m_gate {m_table};
    ChatRelay m_relay {m_table, [this] {
                           return m_clock ? m_clock() : m_uptime.elapsed();
                       }};

    Protocol::Dispatcher m_dispatcher;
    // The receive queue and its dispatch timer (the `socktimer`).
    Protocol::PacedDispatcher m_receivedlist;
    quint64 m_lastConnection = 0;
    QTimer m_signInTimer;
    QTimer m_timer1;

    CategoryTable m_listboxAll;
    RoundDraw m_draw;
    bool m_gameRunning = false;
    int m_rounds = 0;
    int m_turnTime = 0;
    Protocol::GameType m_gameType = Protocol::GameType::AllScoring;
    bool m_duplicatesAllowed = false;
    int m_roundNumber = 0;
    int m_letterIndex = 0;
    std::array<QString, Protocol::CategoriesPerRound + 1> m_categories; // index 1 to 8
    int m_currentCategory = 0;
    Protocol::Phase m_phase = Protocol::Phase::Idle;
    int m_countdown = 0;
};
