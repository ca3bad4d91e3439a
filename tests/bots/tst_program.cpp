// The computer player program: its command line, its sign-in over TCP, its end
// when the host hangs up, and no drawing library.
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

namespace {

const QString Program = QStringLiteral(LEXIBURST_BOT_BIN);

struct Outcome
{
    int exitCode = -1;
    QByteArray output;
};

Outcome run(const QStringList &arguments, const QStringList &environment = {})
{
    QProcess bot;
    QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
    for (const QString &variable : environment)
        variables.insert(variable.section(u'=', 0, 0), variable.section(u'=', 1));
    bot.setProcessEnvironment(variables);
    bot.setProcessChannelMode(QProcess::MergedChannels);
    bot.start(Program, arguments);
    if (!bot.waitForFinished(20000))
        return {};
    return {bot.exitCode(), bot.readAll()};
}

} // namespace

class BotProgramTest : public QObject
{
    Q_OBJECT

private slots:
    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("environment");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("output");
        const auto args = [](const char *text) {
            return QString::fromLatin1(text).split(u' ', Qt::SkipEmptyParts);
        };
        const QStringList none;
        QTest::newRow("help") << args("--help") << none << 0 << QByteArray("--skill 1|2|3");
        QTest::newRow("version") << args("--version") << none << 0
                                 << QByteArray("lexiburst-bot 1.0.4\n");
        QTest::newRow("skill out of range")
            << args("--skill 4") << none << 2
            << QByteArray("lexiburst-bot: --skill must be a whole number from 1 to 3, not \"4\".");
        QTest::newRow("port not a number")
            << args("--port 12ab") << none << 2
            << QByteArray("--port must be a whole number from 1 to 65535, not \"12ab\".");
        QTest::newRow("seed in hex") << args("--seed 0x10") << none << 2
                                     << QByteArray("--seed must be a whole number from 0 to "
                                                   "4294967295, not \"0x10\".");
        QTest::newRow("blank name")
            << QStringList {QStringLiteral("--name"), QStringLiteral(" ")} << none << 2
            << QByteArray("--name must not be empty or blank.");
        QTest::newRow("unknown option")
            << args("--colour red") << none << 2 << QByteArray("Unknown option 'colour'.");
        QTest::newRow("port variable")
            << none << QStringList {QStringLiteral("LEXIBURST_PORT=abc")} << 2
            << QByteArray("lexiburst-bot: LEXIBURST_PORT must be a whole number from 1 to "
                          "65535, not \"abc\".\n");
        QTest::newRow("second variable")
            << none << QStringList {QStringLiteral("LEXIBURST_SECOND_MS=5000000")} << 2
            << QByteArray("LEXIBURST_SECOND_MS must be a whole number from 1 to 3600000, not "
                          "\"5000000\".");
        QTest::newRow("nobody listening")
            << args("--port 1") << QStringList {QStringLiteral("LEXIBURST_PORT=")} << 1
            << QByteArray("cannot connect");
    }

    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, environment);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, output);
        const Outcome outcome = run(arguments, environment);
        QCOMPARE(outcome.exitCode, exitCode);
        QVERIFY2(outcome.output.contains(output), outcome.output.constData());
    }

    void signsInAndEndsWhenTheHostHangsUp()
    {
        QTcpServer host;
        QVERIFY(host.listen(QHostAddress::LocalHost, 0));
        QProcess bot;
        bot.start(Program,
                  {QStringLiteral("--port"), QString::number(host.serverPort()),
                   QStringLiteral("--seed"), QStringLiteral("5")});
        QVERIFY(host.waitForNewConnection(20000));
        QTcpSocket *connection = host.nextPendingConnection();
        connection->write("CMD_sendlogininfo+2\xff");
        QByteArray heard;
        QTRY_COMPARE_WITH_TIMEOUT(heard += connection->readAll(),
                                  QByteArray("CMD_peerinfo+2+computer+lead back removed kept "
                                             "drafts done removal takeover away welcome "
                                             "notice resume\xff"
                                             "CMD_logininfo+2+1.0.4+Klot\xff\xff"),
                                  20000);
        connection->close();
        QVERIFY(bot.waitForFinished(20000));
        QCOMPARE(bot.exitCode(), 0);
    }

    void needsNoDrawingLibrary()
    {
        QProcess ldd;
        ldd.start(QStringLiteral("ldd"), {Program});
        QVERIFY(ldd.waitForFinished(20000));
        const QByteArray libraries = ldd.readAllStandardOutput();
        QVERIFY(libraries.contains("libQt6Network"));
        QVERIFY2(!libraries.contains("libQt6Gui"), libraries.constData());
    }
};

QTEST_GUILESS_MAIN(BotProgramTest)
#include "tst_program.moc"
