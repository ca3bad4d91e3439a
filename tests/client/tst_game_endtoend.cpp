// Whole games in one process over loopback: a real host, the hosting player's
// main window and two joining ones. The host starts the game from the start
// window, everybody types answers with key events and votes by clicking the
// pictures; in the end every board shows the host's scores and the same winner.
// Before any game, the players chat, leave and are removed.
#include "ClientTestSupport.h"
#include "client/GamePanels.h"
#include "storage/HomeFolder.h"
#include "windows/gamestartform.h"

#include "host/HostOptions.h"
#include "host/serverform.h"
#include "protocol/GameRandom.h"

#include <QTemporaryDir>

#include <vector>

using namespace Qt::StringLiterals;

namespace {

// One game second, on host and clients alike.
constexpr int SecondMs = 100;
// Long enough for the slowest phase (16 voting seconds) on a loaded machine.
constexpr int PhaseTimeoutMs = 15000;

// The row of the voting panel that shows answer on chat's board; 0 if none.
int rowOf(const Tchat &chat, const QString &answer)
{
    for (int r = 1; r <= 8; ++r) {
        const QLabel *l = named<QLabel>(chat, u"label_vanswer%1"_s.arg(r));
        if (!l->isHidden() && l->text() == answer)
            return r;
    }
    return 0;
}

QWidget *picture(const Tchat &chat, const char *base, int row)
{
    return chat.findChild<QWidget *>(QLatin1String(base) + QString::number(row));
}

// A real host and the main windows of its players in one process over
// loopback: the first player's copy hosts (its windows get the host's
// listening hook), the others join. Nothing is shown yet.
struct HostedTable
{
    HostedTable(const QList<QStringList> &commandLines, quint32 seed, int secondMs = 1000,
                ChatWindows hostWindows = {})
        : random(seed)
    {
        HostOptions options;
        options.port = closedPort();
        options.secondMs = secondMs;
        server = std::make_unique<TServer>(options, random);
        // The lobby connections go to a listener of their own, never to the host's port.
        lobby.listen(QHostAddress::LocalHost, 0);
        for (const QStringList &arguments : commandLines) {
            players.push_back(std::make_unique<TestClient>(options.port, arguments));
            players.back()->chat->connection().setSecondMs(secondMs);
            players.back()->chat->setLobbyPort(lobby.serverPort());
        }
        hostWindows.startListening = [this](quint16 port, bool) {
            return server->listenOn(port);
        };
        players.front()->chat->setWindows(hostWindows);
    }
    ~HostedTable()
    {
        // The windows close their connections before the host goes.
        players.clear();
    }

    GameRandom random;
    QTcpServer lobby;
    std::unique_ptr<TServer> server;
    std::vector<std::unique_ptr<TestClient>> players;
};

} // namespace

class GameEndToEndTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void allScoringThenOneWinnerWithoutDuplicates();
    void playersChatLeaveAndAreRemoved();

private:
    QList<Tchat *> chats() const
    {
        return {m_table->players[0]->chat.get(), m_table->players[1]->chat.get(),
                m_table->players[2]->chat.get()};
    }
    bool allShow(const std::function<bool(const Tchat &)> &condition) const;
    void startGame(int rounds, int seconds, bool oneWinner, bool duplicates);
    void playRound(const std::array<QStringList, 3> &answers,
                   const std::function<void(int category)> &vote);
    QString answerOf(int player, int category) const;
    void clickVote(int player, const char *base, int authorPlayer, int category);
    void expectFinalBoards(const QString &winnerName);

    QTemporaryDir m_home;
    std::unique_ptr<Tgamestart> m_gamestart;
    std::unique_ptr<HostedTable> m_table;
    std::array<QStringList, 3> m_answers;
    QStringList m_recorded; // tally hand-over of the hosting player
    QString m_letter;
};

void GameEndToEndTest::initTestCase()
{
    QVERIFY(m_home.isValid());
    Storage::chooseHomeFolder(m_home.path());
    qputenv("LEXIBURST_SECOND_MS", QByteArray::number(SecondMs));
}

