// The main window against a hostile host: a seeded stream of the host's
// commands with hostile fields (huge, negative, empty, no number, lists cut
// short, long texts) goes as bytes into the window, whose board and panels
// show what the core makes of it (the core alone has its own such test).
// Sanitizer aborts fail the test; after the stream the window still follows an
// honest host.
#include "ClientTestSupport.h"
#include "HostileHost.h"
#include "clientcore/HostConnection.h"
#include "protocol/Messages.h"

#include <QTextBlock>
#include <QtTest>

namespace {

constexpr quint32 Seed = 0xC11E47;
constexpr int Messages = 20000;

void hear(HostConnection &connection, const QByteArray &bytes)
{
    connection.receiveBytes(bytes);
    for (int n = 0; n < 1000 && connection.queuedMessages() > 0; ++n)
        connection.tick();
}

} // namespace

class TestFuzzClient : public QObject
{
    Q_OBJECT

private slots:
    void mainWindowAgainstAHostileHost();
};

void TestFuzzClient::mainWindowAgainstAHostileHost()
{
    TestClient client(freePort(), {QStringLiteral("Robo"), QStringLiteral("127.0.0.1")});
    HostConnection &connection = client.chat->connection();
    connection.setSender([](const QByteArray &) {});
    hear(connection, Protocol::Msg::sendlogininfo(2));
    HostileHost host(Seed);
    const ChatView &view = *chatView(*client.chat);
    for (int n = 0; n < Messages; ++n) {
        // Now and then a burst of long chat lines.
        hear(connection, n % 2000 == 1999 ? host.chatFlood(100) : host.message());
        QVERIFY(client.chat->ownSeat() >= 1 && client.chat->ownSeat() <= 9);
        // The view keeps its bounds: lines kept, and characters drawn of the last.
        QVERIFY(view.document()->blockCount() <= ChatView::MaxLines);
        QVERIFY(view.document()->lastBlock().length() <= ChatView::MaxLineLength + 8);
    }
    // Still following an honest host.
    hear(connection, Protocol::Msg::newplayerinfo(3, QStringLiteral("Zed")));
    QCOMPARE(seatLabel(*client.chat, "label_playername", 3)->text(), QStringLiteral("Zed"));
}

QTEST_MAIN(TestFuzzClient)
#include "tst_fuzz_client.moc"
