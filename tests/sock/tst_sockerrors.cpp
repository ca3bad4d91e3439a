// TSock's errors: misuse that raises, a handler that raises, port and host
// names, and the text of the error codes.
#include "LoopbackFixture.h"

#include <functional>

class TestSockErrors : public QObject
{
    Q_OBJECT

private slots:
    void misuseRaises();
    void throwingInfoHandlerBecomesErrorHere();
    void portNames_data();
    void portNames();
    void hostNamesResolve_data();
    void hostNamesResolve();
    void errorTexts_data();
    void errorTexts();
};

void TestSockErrors::misuseRaises()
{
    auto expectRaise = [](const std::function<void()> &operation, const QString &message) {
        try {
            operation();
        } catch (const ESockException &e) {
            return e.message() == message;
        }
        return false;
    };
    TSock idle;
    TSock *out = nullptr;
    QVERIFY(expectRaise([&] { idle.Send("x"); }, "Send - Socket Not Connected"));
    QVERIFY(expectRaise([&] { idle.Receive(); }, "Receive - Socket Not Connected"));
    QVERIFY(expectRaise([&] { idle.Accept(out); }, "Accept - Socket Not In Listening Mode"));
    QVERIFY(!out);

    Listener listener;
    QVERIFY(
        expectRaise([&] { listener.sock.Send("x"); }, "Send - Cannot Send On A Listener Socket"));
    QVERIFY(expectRaise([&] { listener.sock.Receive(); },
                        "Receive - Cannot Receive On A Listener Socket"));
    QVERIFY(expectRaise([&] { listener.sock.setSocketType(stDatagram); },
                        "SocketType - Can't Assign Socket Type While Listening"));
    QStringList listenerLines;
    listener.sock.OnInfo = [&](TSock *, TSocketInfo, const QString &msg) {
        listenerLines << msg;
    };
    TSock *kept = &idle;
    QVERIFY(!listener.sock.Accept(kept));
    QCOMPARE(kept, &idle);
    QCOMPARE(listenerLines, QStringList {"Could Not Accept Connection"});
    listener.sock.OnInfo = nullptr;

    ConnectedPair pair;
    QVERIFY(pair.ready());
    QVERIFY(expectRaise([&] { pair.client.setSocketType(stDatagram); },
                        "SocketType - Can't Assign Socket Type While Connected"));
    QCOMPARE(pair.client.SocketType(), stStream);
    QVERIFY(expectRaise([&] { pair.client.setListen(true); }, "Listen - Socket Already In Use"));
    QVERIFY(!pair.client.Listen());

    TSock datagram;
    datagram.setSocketType(stDatagram);
    QVERIFY(expectRaise([&] { datagram.setListen(true); },
                        "Listen - Cannot Listen On A Datagram Socket"));
    QVERIFY(!datagram.Listen());
}

void TestSockErrors::throwingInfoHandlerBecomesErrorHere()
{
    TSock sock;
    sock.OnInfo = [](TSock *, TSocketInfo, const QString &) {
        throw std::logic_error("boom");
    };
    sock.setPortName(QString::number(freePort()));
    try {
        sock.setListen(true);
        QFAIL("the handler's error must come through");
    } catch (const ESockException &e) {
        QCOMPARE(e.message(), QString("Error here"));
    }
    // Close swallows it and still closes.
    QVERIFY(sock.Close());
    QVERIFY(!sock.hasSocket());
}

void TestSockErrors::portNames_data()
{
    QTest::addColumn<QString>("portName");
    QTest::addColumn<QString>("error");
    QTest::newRow("service name") << "http" << QString();
    QTest::newRow("unknown service") << "no-such-service-here"
                                     << "Port Lookup - Could Not Find Service Entry";
    QTest::newRow("number with junk") << "77x2"
                                      << "Port Lookup - Could Not Find Service Entry";
    QTest::newRow("beyond 16 bits") << "70000"
                                    << "Port Lookup - Could Not Find Service Entry";
    QTest::newRow("empty") << ""
                           << "Port Lookup - Could Not Find Service Entry";
}

void TestSockErrors::portNames()
{
    QFETCH(QString, portName);
    QFETCH(QString, error);
    EventLog log;
    TSock client;
    log.watch(client, "client");
    client.setHostName(Loopback);
    client.setPortName(portName);
    try {
        client.Open();
        QVERIFY2(error.isEmpty(), "Open should have raised");
    } catch (const ESockException &e) {
        QCOMPARE(e.message(), error);
    }
    QCOMPARE(log.lines.value(0), "client info 0 Lookup Of Port " + portName);
    client.Close();
}

void TestSockErrors::hostNamesResolve_data()
{
    QTest::addColumn<QString>("hostName");
    QTest::newRow("dotted") << "127.0.0.1";
    QTest::newRow("name") << "localhost";
    QTest::newRow("name in other case, from the cache") << "LocalHost";
}

void TestSockErrors::hostNamesResolve()
{
    QFETCH(QString, hostName);
    EventLog log;
    Listener listener;
    TSock client;
    log.watch(client, "client");
    client.setHostName(hostName);
    client.setPortName(QString::number(listener.port));
    client.Open();
    QTRY_VERIFY_WITH_TIMEOUT(client.Connected(), WaitMs);
    QCOMPARE(log.lines.value(1), "client info 0 Lookup Of Host " + hostName);
}

void TestSockErrors::errorTexts_data()
{
    QTest::addColumn<int>("err");
    QTest::addColumn<QString>("text");
    QTest::newRow("refused") << ECONNREFUSED << "Error #10061 (WSAECONNREFUSED)";
    QTest::newRow("reset") << ECONNRESET << "Error #10054 (WSAECONNRESET)";
    QTest::newRow("aborted") << ECONNABORTED << "Error #10053 (WSAECONNABORTED)";
    QTest::newRow("timed out") << ETIMEDOUT << "Error #10060 (WSAETIMEDOUT)";
    QTest::newRow("host unreachable") << EHOSTUNREACH << "Error #10065 (WSAEHOSTUNREACH)";
    QTest::newRow("net unreachable") << ENETUNREACH << "Error #10051 (WSAENETUNREACH)";
    QTest::newRow("address in use") << EADDRINUSE << "Error #10048 (WSAEADDRINUSE)";
    QTest::newRow("would block") << EWOULDBLOCK << "Error #10035 (WSAEWOULDBLOCK)";
    QTest::newRow("no system name") << ENOMEM << "Error #10012 (UNKNOWN ERROR)";
}

void TestSockErrors::errorTexts()
{
    QFETCH(int, err);
    QFETCH(QString, text);
    QCOMPARE(TSock::errorText(TSock::errorCodeFromErrno(err)), text);
}

QTEST_GUILESS_MAIN(TestSockErrors)
#include "tst_sockerrors.moc"
