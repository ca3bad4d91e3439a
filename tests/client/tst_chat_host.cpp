// Two main windows and a real host in one process over loopback: sign-in,
// the board on both sides, a relayed chat line, removal and departure.
#include "ClientTestSupport.h"

#include "host/HostOptions.h"
#include "host/serverform.h"
#include "protocol/GameRandom.h"

using namespace Qt::StringLiterals;

class ChatHostTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void playersMeetChatAndLeave();
    void hostRemovesAPlayer();

private:
    void startBoth();

    std::unique_ptr<HostedTable> m_table;
    TestClient *m_ann = nullptr;
    TestClient *m_bob = nullptr;
};

void ChatHostTest::init()
{
    m_table
        = std::make_unique<HostedTable>(QList<QStringList> {{u"Ann"_s, u"192.0.2.1"_s, u"true"_s},
                                                            {u"Bob"_s, u"127.0.0.1"_s, u"join"_s}},
                                        7);
    m_ann = m_table->players[0].get();
    m_bob = m_table->players[1].get();
}

void ChatHostTest::cleanup()
{
    m_table.reset();
}

void ChatHostTest::startBoth()
{
    m_ann->chat->show();
    QTRY_COMPARE(lastChatLine(*m_ann->chat), u"You are Connected."_s);
    QCOMPARE(m_ann->chat->ownSeat(), 1);
    m_bob->chat->show();
    QTRY_COMPARE(lastChatLine(*m_ann->chat), u"Bob is Connected."_s);
    QTRY_VERIFY(chatLines(*m_bob->chat).contains(u"Ann is Connected."_s));
    QTRY_VERIFY(chatLines(*m_bob->chat).contains(u"You are Connected."_s));
    QCOMPARE(m_bob->chat->ownSeat(), 2);
}

void ChatHostTest::playersMeetChatAndLeave()
{
    startBoth();
    for (const TestClient *client : {m_ann, m_bob}) {
        QCOMPARE(seatLabel(*client->chat, "label_playername", 1)->text(), u"Ann"_s);
        QCOMPARE(seatLabel(*client->chat, "label_playername", 2)->text(), u"Bob"_s);
        QCOMPARE(seatLabel(*client->chat, "label_playername", 3)->text(), u"<Waiting>"_s);
    }
    QVERIFY(m_ann->chat->isHost());
    QVERIFY(!m_bob->chat->isHost());

    m_bob->chat->chatPanel().setTextColour(QColor(0x80, 0, 0));
    chatEntry(*m_bob->chat)->setText(u"hello + all"_s);
    m_bob->chat->chatPanel().send();
    QTRY_COMPARE(lastChatLine(*m_ann->chat), u"Bob chats:  hello + all"_s);
    QTRY_COMPARE(lastChatLine(*m_bob->chat), u"Bob chats:  hello + all"_s);
    QCOMPARE(chatView(*m_ann->chat)->style(2).colour, QColor(0x80, 0, 0));

    m_table->players[1].reset(); // Bob leaves
    QTRY_COMPARE(lastChatLine(*m_ann->chat), u"Bob disconnected."_s);
    QCOMPARE(seatLabel(*m_ann->chat, "label_playername", 2)->text(), u"<Waiting>"_s);
    QVERIFY(!m_ann->closed);
}

void ChatHostTest::hostRemovesAPlayer()
{
    startBoth();
    // Only the host's removal is carried out.
    m_bob->chat->kicking(1);
    m_ann->chat->board().prepareSeatMenu(2);
    named(*m_ann->chat, u"RemoveFromGame1"_s)->trigger();
    QTRY_VERIFY(m_bob->closed);
    QTRY_COMPARE(lastChatLine(*m_ann->chat), u"Bob disconnected."_s);
    QVERIFY(!m_ann->closed);
}

QTEST_MAIN(ChatHostTest)
#include "tst_chat_host.moc"
