// The stand-alone host program: its log lines, a clean stop on SIGTERM and a
// clear failure when the port is taken.
#include "TestPorts.h"

#include <QProcess>
#include <QTcpSocket>
#include <QtTest>

#include <csignal>

class TestProgram : public QObject
{
    Q_OBJECT

private slots:
    void logsAndStopsCleanly();
    void refusesBadValues_data();
    void refusesBadValues();
    void needsNoDrawingLibrary();
};

void TestProgram::logsAndStopsCleanly()
{
    const quint16 port = freePort();
    QVERIFY(port != 0);
    // The player's added categories are played too; a known one is refused.
    QTemporaryDir home;
    QVERIFY(home.isValid());
    QFile added(home.filePath(QStringLiteral("Lexaburstaddcats.txt")));
    QVERIFY(added.open(QIODevice::WriteOnly));
    added.write("CARD TRICKS\r\nVEGETABLE\r\n");
    added.close();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LEXIBURST_HOME"), home.path());
    // Game seconds of a tenth: a connection that never signs in is closed soon.
    environment.insert(QStringLiteral("LEXIBURST_SECOND_MS"), QStringLiteral("100"));

    QProcess host;
    host.setProcessEnvironment(environment);
    QByteArray log;
    connect(&host, &QProcess::readyReadStandardError, this,
            [&] { log += host.readAllStandardError(); });
    const QStringList arguments {QStringLiteral("--port"), QString::number(port),
                                 QStringLiteral("--bind"), QStringLiteral("127.0.0.1")};
    host.start(QStringLiteral(LEXIBURST_HOST_BIN), arguments);
    QVERIFY(host.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(
        log.contains("listening on 127.0.0.1 port " + QByteArray::number(port)), 20000);
    QVERIFY(log.contains("1 added categories from "));

    // No client of its own: the first connection takes seat 1.
    QTcpSocket client;
    client.connectToHost(QHostAddress::LocalHost, port);
    QTRY_VERIFY(client.bytesAvailable() > 0);
    QCOMPARE(client.readAll(), QByteArray("CMD_sendlogininfo+1\xff"));
    client.write("CMD_logininfo+1+1.0.4+Ann\xff\xff");
    QTRY_VERIFY(log.contains("seat 1 signed in as Ann"));
    client.write("CMD_startgame+Ann+2+45+0+1+\xff");
    QTRY_VERIFY(log.contains("game started by Ann: 2 rounds, 45 s to answer, One Winner Only"));
    QTRY_VERIFY(log.contains("round 1 letter "));

    QTcpSocket silent;
    silent.connectToHost(QHostAddress::LocalHost, port);
    QTRY_VERIFY_WITH_TIMEOUT(
        log.contains("closed seat 2 (127.0.0.1): no sign-in within 60 seconds\n"), 20000);

    // A second host on the same port says why it fails.
    QProcess second;
    second.start(QStringLiteral(LEXIBURST_HOST_BIN), arguments);
    QVERIFY(second.waitForFinished(20000));
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QVERIFY(second.exitCode() != 0);
    QVERIFY(second.readAllStandardError().contains(
        QStringLiteral("cannot listen on 127.0.0.1: Port %1 is in use by another program")
            .arg(port)
            .toLatin1()));

    // Ann drops out of the game: the lead passes to Bob, and Ann, back on
    // whatever seat was free, is moved to her kept seat.
    QTcpSocket bob;
    bob.connectToHost(QHostAddress::LocalHost, port);
    QTRY_VERIFY(bob.bytesAvailable() > 0);
    bob.write("CMD_logininfo+2+1.0.4+Bob\xff\xff");
    QTRY_VERIFY(log.contains("seat 2 signed in as Bob"));
    client.disconnectFromHost();
    QTRY_VERIFY(log.contains("seat 1 left (Ann)"));
    QTRY_VERIFY(log.contains("seat 2 (Bob) now leads the game"));
    QTcpSocket back;
    back.connectToHost(QHostAddress::LocalHost, port);
    QByteArray heard; // game news comes in between
    QTRY_VERIFY((heard += back.readAll()).contains("CMD_sendlogininfo+3\xff"));
    back.write("CMD_peerinfo+3+person+lead\xff"
               "CMD_logininfo+3+1.0.4+Ann\xff\xff");
    QTRY_VERIFY((heard += back.readAll()).contains("CMD_sendlogininfo+1\xff"));
    QVERIFY(heard.contains("CMD_leads+2+Bob\xff"));
    back.write("CMD_logininfo+1+1.0.4+Ann\xff\xff");
    QTRY_VERIFY(log.contains("seat 1 rejoined as Ann"));
    ::kill(pid_t(host.processId()), SIGTERM);
    QVERIFY(host.waitForFinished(20000));
    QCOMPARE(host.exitStatus(), QProcess::NormalExit);
    QCOMPARE(host.exitCode(), 0);
}

void TestProgram::refusesBadValues_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("variable"); // NAME=VALUE, or empty
    QTest::addColumn<QByteArray>("refusal");
    const QString port = QStringLiteral("--port");
    QTest::newRow("port not a number")
        << QStringList {port, QStringLiteral("abc")} << QString()
        << QByteArray("lexiburst-host: --port must be a whole number from 1 to 65535, not "
                      "\"abc\".\n");
    QTest::newRow("port zero") << QStringList {port, QStringLiteral("0")} << QString()
                               << QByteArray("--port must be a whole number from 1 to 65535");
    QTest::newRow("blank address")
        << QStringList {QStringLiteral("--bind"), QStringLiteral(" ")} << QString()
        << QByteArray("lexiburst-host: --bind must not be empty or blank.\n");
    QTest::newRow("stray word") << QStringList {QStringLiteral("7800")} << QString()
                                << QByteArray("lexiburst-host: unexpected arguments\n");
    QTest::newRow("port variable")
        << QStringList() << QStringLiteral("LEXIBURST_PORT=abc")
        << QByteArray("lexiburst-host: LEXIBURST_PORT must be a whole number from 1 to 65535, "
                      "not \"abc\".\n");
    QTest::newRow("second in hex")
        << QStringList() << QStringLiteral("LEXIBURST_SECOND_MS=0x64")
        << QByteArray("LEXIBURST_SECOND_MS must be a whole number from 1 to 3600000, not "
                      "\"0x64\".");
}

// A bad value ends the host before it listens, with status 2 and one clear line.
void TestProgram::refusesBadValues()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, variable);
    QFETCH(QByteArray, refusal);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!variable.isEmpty())
        environment.insert(variable.section(u'=', 0, 0), variable.section(u'=', 1));
    QProcess host;
    host.setProcessEnvironment(environment);
    host.start(QStringLiteral(LEXIBURST_HOST_BIN), arguments);
    QVERIFY(host.waitForFinished(20000));
    QCOMPARE(host.exitCode(), 2);
    const QByteArray said = host.readAllStandardError();
    QVERIFY2(said.contains(refusal), said.constData());
}

void TestProgram::needsNoDrawingLibrary()
{
    // A host on a machine without a display must not pull in the GUI libraries.
    QProcess ldd;
    ldd.start(QStringLiteral("ldd"), {QStringLiteral(LEXIBURST_HOST_BIN)});
    QVERIFY(ldd.waitForFinished(20000));
    const QByteArray libraries = ldd.readAllStandardOutput();
    QVERIFY(libraries.contains("libQt6Core"));
    QVERIFY2(!libraries.contains("libQt6Gui") && !libraries.contains("libQt6Widgets"),
             libraries.constData());
}

QTEST_GUILESS_MAIN(TestProgram)
#include "tst_program.moc"
