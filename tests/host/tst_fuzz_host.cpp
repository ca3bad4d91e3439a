// The host under a seeded stream of hostile messages, connections and clock
// ticks; every step is followed by the checks of HostFuzzer.
#include "HostFuzzer.h"

#include <QtTest>

namespace {

constexpr int Seeds = 4;
constexpr int StepsPerSeed = 6000;

} // namespace

class TestFuzzHost : public QObject
{
    Q_OBJECT

private slots:
    void hostileSessions();
};

void TestFuzzHost::hostileSessions()
{
    QSet<int> phases;
    int refusals = 0;
    int waitingClosed = 0;
    int returns = 0;
    int takenOver = 0;
    for (quint32 seed = 1; seed <= Seeds; ++seed) {
        HostFuzzer fuzzer(seed);
        for (int step = 0; step < StepsPerSeed; ++step) {
            if (!fuzzer.step())
                QFAIL(qPrintable(QStringLiteral("seed %1 step %2: %3")
                                     .arg(seed)
                                     .arg(step)
                                     .arg(fuzzer.failure())));
        }
        phases += fuzzer.phasesSeen();
        refusals += fuzzer.refusals();
        waitingClosed += fuzzer.waitingClosed();
        returns += fuzzer.returns();
        takenOver += fuzzer.takenOver();
    }
    // The sessions went where they are meant to: every phase, a full host, and
    // newcomers seated in place of connections that did not sign in, players
    // back on their seats, some from a connection the host still held.
    QCOMPARE(phases, (QSet<int> {1, 2, 3, 4, 5}));
    QVERIFY(refusals > 0);
    QVERIFY(waitingClosed > 0);
    QVERIFY2(returns > takenOver && takenOver > 0, qPrintable(QString::number(takenOver)));
}

QTEST_GUILESS_MAIN(TestFuzzHost)
#include "tst_fuzz_host.moc"
