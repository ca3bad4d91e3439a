// Helpers shared by the client tests: a scriptable host made of a plain TCP
// listener, a sound recorder, a main window set up for tests and readers for
// what the chat shows.
#pragma once

#include "TestPorts.h"
#include "client/ChatPanel.h"
#include "client/ChatView.h"
#include "client/OptionsController.h"
#include "client/PlayerBoard.h"
#include "client/SoundPlayer.h"
#include "client/chatform.h"
#include "protocol/Messages.h"
#include "windows/spylistform.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>
#include <QToolButton>

#include <QList>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// Speaks the wire from the host's side: accepts connections, records what each
// one sends and writes what a test tells it to.
class FakeHost : public QObject
{
public:
    FakeHost()
    {
        m_server.listen(QHostAddress::LocalHost, 0);
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *peer = m_server.nextPendingConnection()) {
                const qsizetype index = m_peers.size();
                m_peers.append(peer);
                m_received.append(QByteArray());
                connect(peer, &QTcpSocket::readyRead, this,
                        [this, peer, index] { m_received[index] += peer->readAll(); });
            }
        });
    }

    quint16 port() const { return m_server.serverPort(); }
    qsizetype connections() const { return m_peers.size(); }
    QByteArray received(qsizetype peer = 0) const { return m_received.value(peer); }
    void send(const QByteArray &bytes, qsizetype peer = 0)
    {
        m_peers.at(peer)->write(bytes);
        m_peers.at(peer)->flush();
    }
    void closePeer(qsizetype peer = 0) { m_peers.at(peer)->disconnectFromHost(); }

private:
    QTcpServer m_server;
    QList<QTcpSocket *> m_peers;
    QList<QByteArray> m_received;
};

class RecordingSoundPlayer : public SoundPlayer
{
public:
    explicit RecordingSoundPlayer(QStringList &played) : m_played(played) { }
    void play(const QString &name) override { m_played.append(name); }

private:
    QStringList &m_played;
};

// A control of a window by its object name; a missing one ends the test run.
template<typename T = QAction>
T *named(const QObject &window, const QString &name)
{
    T *found = window.findChild<T *>(name);
    if (!found)
        qFatal("no control named %s", qPrintable(name));
    return found;
}

// The text of a label and whether a control is shown, by object name.
inline QString textOf(const QObject &window, const QString &name)
{
    return named<QLabel>(window, name)->text();
}
inline bool isShown(const QObject &window, const QString &name)
{
    return !named<QWidget>(window, name)->isHidden();
}

inline ChatView *chatView(const QObject &window)
{
    return named<ChatView>(window, QStringLiteral("mainchat"));
}

inline QLineEdit *chatEntry(const QObject &window)
{
    return named<QLineEdit>(window, QStringLiteral("mychat"));
}

// A seat's control, e.g. "label_score" of seat 3.
inline QLabel *seatLabel(const QObject &window, const char *kind, int seat)
{
    return named<QLabel>(window, QLatin1String(kind) + QString::number(seat));
}

// The lines of the chat as shown; every line ends in the blank that closes
// its last word, which is left off here.
inline QStringList chatLines(const Tchat &chat)
{
    QStringList lines = chatView(chat)->toPlainText().split(u'\n');
    for (QString &line : lines) {
        if (line.endsWith(u' '))
            line.chop(1);
    }
    return lines;
}

inline QString lastChatLine(const Tchat &chat)
{
    return chatLines(chat).constLast();
}

// The client tests' name for freePort(): a port nobody listens on.
inline quint16 closedPort()
{
    return freePort();
}

// A main window with recorded sounds and message boxes, aimed at `port`.
struct TestClient
{
    // Shortened so a test sees the phrase gate reopen quickly.
    static constexpr int PhraseGateMs = 50;

    explicit TestClient(quint16 port, QStringList arguments)
    {
        chat = std::make_unique<Tchat>();
        chat->setSettingsFolder(home.path());
        chat->setPort(port);
        chat->setLobbyPort(freePort());
        chat->setArguments(std::move(arguments));
        chat->chatPanel().setPhraseGateInterval(PhraseGateMs);
        chat->setSoundPlayer(std::make_unique<RecordingSoundPlayer>(sounds));
        chat->setMessageBox([this](const QString &text) { messages.append(text); });
        chat->setQuestionBox([this](const QString &text) {
            questions.append(text);
            return yes;
        });
        chat->setUrlOpener([this](const QUrl &url) {
            opened.append(url);
            return true;
        });
        QObject::connect(chat.get(), &Tchat::closed, chat.get(), [this] { closed = true; });
    }

    QTemporaryDir home;
    std::unique_ptr<Tchat> chat;
    QStringList sounds;
    QStringList messages;
    QStringList questions;
    bool yes = true; // the answer to every question
    QList<QUrl> opened;
    bool closed = false;
};

// A chat line as the core hands it to the view.
inline ChatLine line(int style, const QString &text, const QColor &colour = Qt::black)
{
    return {style, {colour.red(), colour.green(), colour.blue()}, text};
}

// A main window that hears the host through the connection's seam: what it
// sends is recorded, nothing is on the wire.
struct SeamClient : TestClient
{
    SeamClient() : TestClient(freePort(), {})
    {
        chat->connection().setSender([this](const QByteArray &message) { sent += message; });
        chat->connection().setPlayerName(QStringLiteral("Ann"));
    }
    void hear(const QByteArray &bytes) { chat->connection().receiveBytes(bytes); }
    // Signed in and arrived as Ann on `seat`; seat 1 leads the game.
    void signIn(int seat)
    {
        hear(Protocol::Msg::sendlogininfo(seat));
        QTRY_VERIFY(sent.contains("CMD_logininfo"));
        hear(Protocol::Msg::newplayerinfo(seat, QStringLiteral("Ann")));
        QTRY_COMPARE(lastChatLine(*chat), QStringLiteral("You are Connected."));
    }

    QByteArray sent;
};