void GameEndToEndTest::init()
{
    m_gamestart = std::make_unique<Tgamestart>();
    ChatWindows windows;
    windows.gamestart = m_gamestart.get();
    windows.recordGame = [this](const QString &winner) {
        m_recorded.append(winner);
    };
    // The hosting main window sends what the start window gives it.
    m_table
        = std::make_unique<HostedTable>(QList<QStringList> {{u"Ann"_s, u"127.0.0.1"_s, u"true"_s},
                                                            {u"Bob"_s, u"127.0.0.1"_s, u"join"_s},
                                                            {u"Cid"_s, u"127.0.0.1"_s, u"join"_s}},
                                        11, SecondMs, windows);
    for (int p = 0; p < 3; ++p) {
        m_table->players[p]->chat->show();
        QTRY_COMPARE(m_table->players[p]->chat->ownSeat(), p + 1);
    }
    QTRY_VERIFY(allShow(
        [](const Tchat &c) { return seatLabel(c, "label_playername", 3)->text() == u"Cid"_s; }));
}

void GameEndToEndTest::cleanup()
{
    m_table.reset();
    m_gamestart.reset();
}

bool GameEndToEndTest::allShow(const std::function<bool(const Tchat &)> &condition) const
{
    return std::all_of(m_table->players.begin(), m_table->players.end(),
                       [&](const auto &p) { return condition(*p->chat); });
}

void GameEndToEndTest::startGame(int rounds, int seconds, bool oneWinner, bool duplicates)
{
    Tchat &ann = *m_table->players[0]->chat;
    QVERIFY(isShown(ann, u"button_start"_s));
    QVERIFY(!isShown(*m_table->players[1]->chat, u"button_start"_s));
    QTest::mouseClick(ann.findChild<QWidget *>(u"button_start"_s), Qt::LeftButton);
    QTRY_VERIFY(m_gamestart->isVisible());

    m_gamestart->setPlayToScore(rounds);
    m_gamestart->setCreationTime(seconds);
    auto *gt = m_gamestart->findChild<TOptionBox *>(oneWinner ? u"image_gt2"_s : u"image_gt1"_s);
    QTest::mouseClick(gt, Qt::LeftButton);
    auto *dup = m_gamestart->findChild<TOptionBox *>(u"image_duplicate"_s);
    if (dup->tag() != (duplicates ? 1 : 0))
        QTest::mouseClick(dup, Qt::LeftButton);
    QTest::mouseClick(m_gamestart->findChild<QWidget *>(u"button_start"_s), Qt::LeftButton);
    QVERIFY(!m_gamestart->isVisible());
}

QString GameEndToEndTest::answerOf(int player, int category) const
{
    return m_answers[player].value(category - 1);
}

void GameEndToEndTest::clickVote(int player, const char *base, int authorPlayer, int category)
{
    const Tchat &chat = *m_table->players[player]->chat;
    const int row = rowOf(chat, answerOf(authorPlayer, category));
    QStringList shown;
    for (int r = 1; r <= 8; ++r)
        shown << textOf(chat, u"label_vanswer%1"_s.arg(r));
    QVERIFY2(row > 0,
             qPrintable(
                 u"\"%1\" not among %2"_s.arg(answerOf(authorPlayer, category), shown.join(u','))));
    QWidget *target = picture(chat, base, row);
    QVERIFY(!target->isHidden());
    QTest::mouseClick(target, Qt::LeftButton);
    QVERIFY(target->isHidden());
}

