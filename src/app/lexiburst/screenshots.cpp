// Renders the main window during a small solo game with chat, the spy list,
// the game start window, a whole game played over loopback (answer entry,
// voting in both game types, round results, winner) and the other side
// windows to PNG files: lexiburst-screenshots <folder>.
#include "windows/Screenshots.h"
#include "client/ChatPanel.h"
#include "client/ChatView.h"
#include "client/GamePanels.h"
#include "client/SoundPlayer.h"
#include "client/chatform.h"
#include "windows/gamestartform.h"
#include "windows/spylistform.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include "host/HostOptions.h"
#include "host/serverform.h"
#include "protocol/GameRandom.h"

#include <array>
#include <functional>
#include <map>
#include <memory>

namespace {

constexpr int WaitMs = 10000;
// A whole round with eight categories at the short game second below.
constexpr int GameWaitMs = 90000;
// Length of one game-clock second: short enough for a whole game, long enough
// for the pictures to be taken while a panel is up.
constexpr int GameSecondMs = 120;
constexpr int ShortTurnTime = 30;
// Seconds left on the entry countdown when the entry panel is taken: the
// countdown is red and the time bar part-way.
constexpr int EntryShotCountdown = 16;

class SilentSounds : public SoundPlayer
{
public:
    void play(const QString &) override { }
};

bool waitFor(const std::function<bool()> &done, int ms = WaitMs)
{
    QDeadlineTimer deadline(ms);
    while (!done() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

quint16 freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

std::unique_ptr<Tchat> makeClient(quint16 port, const QStringList &arguments, const QString &home)
{
    auto chat = std::make_unique<Tchat>();
    chat->setSettingsFolder(home);
    chat->setPort(port);
    chat->connection().setSecondMs(GameSecondMs);
    chat->setLobbyPort(freePort());
    chat->setArguments(arguments);
    chat->setSoundPlayer(std::make_unique<SilentSounds>());
    chat->setMessageBox([](const QString &) {});
    return chat;
}

void say(Tchat &chat, const QString &text)
{
    chat.findChild<QLineEdit *>(QStringLiteral("mychat"))->setText(text);
    chat.chatPanel().send();
}

bool save(QWidget &widget, const QString &path)
{
    const bool saved = grabWindowTo(widget, path);
    QTextStream(stdout) << (saved ? "wrote " : "could not write ") << path << '\n';
    return saved;
}

QWidget *control(Tchat &chat, const QString &name)
{
    return chat.findChild<QWidget *>(name);
}

bool isUp(Tchat &chat, const QString &name)
{
    const QWidget *widget = control(chat, name);
    return widget && !widget->isHidden();
}

QString caption(Tchat &chat, const QString &name)
{
    const auto *label = chat.findChild<QLabel *>(name);
    return label ? label->text() : QString();
}

// A left click as the mouse makes it: press and release inside the control.
void click(QWidget *widget)
{
    const QPointF inside(widget->width() / 2.0, widget->height() / 2.0);
    const QPointF global = widget->mapToGlobal(inside);
    QMouseEvent press(QEvent::MouseButtonPress, inside, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, inside, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &release);
}

// The voting row (1 to 8) showing the answer of a seat with that picture; 0 if none.
int rowOf(Tchat &chat, const QString &picture, int seat)
{
    for (int row = 1; row <= GamePanels::Seats; ++row) {
        if (chat.clientGame().voteRows()[std::size_t(row - 1)].seat == seat
            && isUp(chat, picture + QString::number(row)))
            return row;
    }
    return 0;
}

void typeAnswers(Tchat &chat, const QStringList &answers)
{
    for (int n = 1; n <= GamePanels::Categories && n <= answers.size(); ++n) {
        if (auto *edit = chat.findChild<QLineEdit *>(QStringLiteral("edit_answer%1").arg(n)))
            edit->setText(answers[n - 1]);
    }
}

QString roundLetter(Tchat &chat)
{
    return caption(chat, QStringLiteral("label_answersent")).right(1);
}

QStringList roundCategories(Tchat &chat)
{
    QStringList categories;
    for (int n = 1; n <= GamePanels::Categories; ++n)
        categories << caption(chat, QStringLiteral("label_cat%1").arg(n));
    return categories;
}

// Answers of the three players for the categories of the round; the words
// start with the round's letter. Blank answers leave a category to the others.
struct RoundAnswers
{
    QStringList you;
    QStringList bob;
    QStringList cydney;
    QStringList dana;
};

// Answers for the letters and categories that the seeded host draws in the
// two games, one row per category: the hosting player, Bob, Cydney, Dana. Bob
// and Cydney share an instrument to show a duplicate.
const std::map<QString, std::array<QString, 4>> &knownAnswers()
{
    static const std::map<QString, std::array<QString, 4>> answers = {
        {QStringLiteral("F:WORD LINKED TO THANKSGIVING"),
         {QStringLiteral("Feast"), QStringLiteral("Family"), QStringLiteral("Football"),
          QStringLiteral("Feathers")}},
        {QStringLiteral("F:BODY PART"),
         {QStringLiteral("Finger"), QStringLiteral("Foot"), QStringLiteral("Forehead"),
          QStringLiteral("Finger")}},
        {QStringLiteral("F:SOMETHING BLACK"),
         {QStringLiteral("Fountain pen ink"), QString(), QStringLiteral("Frying pan"), QString()}},
        {QStringLiteral("F:TYPE OF TOOL"),
         {QStringLiteral("File"), QStringLiteral("File"), QString(), QStringLiteral("Funnel")}},
        {QStringLiteral("F:HONEYMOON SPOTS"),
         {QStringLiteral("Fiji"), QStringLiteral("Florence"), QStringLiteral("French Riviera"),
          QString()}},
        {QStringLiteral("F:STATE CAPITOL"),
         {QStringLiteral("Frankfort"), QString(), QString(), QString()}},
        {QStringLiteral("F:ONE WORD SONG TITLE"),
         {QStringLiteral("Fame"), QStringLiteral("Fever"), QString(), QStringLiteral("Faith")}},
        {QStringLiteral("F:CHRISTMAS SONGS"),
         {QStringLiteral("Frosty the Snowman"), QString(), QStringLiteral("Feliz Navidad"),
          QString()}},
        {QStringLiteral("M:MUSICAL INSTRUMENT"),
         {QStringLiteral("Mandolin"), QStringLiteral("Maracas"), QStringLiteral("Maracas"),
          QStringLiteral("Marimba")}},
        {QStringLiteral("M:FRUIT"),
         {QStringLiteral("Mango"), QStringLiteral("Melon"), QString(), QStringLiteral("Mandarin")}},
        {QStringLiteral("M:SOMETHING YOU CAN'T SEE"),
         {QStringLiteral("Magnetism"), QString(), QStringLiteral("Microbes"), QString()}},
        {QStringLiteral("M:POPULAR LAST NAME"),
         {QStringLiteral("Miller"), QStringLiteral("Martin"), QString(), QStringLiteral("Moore")}},
        {QStringLiteral("M:HONEYMOON SPOTS"),
         {QStringLiteral("Maldives"), QStringLiteral("Mexico"), QStringLiteral("Monaco"),
          QString()}},
        {QStringLiteral("M:HISTORICAL EVENT"),
         {QStringLiteral("Moon landing"), QString(), QString(), QStringLiteral("Magna Carta")}},
        {QStringLiteral("M:SOMETHING FOUND IN A PURSE"),
         {QStringLiteral("Mirror"), QStringLiteral("Mints"), QStringLiteral("Money"),
          QStringLiteral("Mascara")}},
        {QStringLiteral("M:A WEBSITE THAT YOU FREQUENT"),
         {QStringLiteral("Maps"), QString(), QString(), QString()}},
    };
    return answers;
}

// Another seed may draw other categories: then plain words of the letter, the
// hosting player answering most.
RoundAnswers answersFor(const QString &letter, const QStringList &categories)
{
    RoundAnswers answers;
    int n = 0;
    for (const QString &category : categories) {
        const auto known = knownAnswers().find(letter + QLatin1Char(':') + category.trimmed());
        if (known != knownAnswers().end()) {
            answers.you << known->second[0];
            answers.bob << known->second[1];
            answers.cydney << known->second[2];
            answers.dana << known->second[3];
        } else {
            answers.you << letter + QStringLiteral("ox");
            answers.bob << (n % 3 ? letter + QStringLiteral("ig") : QString());
            answers.cydney << (n % 2 ? letter + QStringLiteral("un") : QString());
            answers.dana << (n % 4 ? QString() : letter + QStringLiteral("ab"));
        }
        ++n;
    }
    return answers;
}

bool shoot(Tchat &chat, const QString &folder, const QString &file)
{
    QCoreApplication::processEvents();
    return save(chat, QDir(folder).filePath(file));
}

// Starts a game from the game start window as the hosting player does and
// waits for the entry panel of round 1.
bool startGame(Tgamestart &gamestart, Tchat &you, Tchat &bob, Tchat &cyd, Tchat &dana, int gameType,
               int duplicates)
{
    you.button_startClick();
    gamestart.setPlayToScore(1);
    gamestart.setCreationTime(ShortTurnTime);
    gamestart.changebox(gameType);
    gamestart.checkit(gameType == 1 ? 1 : duplicates);
    gamestart.button_startClick();
    const auto entering = [](Tchat &chat) {
        return isUp(chat, QStringLiteral("panel_enter"))
            && caption(chat, QStringLiteral("label_round")) == QStringLiteral("Round: 1 of 1")
            && chat.clientGame().phase() == Protocol::Phase::Answering;
    };
    return waitFor(
        [&] { return entering(you) && entering(bob) && entering(cyd) && entering(dana); });
}

void typeRound(Tchat &you, Tchat &bob, Tchat &cyd, Tchat &dana)
{
    const RoundAnswers answers = answersFor(roundLetter(you), roundCategories(you));
    QTextStream(stdout) << "letter " << roundLetter(you) << ": "
                        << roundCategories(you).join(QStringLiteral(", ")) << '\n';
    typeAnswers(you, answers.you);
    typeAnswers(bob, answers.bob);
    typeAnswers(cyd, answers.cydney);
    typeAnswers(dana, answers.dana);
}

bool waitForVoting(Tchat &you)
{
    return waitFor(
        [&] {
            return isUp(you, QStringLiteral("panel_vote"))
                && isUp(you, QStringLiteral("label_vanswer1"));
        },
        GameWaitMs);
}

bool playAllScoring(const QString &folder, Tgamestart &gamestart, Tchat &you, Tchat &bob,
                    Tchat &cyd, Tchat &dana)
{
    if (!startGame(gamestart, you, bob, cyd, dana, 1, 1))
        return false;
    typeRound(you, bob, cyd, dana);
    // Bob and Cydney are done early: the board marks them.
    click(control(bob, QStringLiteral("button_done")));
    click(control(cyd, QStringLiteral("button_done")));
    bool ok = waitFor(
        [&] { return caption(you, QStringLiteral("label_playername3")).endsWith(QChar(0x2713)); });
    ok = waitFor([&] { return you.clientGame().countdown() <= EntryShotCountdown; }) && ok;
    ok = shoot(you, folder, QStringLiteral("round-entry.png")) && ok;

    if (!waitForVoting(you))
        return false;
    // Bob's answer declined (struck out), Cydney's accepted; the own answer
    // still offers both pictures.
    if (const int row = rowOf(you, QStringLiteral("image_voteagainst"), 2))
        click(control(you, QStringLiteral("image_voteagainst%1").arg(row)));
    if (const int row = rowOf(you, QStringLiteral("image_votefor"), 3))
        click(control(you, QStringLiteral("image_votefor%1").arg(row)));
    ok = shoot(you, folder, QStringLiteral("vote-allscoring.png")) && ok;

    ok = waitFor([&] { return isUp(you, QStringLiteral("label_vscore1")); }, GameWaitMs) && ok;
    ok = shoot(you, folder, QStringLiteral("vote-posted.png")) && ok;

    ok = waitFor([&] { return isUp(you, QStringLiteral("panel_scores")); }, GameWaitMs) && ok;
    ok = shoot(you, folder, QStringLiteral("round-scores.png")) && ok;

    ok = waitFor([&] { return isUp(you, QStringLiteral("panel_winner")); }, GameWaitMs) && ok;
    return shoot(you, folder, QStringLiteral("winner.png")) && ok;
}

// File > Start Game during a game: the question the leader answers, shown
// for real and answered "No" once it is on screen.
bool shootRestartQuestion(Tchat &you, const QString &folder)
{
    bool ok = false;
    QTimer::singleShot(0, &you, [&] {
        waitFor([] { return qobject_cast<QMessageBox *>(QApplication::activeModalWidget()); });
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            ok = save(*box, QDir(folder).filePath(QStringLiteral("restart-question.png")));
            box->reject();
        }
    });
    you.button_startClick();
    return ok;
}

bool playOneWinnerOnly(const QString &folder, Tgamestart &gamestart, Tchat &you, Tchat &bob,
                       Tchat &cyd, Tchat &dana)
{
    if (!startGame(gamestart, you, bob, cyd, dana, 0, 0))
        return false;
    typeRound(you, bob, cyd, dana);
    if (!waitForVoting(you))
        return false;
    bool ok = shoot(you, folder, QStringLiteral("vote-onewinner.png"));
    ok = shootRestartQuestion(you, folder) && ok;

    // Dana's program goes away mid-game: the seat is kept for her.
    const QString danaSeat = QStringLiteral("label_playername4");
    dana.connection().close();
    ok = waitFor([&] { return caption(you, danaSeat).contains(QStringLiteral("(away")); }) && ok;
    return shoot(you, folder, QStringLiteral("away-seat.png")) && ok;
}

bool playGames(const QString &folder, Tgamestart &gamestart, Tchat &you, Tchat &bob, Tchat &cyd,
               Tchat &dana)
{
    you.button_startClick();
    gamestart.setPlayToScore(1);
    gamestart.setCreationTime(ShortTurnTime);
    gamestart.changebox(1);
    QCoreApplication::processEvents();
    bool ok = save(gamestart, QDir(folder).filePath(QStringLiteral("gamestart.png")));
    ok = playAllScoring(folder, gamestart, you, bob, cyd, dana) && ok;
    ok = playOneWinnerOnly(folder, gamestart, you, bob, cyd, dana) && ok;
    return ok;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // --framed: under a window manager, every window as the screen shows it.
    QStringList arguments = app.arguments().mid(1);
    setFramedGrabs(arguments.removeAll(QStringLiteral("--framed")) > 0);
    const QString folder = arguments.value(0, QStringLiteral("screenshots"));
    QDir().mkpath(folder);
    const quint16 port = freePort();
    // The players' settings stay out of the real settings file.
    QTemporaryDir home;
    // Each player's copy keeps its own settings, and with them its own resume
    // token for this host.
    QTemporaryDir bobHome, cydHome, danaHome;

    HostOptions options;
    options.port = port;
    options.secondMs = GameSecondMs;
    GameRandom random(1);
    TServer server(options, random);
    // You host for friends; the address they are told is an example one.
    auto you = makeClient(
        port, {QStringLiteral("You"), QStringLiteral("127.0.0.1"), QStringLiteral("true")},
        home.path());
    you->setMachineAddresses([] { return QList<QHostAddress> {QHostAddress(0xC0A8'0114)}; });
    ChatWindows windows;
    windows.startListening = [&server](quint16 port, bool) {
        return server.listenOn(port);
    };
    Tgamestart gamestart;
    windows.gamestart = &gamestart;
    you->setWindows(windows);
    you->show();
    auto bob = makeClient(
        port, {QStringLiteral("Bob"), QStringLiteral("127.0.0.1"), QStringLiteral("join")},
        bobHome.path());
    auto cyd = makeClient(
        port, {QStringLiteral("Cydney"), QStringLiteral("127.0.0.1"), QStringLiteral("join")},
        cydHome.path());
    auto dana = makeClient(
        port, {QStringLiteral("Dana"), QStringLiteral("127.0.0.1"), QStringLiteral("join")},
        danaHome.path());
    const auto shows = [&you](const QString &text) {
        return you->chatPanel().text().contains(text);
    };
    if (waitFor([&] { return shows(QStringLiteral("You are Connected.")); })) {
        bob->setAttribute(Qt::WA_DontShowOnScreen);
        bob->show();
        waitFor([&] { return shows(QStringLiteral("Bob is Connected.")); });
        cyd->setAttribute(Qt::WA_DontShowOnScreen);
        cyd->show();
        waitFor([&] { return shows(QStringLiteral("Cydney is Connected.")); });
        dana->setAttribute(Qt::WA_DontShowOnScreen);
        dana->show();
        waitFor([&] { return shows(QStringLiteral("Dana is Connected.")); });
        bob->chatPanel().setTextColour(QColor(0x1F, 0x5F, 0xBF));
        cyd->chatPanel().setTextColour(QColor(0xA0, 0x30, 0x90));
        say(*bob, QStringLiteral("Hi all, ready for a round? :)#10"));
        say(*cyd, QStringLiteral("Sure! The rules are on www.example.com if you need them :)#21"));
        say(*you, QStringLiteral("Let's go :)#26"));
        say(*bob, QStringLiteral("/me stretches his fingers"));
        waitFor([&] { return shows(QStringLiteral("stretches")); });
        bob->chatPanel().sayPhrase(2);
        waitFor([&] { return shows(QStringLiteral("Good One!")); });
    }
    you->findChild<QLineEdit *>(QStringLiteral("mychat"))->setText(ChatPanel::Placeholder);
    QCoreApplication::processEvents();

    bool ok = save(*you, QDir(folder).filePath(QStringLiteral("main.png")));
    Tspylist *spies = you->spylist();
    spies->addSpy(9, QStringLiteral("Eve"));
    spies->show();
    QCoreApplication::processEvents();
    ok = save(*spies, QDir(folder).filePath(QStringLiteral("spylist.png"))) && ok;
    spies->hide();

    ok = playGames(folder, gamestart, *you, *bob, *cyd, *dana) && ok;

    dana.reset();
    cyd.reset();
    bob.reset();
    you.reset();
    // The other side windows, as their own folder renders them.
    for (const QString &file : renderSideWindows(folder))
        QTextStream(stdout) << "wrote " << file << '\n';
    return ok ? 0 : 1;
}
