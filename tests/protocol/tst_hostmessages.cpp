// What the host builds reads back the same, and what does not read is refused
// whole.
#include "protocol/HostMessages.h"

#include <QTest>

#include <functional>

Q_DECLARE_METATYPE(std::function<bool(const QString &)>)

using namespace Qt::StringLiterals;
using namespace Protocol;

namespace {

// The argument of a built message: no command name, no terminator.
QString argumentOf(const QByteArray &message)
{
    QString text = QString::fromLatin1(message.chopped(1));
    return text.mid(text.indexOf(u'+') + 1);
}

const QStringList Categories {u"Fruit"_s, u"Car Part"_s, u"A"_s, u"B"_s,
                              u"C"_s,     u"D"_s,        u"E"_s, u"F"_s};

} // namespace

class HostMessagesTest : public QObject
{
    Q_OBJECT

private slots:
    void roundTrips()
    {
        for (const auto &build : {&Msg::newplayerinfo, &Msg::existingplayers,
                                  &Msg::playerdisconnected, &Msg::leads, &Msg::playerback}) {
            const auto player = Read::seatAndName(argumentOf(build(9, u"Ann+Co"_s)));
            QVERIFY(player && player->seat == 9 && player->name == u"Ann+Co"_s);
        }
        for (const bool watching : {true, false})
            QCOMPARE(Read::justwatching(argumentOf(Msg::justwatching(3, watching)))->watching,
                     watching);
        QCOMPARE(Read::playasound(argumentOf(Msg::playasoundRelay(4, u"wave7+"_s)))->sound,
                 u"wave7"_s);

        const auto start
            = Read::startgame(argumentOf(Msg::startgameRelay(u"Ann"_s, 3, 60, u"0"_s, u"0"_s)));
        QVERIFY(start && start->starter == u"Ann"_s && start->rounds == 3);
        QVERIFY(start->turnTime == 60 && start->gameType == GameType::OneWinnerOnly);
        QVERIFY(!start->duplicatesAllowed);

        const auto round = Read::startround(argumentOf(Msg::startround(4, 16, Categories)));
        QVERIFY(round && round->roundNumber == u"4"_s && round->letter() == u'R');
        QCOMPARE(round->categories[1], u"CAR PART"_s);

        const auto vote = Read::showcat(
            argumentOf(Msg::showcat(u"Fruit"_s, {{1, u"rasp"_s, false}, {3, u"rye"_s, true}})));
        QVERIFY(vote && vote->category == u"Fruit"_s && vote->count == 2);
        QVERIFY(vote->answers[1].seat == 3 && vote->answers[1].duplicate);
        QCOMPARE(Read::noanswers(argumentOf(Msg::noanswers(u"Tree"_s))), u"Tree"_s);

        const auto lines = Read::postscores(argumentOf(Msg::postscores({{2, 3, 1, 13}})));
        QVERIFY(lines && lines->size() == 1 && lines->first().totalScore == 13);
        const auto one = Read::oneanswer(argumentOf(Msg::oneanswer(3, 2, 1, 4, u"x"_s, u"a+b"_s)));
        QVERIFY(one && one->seat == 2 && one->total == 4 && one->answer == u"a+b"_s);

        GameStats stats {4, 1, 5, 2, 90, 30, 17, u"1"_s, {7, 3}, Categories};
        const auto snapshot = Read::gamestats(argumentOf(Msg::gamestats(stats)));
        QVERIFY(snapshot && snapshot->seat == 4 && snapshot->secondsLeft == 30);
        QVERIFY(snapshot->gameType == GameType::AllScoring && snapshot->scores[1] == 3);
        QCOMPARE(snapshot->categories[0], u"FRUIT"_s);

        const auto kept = Read::keptanswers(argumentOf(Msg::keptanswers(2, {u"Bat"_s, {}})));
        QVERIFY(kept && kept->seat == 2 && kept->answers[0] == u"Bat"_s);
        QCOMPARE(Read::winner(argumentOf(Msg::winner(u"C+C"_s))), u"C+C"_s);
        const auto done = Read::playerdone(argumentOf(Msg::playerdone(8, DoneWith::Vote)));
        QVERIFY(done && done->seat == 8 && done->what == DoneWith::Vote);
    }

    void refusals_data()
    {
        QTest::addColumn<std::function<bool(const QString &)>>("reads");
        QTest::addColumn<QString>("argument");
        auto row = [](const char *name, auto reader, const QString &argument) {
            QTest::newRow(name) << std::function<bool(const QString &)>([reader](const QString &a) {
                return reader(a).has_value();
            }) << argument;
        };
        row("seat no number", &Read::seatAndName, u"x+Ann"_s);
        row("start without rounds", &Read::startgame, u"Ann+many+60+1+1+"_s);
        row("round without letter", &Read::startround, u"1+R+1+Fruit"_s);
        row("round list breaks off", &Read::startround, u"1+3+x+Fruit"_s);
        row("vote without count", &Read::showcat, u"1+x+1+a+0"_s);
        row("scores break off", &Read::postscores, u"1+3+2+13+2+1"_s);
        row("one answer off the seats", &Read::oneanswer, u"3+9+1+4+x+a"_s);
        row("snapshot seconds no number", &Read::gamestats, u"4+1+5+2+60+soon+17+1+"_s);
        row("done off the seats", &Read::playerdone, u"9+vote"_s);
        row("done with something else", &Read::playerdone, u"2+all"_s);
    }

    void refusals()
    {
        QFETCH(std::function<bool(const QString &)>, reads);
        QFETCH(QString, argument);
        QVERIFY(!reads(argument));
    }

    // Figures a hostile host could make huge are brought into range.
    void hostileFiguresInRange()
    {
        const auto snapshot = Read::gamestats(u"4+4+2147483647+2+-5+100000000+99+1+"_s);
        QVERIFY(snapshot);
        QCOMPARE(snapshot->rounds, MaxRounds);
        QCOMPARE(snapshot->turnTime, 0);
        QCOMPARE(snapshot->secondsLeft, MaxSeconds);
    }
};

QTEST_GUILESS_MAIN(HostMessagesTest)
#include "tst_hostmessages.moc"
