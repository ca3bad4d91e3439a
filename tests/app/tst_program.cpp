// The game program itself: one copy per user session, a refusal of a bad
// variable or option before any window, and a clean end on SIGTERM.
#include "ClientTestSupport.h"

#include <QDir>
#include <QProcess>

using namespace Qt::StringLiterals;

class ProgramTest : public QObject
{
    Q_OBJECT

private slots:
    void secondProgramEndsAtOnce();
    void badEnvironmentEndsTheProgram_data();
    void badEnvironmentEndsTheProgram();
    void terminationSignalClosesTheWindow_data();
    void terminationSignalClosesTheWindow();
};

// The real program in surroundings of its own: its session folder and home,
// and `host` to join, so it runs until it is ended.
struct Program
{
    Program()
    {
        QFile::setPermissions(runtime.path(),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                  | QFileDevice::ExeOwner);
        environment.insert(u"XDG_RUNTIME_DIR"_s, runtime.path());
        environment.insert(u"LEXIBURST_HOME"_s, home.path());
        environment.insert(u"LEXIBURST_PORT"_s, QString::number(host.port()));
        environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
        environment.insert(u"ASAN_OPTIONS"_s, u"detect_leaks=0"_s);
        // Without a display a refusal goes to standard error only.
        environment.remove(u"DISPLAY"_s);
        environment.remove(u"WAYLAND_DISPLAY"_s);
    }
    void start(QProcess &copy, const QStringList &arguments = {u"Ann"_s, u"127.0.0.1"_s}) const
    {
        copy.setProcessEnvironment(environment);
        copy.start(path, arguments);
    }
    // A copy has claimed the session of `folder`: its single-instance socket is there.
    static bool claimed(const QString &folder)
    {
        return !QDir(folder).entryList({u"22nroz-*"_s}, QDir::System).isEmpty();
    }

    const QString path = QStringLiteral(LEXIBURST_GAME_BIN);
    QTemporaryDir runtime;
    QTemporaryDir home;
    FakeHost host;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
};

// The real program: a second copy in the same session makes no window and
// ends; a copy in another session runs on its own.
void ProgramTest::secondProgramEndsAtOnce()
{
    Program program;
    QProcess first, second, elsewhere;
    program.start(first);
    QVERIFY(first.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(Program::claimed(program.runtime.path()), 20000);
    program.start(second);
    QVERIFY(second.waitForFinished(20000));
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    QCOMPARE(first.state(), QProcess::Running);

    QTemporaryDir otherRuntime;
    program.environment.insert(u"XDG_RUNTIME_DIR"_s, otherRuntime.path());
    program.start(elsewhere);
    QVERIFY(elsewhere.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(Program::claimed(otherRuntime.path()), 20000);
    QCOMPARE(elsewhere.state(), QProcess::Running);
    elsewhere.kill();
    elsewhere.waitForFinished();
    first.kill();
    first.waitForFinished();
}

void ProgramTest::badEnvironmentEndsTheProgram_data()
{
    QTest::addColumn<QString>("port");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("refusal");
    QTest::newRow("bad port") << u"abc"_s << QStringList {u"Ann"_s, u"127.0.0.1"_s}
                              << "lexiburst: LEXIBURST_PORT must be a whole number from 1 to "
                                 "65535, not \"abc\".\n"_ba;
    QTest::newRow("unknown option") << QString() << QStringList {u"-v"_s}
                                    << "lexiburst: unknown option -v\nusage: lexiburst "_ba;
}

// The real program refuses a bad variable or option before it opens a window.
void ProgramTest::badEnvironmentEndsTheProgram()
{
    QFETCH(QString, port);
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, refusal);
    Program program;
    if (!port.isNull())
        program.environment.insert(u"LEXIBURST_PORT"_s, port);
    QProcess game;
    program.start(game, arguments);
    QVERIFY(game.waitForFinished(20000));
    QCOMPARE(game.exitCode(), 2);
    QVERIFY2(game.readAllStandardError().startsWith(refusal), refusal.constData());
    QCOMPARE(program.host.connections(), 0);
}

// Stopped by the session (SIGTERM): the program closes its window as the player
// would, so what it keeps is written, instead of dying on the signal.
void ProgramTest::terminationSignalClosesTheWindow_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("playing") << QStringList {u"Ann"_s, u"127.0.0.1"_s};
    // The refusal of a blank name waits in a box for the player.
    QTest::newRow("box open") << QStringList {u" "_s, u"127.0.0.1"_s};
}

void ProgramTest::terminationSignalClosesTheWindow()
{
    QFETCH(QStringList, arguments);
    Program program;
    QProcess game;
    program.start(game, arguments);
    QVERIFY(game.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(Program::claimed(program.runtime.path()), 20000);
    game.terminate();
    QVERIFY(game.waitForFinished(20000));
    QCOMPARE(game.exitStatus(), QProcess::NormalExit);
    QCOMPARE(game.exitCode(), 0);
}

QTEST_MAIN(ProgramTest)
#include "tst_program.moc"
