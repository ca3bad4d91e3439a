// What the main window does for a fair game: it asks before a restart wipes
// the scores, tells a host's friends where to join, and shows every name.
#include "ClientTestSupport.h"

#include "protocol/Messages.h"
#include "windows/gamestartform.h"
#include "windows/startform.h"

#include <QClipboard>
#include <QMenu>

using namespace Qt::StringLiterals;

class FairGameTest : public QObject
{
    Q_OBJECT

private slots:
    void restartAsksTheLeader_data()
    {
        QTest::addColumn<bool>("running");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<int>("questions");
        QTest::addColumn<bool>("shown");
        QTest::newRow("no game: no question") << false << false << 0 << true;
        QTest::newRow("game, declined") << true << false << 1 << false;
        QTest::newRow("game, confirmed") << true << true << 1 << true;
    }

    void restartAsksTheLeader()
    {
        QFETCH(bool, running);
        QFETCH(bool, answer);
        SeamClient client;
        Tgamestart gamestart;
        ChatWindows windows;
        windows.gamestart = &gamestart;
        client.chat->setWindows(windows);
        client.yes = answer;
        client.hear(Protocol::Msg::sendlogininfo(1));
        if (running)
            client.hear(Protocol::Msg::startgameRelay(u"Ann"_s, 3, 60, u"1"_s, u"1"_s));
        QTRY_VERIFY(client.chat->isConnected());
        QTRY_COMPARE(client.chat->clientGame().isRunning(), running);
        client.chat->button_startClick();
        QTEST(int(client.questions.size()), "questions");
        QTEST(gamestart.isVisible(), "shown");
        if (running)
            QCOMPARE(client.questions.first(),
                     u"A game is running: end it and start a new one? Scores go back to 0."_s);
    }

    void hostTellsWhereToJoin()
    {
        TestClient client(closedPort(), {});
        ChatWindows windows;
        windows.startListening = [](quint16, bool) {
            return QString();
        };
        client.chat->setWindows(windows);
        client.chat->setMachineAddresses([] {
            return QList {QHostAddress(u"192.0.2.5"_s), QHostAddress(u"198.51.100.7"_s)};
        });
        StartChoice host;
        host.kind = StartChoice::Kind::Host;
        host.name = u"Ann"_s;
        host.port = 7800;
        client.chat->beginGame(host);
        QStringList lines;
        for (const QString &line : chatLines(*client.chat))
            lines.append(line.simplified()); // the head's colon is followed by a gap
        QVERIFY(lines.contains(u"Join address for friends: 192.0.2.5:7800"_s));
        QVERIFY(lines.contains(u"Join address for friends: 198.51.100.7:7800"_s));
        QAction *copy = named(*client.chat, u"CopyJoinAddress1"_s);
        QVERIFY(copy->isVisible() && copy->menu());
        copy->menu()->actions().last()->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), u"198.51.100.7:7800"_s);
    }

    void longNamesAreElidedWithATooltip()
    {
        SeamClient client;
        const QString longName(30, u'W');
        client.hear(Protocol::Msg::sendlogininfo(2) + Protocol::Msg::newplayerinfo(3, longName)
                    + Protocol::Msg::newplayerinfo(4, u"Cy"_s));
        QLabel *name = seatLabel(*client.chat, "label_playername", 3);
        QTRY_COMPARE(name->toolTip(), longName);
        QVERIFY(name->text().endsWith(u'\u2026'));
        QTRY_COMPARE(seatLabel(*client.chat, "label_playername", 4)->text(), u"Cy"_s);
        QVERIFY(seatLabel(*client.chat, "label_playername", 4)->toolTip().isEmpty());
    }
};

QTEST_MAIN(FairGameTest)
#include "tst_fairgame.moc"
