// The LEXIBURST_* variables: one rule for every number, defaults for unset or
// empty ones, and a refusal that names the variable, the range and the value.
#include "protocol/Environment.h"

#include <QHash>
#include <QTest>

using namespace Qt::StringLiterals;

class EnvironmentTest : public QObject
{
    Q_OBJECT

private slots:
    void read_data()
    {
        QTest::addColumn<QString>("variable");
        QTest::addColumn<QString>("value"); // null: not set
        QTest::addColumn<int>("port");
        QTest::addColumn<int>("secondMs");
        QTest::addColumn<QString>("error");
        const auto portRefusal = [](const QString &value) {
            return u"LEXIBURST_PORT must be a whole number from 1 to 65535, not \"%1\"."_s.arg(
                value);
        };
        const auto secondRefusal = [](const QString &value) {
            return u"LEXIBURST_SECOND_MS must be a whole number from 1 to 3600000, not \"%1\"."_s
                .arg(value);
        };
        const QString port = u"LEXIBURST_PORT"_s;
        const QString second = u"LEXIBURST_SECOND_MS"_s;
        QTest::newRow("unset") << port << QString() << 7772 << 1000 << QString();
        QTest::newRow("empty") << port << u""_s << 7772 << 1000 << QString();
        QTest::newRow("port") << port << u"12345"_s << 12345 << 1000 << QString();
        QTest::newRow("lowest port") << port << u"1"_s << 1 << 1000 << QString();
        QTest::newRow("highest port") << port << u"65535"_s << 65535 << 1000 << QString();
        QTest::newRow("leading zero") << port << u"0080"_s << 80 << 1000 << QString();
        for (const QString &bad :
             {u"abc"_s, u"77x"_s, u"0"_s, u"65536"_s, u"-1"_s, u"+80"_s, u" 80"_s, u"80 "_s,
              u"  "_s, u"0x1f"_s, u"8.0"_s, u"99999999999999999999"_s, u"\u0668\u0660"_s})
            QTest::addRow("port \"%s\"", qPrintable(bad))
                << port << bad << 7772 << 1000 << portRefusal(bad);
        QTest::newRow("second") << second << u"50"_s << 7772 << 50 << QString();
        QTest::newRow("longest second") << second << u"3600000"_s << 7772 << 3600000 << QString();
        for (const QString &bad : {u"0x64"_s, u"5000000"_s, u"0"_s, u"-5"_s, u"1e3"_s})
            QTest::addRow("second \"%s\"", qPrintable(bad))
                << second << bad << 7772 << 1000 << secondRefusal(bad);
    }

    // The lobby's installer address and program path: taken as given when good.
    void lobby_data()
    {
        QTest::addColumn<QString>("variable");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("good");
        const QString url = u"LEXIBURST_LOBBY_URL"_s;
        const QString path = u"LEXIBURST_LOBBY_PATH"_s;
        QTest::newRow("installer") << url << u"https://lobby.example/get/Setup.exe"_s << true;
        QTest::newRow("no file name") << url << u"http://lobby.example/"_s << false;
        QTest::newRow("not the web") << url << u"file:///tmp/Setup.exe"_s << false;
        QTest::newRow("no address") << url << u"Setup.exe"_s << false;
        QTest::newRow("program") << path << u"/opt/lobby/Lobby"_s << true;
        QTest::newRow("relative program") << path << u"lobby/Lobby"_s << false;
    }

    void lobby()
    {
        QFETCH(QString, variable);
        QFETCH(QString, value);
        QFETCH(bool, good);
        const Environment::Knobs knobs = Environment::read(
            [&](const char *name) { return variable == QLatin1String(name) ? value : QString(); });
        QCOMPARE(knobs.lobbyUrl + knobs.lobbyPath, good ? value : QString());
        QCOMPARE(knobs.error.startsWith(variable + u" must be "_s), !good);
    }

    // The web port follows the game port unless chosen; 0 turns it off.
    void webPort_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("gamePort");
        QTest::addColumn<int>("served"); // -1: refused
        QTest::newRow("unset") << QString() << 7772 << 7773;
        QTest::newRow("follows the port") << QString() << 8000 << 8001;
        QTest::newRow("none past the last") << QString() << 65535 << 0;
        QTest::newRow("off") << u"0"_s << 7772 << 0;
        QTest::newRow("chosen") << u"8080"_s << 7772 << 8080;
        QTest::newRow("too high") << u"65536"_s << 7772 << -1;
        QTest::newRow("negative") << u"-1"_s << 7772 << -1;
    }

    void webPort()
    {
        QFETCH(QString, value);
        QFETCH(int, gamePort);
        QFETCH(int, served);
        const Environment::Knobs knobs = Environment::read([&](const char *name) {
            return QLatin1String(name) == "LEXIBURST_WEB_PORT"_L1 ? value : QString();
        });
        QCOMPARE(knobs.error.startsWith(u"LEXIBURST_WEB_PORT must be a whole number from 0 to "_s),
                 served < 0);
        if (served >= 0)
            QCOMPARE(int(Environment::webPort(knobs.webPort, quint16(gamePort))), served);
    }

    void read()
    {
        QFETCH(QString, variable);
        QFETCH(QString, value);
        QFETCH(int, port);
        QFETCH(int, secondMs);
        QFETCH(QString, error);
        const QHash<QString, QString> set {{variable, value}, {u"LEXIBURST_HOME"_s, u"/h"_s}};
        const Environment::Knobs knobs
            = Environment::read([&](const char *name) { return set.value(QLatin1String(name)); });
        QCOMPARE(int(knobs.port), port);
        QCOMPARE(knobs.secondMs, secondMs);
        QCOMPARE(knobs.error, error);
        QCOMPARE(knobs.home, u"/h"_s);
    }
};

QTEST_GUILESS_MAIN(EnvironmentTest)
#include "tst_environment.moc"