// Plays one round: answers[player] holds a word stem per category ("" = none);
// the stems get the round's letter in front. vote(category) clicks pictures.
void GameEndToEndTest::playRound(const std::array<QStringList, 3> &stems,
                                 const std::function<void(int category)> &vote)
{
    QTRY_VERIFY_WITH_TIMEOUT(allShow([](const Tchat &c) {
                                 return isShown(c, u"panel_enter"_s)
                                     && c.clientGame().phase() == Protocol::Phase::Answering
                                     && !textOf(c, u"label_cat8"_s).isEmpty();
                             }),
                             PhaseTimeoutMs);
    const Tchat &ann = *m_table->players[0]->chat;
    m_letter = textOf(ann, u"label_answersent"_s).right(1);
    for (int p = 0; p < 3; ++p) {
        m_answers[p].clear();
        GamePanels *game = m_table->players[p]->chat->game();
        for (int n = 1; n <= 8; ++n) {
            const QString stem = stems[p].value(n - 1);
            const QString answer = stem.isEmpty() ? QString() : m_letter + stem;
            m_answers[p].append(answer);
            QLineEdit *box = game->answerEdit(n);
            QVERIFY(box->isEnabled());
            QTest::keyClicks(box, answer);
            QTest::keyClick(box, Qt::Key_Return);
        }
    }
    QTRY_VERIFY_WITH_TIMEOUT(allShow([](const Tchat &c) {
                                 return textOf(c, u"label_status"_s) == u"Prepare to Vote."_s;
                             }),
                             PhaseTimeoutMs);

    for (int category = 1; category <= 8; ++category) {
        const QString heading = textOf(ann, u"label_cat%1"_s.arg(category));
        QTRY_VERIFY_WITH_TIMEOUT(allShow([&](const Tchat &c) {
                                     return isShown(c, u"panel_vote"_s)
                                         && textOf(c, u"label_cata"_s) == heading
                                         && textOf(c, u"label_status"_s).startsWith(u"Choose"_s);
                                 }),
                                 PhaseTimeoutMs);
        vote(category);
        if (QTest::currentTestFailed())
            return;
        QTRY_VERIFY_WITH_TIMEOUT(allShow([](const Tchat &c) {
                                     return textOf(c, u"label_status"_s)
                                         == u"Posting Scores.. Please Wait."_s;
                                 }),
                                 PhaseTimeoutMs);
        // What each board shows after the posting is what the host holds.
        for (const Tchat *chat : chats())
            for (int seat = 1; seat <= 3; ++seat)
                QCOMPARE(seatLabel(*chat, "label_score", seat)->text(),
                         QString::number(m_table->server->seat(seat).gameScore));
    }
    QTRY_VERIFY_WITH_TIMEOUT(allShow([](const Tchat &c) { return isShown(c, u"panel_scores"_s); }),
                             PhaseTimeoutMs);
}

void GameEndToEndTest::expectFinalBoards(const QString &winnerName)
{
    QTRY_VERIFY_WITH_TIMEOUT(allShow([](const Tchat &c) { return isShown(c, u"panel_winner"_s); }),
                             PhaseTimeoutMs);
    for (int p = 0; p < 3; ++p) {
        const Tchat &chat = *m_table->players[p]->chat;
        const bool won = chat.playerName() == winnerName;
        QCOMPARE(textOf(chat, u"label_winner1"_s),
                 won ? u"You have Won the Game!"_s : winnerName + u" has Won the Game!"_s);
        QCOMPARE(textOf(chat, u"label_status"_s), u"Game Over!"_s);
        for (int seat = 1; seat <= 3; ++seat)
            QCOMPARE(seatLabel(chat, "label_score", seat)->text(),
                     QString::number(m_table->server->seat(seat).gameScore));
    }
    QVERIFY(isShown(*m_table->players[0]->chat, u"button_start"_s));
    QVERIFY(!isShown(*m_table->players[1]->chat, u"button_start"_s));
}

