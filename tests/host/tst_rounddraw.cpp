// Within a game nothing comes back before everything was played once.
#include "host/CategoryTable.h"
#include "host/RoundDraw.h"
#include "protocol/GameRandom.h"

#include <QSet>
#include <QTest>

class TestRoundDraw : public QObject
{
    Q_OBJECT

private slots:
    void lettersComeBackOnlyAfterAll()
    {
        GameRandom random(3);
        RoundDraw draw;
        for (int game = 0; game < 2; ++game) {
            draw.startGame();
            QSet<int> played;
            for (int round = 0; round < 20; ++round)
                played.insert(draw.drawLetter(random, 20));
            QCOMPARE(played.size(), 20);
        }
    }

    // The built-in table holds entries that differ only in capitals or a
    // trailing blank; they count as one.
    void categoriesComeBackOnlyAfterTheWholeTable()
    {
        const QStringList table = CategoryTable::builtIn();
        QSet<QString> keys;
        for (const QString &category : table)
            keys.insert(RoundDraw::key(category));
        QVERIFY(keys.size() < table.size());

        GameRandom random(11);
        RoundDraw draw;
        draw.startGame();
        QSet<QString> played;
        const int wholeTableRounds = int(keys.size()) / 8;
        for (int round = 0; round < wholeTableRounds; ++round) {
            for (const QString &category : draw.drawCategories(random, table, 8)) {
                QVERIFY2(!played.contains(RoundDraw::key(category)), qPrintable(category));
                played.insert(RoundDraw::key(category));
            }
        }
        // The rest of the table, then a fresh start: still eight different ones.
        for (int round = 0; round < 3; ++round) {
            QSet<QString> thisRound;
            for (const QString &category : draw.drawCategories(random, table, 8))
                thisRound.insert(RoundDraw::key(category));
            QCOMPARE(thisRound.size(), 8);
        }
    }

    void aSmallTableGivesWhatItHas()
    {
        GameRandom random(1);
        RoundDraw draw;
        const QStringList drawn = draw.drawCategories(random, {"Fruit", "fruit ", "Tree"}, 8);
        QCOMPARE(drawn.size(), 2);
        QVERIFY(RoundDraw::key(drawn[0]) != RoundDraw::key(drawn[1]));
    }
};

QTEST_GUILESS_MAIN(TestRoundDraw)
#include "tst_rounddraw.moc"
