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

Outcome run(const QStringList &arguments)
{
    QProcess bot;
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
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("output");
        QTest::newRow("help") << QStringList {QStringLiteral("--help")} << 0
                              << QByteArray("--skill 1|2|3");
        QTest::newRow("version") << QStringList {QStringLiteral("--version")} << 0
                                 << QByteArray("lexiburst-bot 1.0.4\n");
        QTest::newRow("skill out of range")
            << QStringList {QStringLiteral("--skill"), QStringLiteral("4")} << 2
            << QByteArray("--skill needs a number from 1 to 3");
        QTest::newRow("nobody listening")
            << QStringList {QStringLiteral("--port"), QStringLiteral("1")} << 1
            << QByteArray("cannot connect");
    }

    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, output);
        const Outcome outcome = run(arguments);
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
                                  QByteArray("CMD_logininfo+2+1.0.4+Klot\xff\xff"), 20000);
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