void GameEndToEndTest::allScoringThenOneWinnerWithoutDuplicates()
{
    // All Scoring, one round: Ann answers everything, Bob five, Cid three.
    startGame(1, 30, false, true);
    QTRY_VERIFY(
        allShow([](const Tchat &c) { return textOf(c, u"label_gametype"_s) == u"All Scoring"_s; }));
    const std::array<QStringList, 3> allScoring = {
        QStringList {u"ax"_s, u"bx"_s, u"cx"_s, u"dx"_s, u"ex"_s, u"fx"_s, u"gx"_s, u"hx"_s},
        QStringList {u"by"_s, u"cy"_s, {}, u"dy"_s, {}, u"ey"_s, u"fy"_s, {}},
        QStringList {u"cz"_s, u"dz"_s, {}, {}, {}, {}, {}, u"hz"_s},
    };
    playRound(allScoring, [this](int category) {
        if (category == 1) {
            // One decline of three players leaves the answer accepted.
            clickVote(1, "image_voteagainst", 0, 1);
            clickVote(2, "image_votefor", 0, 1);
        }
        if (category == 2) {
            // Two declines reject Cid's answer; accepting sends nothing.
            clickVote(0, "image_voteagainst", 2, 2);
            clickVote(1, "image_voteagainst", 2, 2);
            clickVote(2, "image_votefor", 1, 2);
        }
    });
    if (QTest::currentTestFailed())
        return;
    expectFinalBoards(u"Ann"_s);
    QCOMPARE(m_table->server->seat(1).gameScore, 8);
    QCOMPARE(m_table->server->seat(2).gameScore, 5);
    QCOMPARE(m_table->server->seat(3).gameScore, 2);
    QCOMPARE(m_recorded, QStringList {u"addtomine"_s});

    // One Winner Only, duplicates not allowed: Bob and Cid give the same answer
    // to the first category; Bob and Cid favour Ann's answers, Ann Bob's.
    startGame(1, 30, true, false);
    if (QTest::currentTestFailed())
        return;
    QTRY_VERIFY(allShow([](const Tchat &c) {
        return textOf(c, u"label_gametype"_s) == u"One Winner Only No Duplicates"_s
            && seatLabel(c, "label_score", 1)->text() == u"0"_s;
    }));
    const std::array<QStringList, 3> oneWinner = {
        QStringList {u"ab"_s, u"ba"_s, u"ca"_s, u"da"_s, u"ea"_s, u"fa"_s, u"ga"_s, u"ha"_s},
        QStringList {u"same"_s, u"bb"_s, u"cb"_s, u"db"_s, u"eb"_s, u"fb"_s, u"gb"_s, u"hb"_s},
        QStringList {u"SAME"_s, u"bc"_s, u"cc"_s, u"dc"_s, u"ec"_s, u"fc"_s, u"gc"_s, u"hc"_s},
    };
    playRound(oneWinner, [this](int category) {
        const Tchat &ann = *m_table->players[0]->chat;
        for (int p = 0; p < 3; ++p) {
            const Tchat &chat = *m_table->players[p]->chat;
            QCOMPARE(chat.findChild<QWidget *>(u"image_voteagainst1"_s)->isHidden(), true);
            // No favourite for the own answer.
            const int own = rowOf(chat, answerOf(p, category));
            QVERIFY(own > 0);
            QVERIFY(picture(chat, "image_votefor", own)->isHidden());
        }
        if (category == 1) {
            for (int p : {1, 2}) {
                const int row = rowOf(ann, answerOf(p, 1));
                QVERIFY(row > 0);
                QVERIFY(picture(ann, "image_votefor", row)->isHidden());
                QVERIFY(named<QLabel>(ann, u"label_vanswer%1"_s.arg(row))->font().strikeOut());
            }
        } else {
            clickVote(0, "image_votefor", 1, category);
        }
        clickVote(1, "image_votefor", 0, category);
        clickVote(2, "image_votefor", 0, category);
        if (QTest::currentTestFailed())
            return;
        // One favourite per category.
        for (int r = 1; r <= 8; ++r)
            QVERIFY(picture(*m_table->players[1]->chat, "image_votefor", r)->isHidden());
    });
    if (QTest::currentTestFailed())
        return;
    expectFinalBoards(u"Ann"_s);
    QCOMPARE(m_table->server->seat(1).gameScore, 16);
    QCOMPARE(m_recorded, (QStringList {u"addtomine"_s, u"addtomine"_s}));
}

void GameEndToEndTest::playersChatLeaveAndAreRemoved()
{
    Tchat &ann = *m_table->players[0]->chat;
    Tchat &bob = *m_table->players[1]->chat;
    QVERIFY(ann.isHost() && !bob.isHost());
    QTRY_VERIFY(chatLines(bob).contains(u"Ann is Connected."_s));
    QVERIFY(chatLines(bob).contains(u"You are Connected."_s));
    bob.chatPanel().setTextColour(QColor(0x80, 0, 0));
    chatEntry(bob)->setText(u"hello + all"_s);
    bob.chatPanel().send();
    QTRY_COMPARE(lastChatLine(ann), u"Bob chats:  hello + all"_s);
    QTRY_COMPARE(lastChatLine(bob), u"Bob chats:  hello + all"_s);
    QCOMPARE(chatView(ann)->style(2).colour, QColor(0x80, 0, 0));

    // Only the host's removal is carried out.
    bob.kicking(1);
    ann.board().prepareSeatMenu(2);
    named(ann, u"RemoveFromGame1"_s)->trigger();
    QTRY_VERIFY(m_table->players[1]->closed);
    QTRY_COMPARE(lastChatLine(ann), u"Bob was removed from the game."_s);
    QCOMPARE(seatLabel(ann, "label_playername", 2)->text(), u"<Waiting>"_s);
    m_table->players[2].reset(); // Cid leaves
    QTRY_COMPARE(lastChatLine(ann), u"Cid disconnected."_s);
    QVERIFY(!m_table->players[0]->closed);
}

QTEST_MAIN(GameEndToEndTest)
#include "tst_game_endtoend.moc"
