#include "client/chatform.h"

#include "client/ChatView.h"
#include "client/GamePanels.h"
#include "client/SoundPlayer.h"
#include "clientcore/ChatLine.h"
#include "clientcore/HostConnection.h"
#include "protocol/ColourText.h"
#include "protocol/FieldReader.h"
#include "protocol/Messages.h"
#include "sock/Sock.h"
#include "storage/HomeFolder.h"
#include "storage/Settings.h"
#include "widgets/StoredColor.h"
#include "windows/SideWindow.h"
#include "windows/gamestartform.h"
#include "windows/phrasesform.h"
#include "windows/spylistform.h"
#include "windows/tallylistform.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QColorDialog>
#include <QDesktopServices>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QScreen>
#include <QTextDocumentFragment>
#include <QTimer>
#include <QToolButton>
#include <QUrl>

namespace {

// A phrase button may be used once per this interval.
constexpr int PhraseGateMs = 2000;

const QColor FormColour(0xEC, 0xF1, 0xBE);
const QColor ChatColour(0xF7, 0xF9, 0xE3);
const QColor SeatNameColour(0x37, 0x00, 0x00);

constexpr int BoardWidth = 764;
constexpr int BoardHeight = 526;
constexpr int BoardMargin = 4;

constexpr std::array<int, Tchat::SeatCount> SeatRowTop{319, 341, 363, 385, 406, 428, 450, 472};
// Fixed hint texts of the name labels; never shown, but a departing player of
// exactly that name leaves without a line.
const std::array<QString, Tchat::SeatCount> SeatHints{
    QString(), QStringLiteral("Klot"), QStringLiteral("Klick"), QStringLiteral("Kling"),
    QStringLiteral("Klick"), QStringLiteral("Krazy"), QStringLiteral("Klick"), QStringLiteral("Krazy")};

const std::array<QString, Tchat::PhraseCount> InitialPhrases{
    QStringLiteral("Way To Go!"), QStringLiteral("Good One!"),        QStringLiteral("Nice Try!"),
    QStringLiteral("Excellent!"), QStringLiteral("Brilliant!"),       QStringLiteral("Wow, WTG!"),
    QStringLiteral("Thanks!"),    QStringLiteral("Way To Go Teamie!"), QStringLiteral("Good Game Everyone!")};

const std::array<QString, Tchat::ChatterSoundCount + 1> ChatterSoundNames{
    QStringLiteral("<Cancel>"),  QStringLiteral("Doh"),         QStringLiteral("Cough"),
    QStringLiteral("Hello"),     QStringLiteral("Thank You"),   QStringLiteral("Where have you been?"),
    QStringLiteral("Snoring"),   QStringLiteral("Sneezing"),    QStringLiteral("Sorry"),
    QStringLiteral("Welcome"),   QStringLiteral("Yeehaa"),      QStringLiteral("Yippee"),
    QStringLiteral("Oh No"),     QStringLiteral("Applause"),    QStringLiteral("Honk"),
    QStringLiteral("Oooh"),      QStringLiteral("Razzberry"),   QStringLiteral("Cheer"),
    QStringLiteral("Woman Laughing"), QStringLiteral("Man Laughing"), QStringLiteral("Crying")};

constexpr std::array<int, 4> TextSizes{8, 10, 12, 14};

const QString Loopback = QStringLiteral("127.0.0.1");

QFont arial(int pixelSize, bool bold = false)
{
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

// The window's client area: the tiled background picture under the board.
class FormBackground : public QWidget
{
public:
    explicit FormBackground(QWidget *parent) : QWidget(parent)
    {
        m_tile.load(QStringLiteral(":/pictures/background.jpg"));
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        if (m_tile.isNull())
            painter.fillRect(rect(), FormColour);
        else
            painter.drawTiledPixmap(rect(), m_tile);
    }

private:
    QPixmap m_tile;
};

// The board: transparent, with soft frames behind the seats and the chat so
// both read as areas of their own over the background.
class BoardPanel : public QWidget
{
public:
    explicit BoardPanel(QWidget *parent) : QWidget(parent) {}

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(0x6B, 0x8E, 0x7A), 1));
        painter.setBrush(QColor(255, 255, 255, 150));
        painter.drawRoundedRect(QRectF(2.5, 298.5, 232, 195), 6, 6);
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRectF(237.5, 319.5, 521, 205), 4, 4);
        painter.setPen(QColor(0x30, 0x50, 0x40));
        painter.setFont(arial(11, true));
        painter.drawText(QRect(10, 301, 121, 16), Qt::AlignVCenter | Qt::AlignLeft,
                         QStringLiteral("Player"));
        painter.drawText(QRect(137, 301, 40, 16), Qt::AlignVCenter | Qt::AlignLeft,
                         QStringLiteral("Score"));
        painter.drawText(QRect(179, 301, 40, 16), Qt::AlignVCenter | Qt::AlignLeft,
                         QStringLiteral("Bonus"));
        painter.setPen(QColor(0x6B, 0x8E, 0x7A, 120));
        painter.drawLine(QPointF(8, 317.5), QPointF(229, 317.5));
    }
};

// A picture that reacts to a click (the logo).
class ClickPicture : public QLabel
{
public:
    std::function<void()> onClick;
    using QLabel::QLabel;

protected:
    void mouseReleaseEvent(QMouseEvent *event) override
    {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && onClick)
            onClick();
    }
};

QToolButton *flatButton(QWidget *parent, const QString &name, const QString &picture, const QRect &bounds)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(name);
    button->setAutoRaise(true);
    button->setIcon(QIcon(picture));
    button->setIconSize(bounds.size());
    button->setGeometry(bounds);
    button->setCursor(Qt::PointingHandCursor);
    button->setFocusPolicy(Qt::NoFocus);
    button->setStyleSheet(QStringLiteral("QToolButton { border: none; padding: 0; }"
                                         "QToolButton:hover { background: rgba(255,255,255,110); }"
                                         "QToolButton:pressed { padding-top: 1px; }"));
    return button;
}

} // namespace

Tchat::Tchat(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("chat"));
    setWindowTitle(QStringLiteral("Lexiburst"));
    setWindowIcon(QIcon(QStringLiteral(":/pictures/icon.png")));
    setFont(arial(11));

    auto *client = new FormBackground(this);
    // The window never gets smaller than the board and its margin.
    client->setMinimumSize(BoardWidth + BoardMargin, BoardHeight + BoardMargin);
    setCentralWidget(client);
    panel_board = new BoardPanel(client);
    panel_board->setObjectName(QStringLiteral("panel_board"));
    panel_board->setGeometry(BoardMargin / 2, BoardMargin / 2, BoardWidth, BoardHeight);

    m_sounds = std::make_unique<EffectSoundPlayer>();
    m_urlOpener = [](const QUrl &url) { return QDesktopServices::openUrl(url); };
    m_messageBox = [this](const QString &text) {
        QMessageBox::information(this, windowTitle(), text);
    };
    m_port = portFromEnvironment();

    m_connection = new HostConnection(this);
    m_connection->gameSocket()->setPortName(QString::number(m_port));
    // The host hung up and what it said before is handled: the program ends.
    connect(m_connection, &HostConnection::closed, this, [this] {
        if (isVisible())
            close();
    });
    m_phraseGate = new QTimer(this);
    m_phraseGate->setSingleShot(true);
    m_phraseGate->setInterval(PhraseGateMs);
    connect(m_phraseGate, &QTimer::timeout, this, &Tchat::phraseGateTimer);

    buildBoard();
    buildChat();
    buildMenus();
    m_game = new GamePanels(panel_board, *this, this);
    m_game->setMessageBox([this](const QString &text) { showMessage(text); });
    m_spylist = new Tspylist(this);
    m_spylist->setKicking([this](int seat) { kicking(seat); });
    registerCommands();
    FormCreate();

    resize(ClientWidth, ClientHeight + menuBar()->sizeHint().height());
    move(DefaultLeft, DefaultTop);
}

Tchat::~Tchat()
{
    // The game panels talk to this window: they go while it is still whole.
    delete m_game;
    m_game = nullptr;
}

quint16 Tchat::portFromEnvironment()
{
    bool ok = false;
    const uint port = qEnvironmentVariable("LEXIBURST_PORT").toUInt(&ok);
    return ok && port > 0 && port <= 0xFFFF ? quint16(port) : DefaultPort;
}

void Tchat::setWindows(const ChatWindows &windows)
{
    m_windows = windows;
    if (Tgamestart *gamestart = windows.gamestart) {
        gamestart->setMainWindow(this);
        gamestart->setPlayerNameSource([this] { return m_playerName; });
        connect(gamestart, &Tgamestart::sendToHost, this, &Tchat::sendToHost);
        connect(gamestart, &Tgamestart::saveSettings, this, &Tchat::saveinifile);
    }
    if (Ttallylist *tallylist = windows.tallylist)
        tallylist->setSeatedPlayers([this] { return otherSeatedPlayers(); });
    if (Tphrases *phrases = windows.phrases) {
        connect(phrases, &Tphrases::phrasesChanged, this, [this](const QStringList &texts) {
            for (int button = 1; button <= PhraseCount; ++button)
                setPhrase(button, texts.value(button - 1));
        });
    }
    if (windows.spylist && windows.spylist != m_spylist) {
        delete m_spylist;
        m_spylist = windows.spylist;
        m_spylist->setKicking([this](int seat) { kicking(seat); });
    }
}

void Tchat::setSoundPlayer(std::unique_ptr<SoundPlayer> player)
{
    m_sounds = std::move(player);
}

void Tchat::setMessageBox(std::function<void(const QString &)> show)
{
    m_messageBox = std::move(show);
    m_game->setMessageBox([this](const QString &text) { showMessage(text); });
}

void Tchat::showMessage(const QString &text)
{
    if (m_messageBox)
        m_messageBox(text);
}

void Tchat::FormCreate()
{
    m_phraseGateOpen = true;
    m_systemLineColour = QColor(0x00, 0x00, 0xFF);
    m_game->clearall();
    m_host = false;
}

// ---------------------------------------------------------------- controls

void Tchat::buildBoard()
{
    for (int i = 0; i < SeatCount; ++i) {
        const int seat = i + 1;
        const int top = SeatRowTop[std::size_t(i)];
        // Names, scores and bonuses are the host's and other players' text.
        auto *name = new QLabel(Waiting, panel_board);
        name->setTextFormat(Qt::PlainText);
        name->setObjectName(QStringLiteral("label_playername%1").arg(seat));
        name->setGeometry(10, top, 121, 16);
        name->setFont(arial(13, true));
        name->setProperty("Tag", seat);
        name->setProperty("hint", SeatHints[std::size_t(i)]);
        name->setContextMenuPolicy(Qt::CustomContextMenu);
        QPalette pal = name->palette();
        pal.setColor(QPalette::WindowText, SeatNameColour);
        name->setPalette(pal);
        connect(name, &QWidget::customContextMenuRequested, this, [this, seat, name](const QPoint &pos) {
            label_playername1ContextPopup(seat);
            popup_kick->popup(name->mapToGlobal(pos));
        });
        label_playername[std::size_t(i)] = name;

        auto *score = new QLabel(QStringLiteral("0"), panel_board);
        score->setTextFormat(Qt::PlainText);
        score->setObjectName(QStringLiteral("label_score%1").arg(seat));
        score->setGeometry(137, top, 40, 16);
        score->setFont(arial(13, true));
        score->setPalette(pal);
        label_score[std::size_t(i)] = score;

        auto *bonus = new QLabel(QStringLiteral("0"), panel_board);
        bonus->setTextFormat(Qt::PlainText);
        bonus->setObjectName(QStringLiteral("label_bonus%1").arg(seat));
        bonus->setGeometry(179, top, 40, 16);
        bonus->setFont(arial(13, true));
        bonus->setPalette(pal);
        label_bonus[std::size_t(i)] = bonus;

        auto *eyes = new QLabel(panel_board);
        eyes->setObjectName(QStringLiteral("image_eyes%1").arg(seat));
        eyes->setGeometry(4, top + 1, 18, 10);
        eyes->setPixmap(QPixmap(QStringLiteral(":/pictures/eyes.png")));
        eyes->setScaledContents(true);
        eyes->hide();
        image_eyes[std::size_t(i)] = eyes;
    }
    // The eyes lie over the start of the name.
    for (QLabel *eyes : image_eyes)
        eyes->raise();

    popup_kick = new QMenu(this);
    popup_kick->setObjectName(QStringLiteral("popup_kick"));
    RemoveFromGame1 = popup_kick->addAction(QStringLiteral("Remove From Game"));
    RemoveFromGame1->setObjectName(QStringLiteral("RemoveFromGame1"));
    SettoJustWatch1 = popup_kick->addAction(QStringLiteral("Set to Just Watch"));
    SettoJustWatch1->setObjectName(QStringLiteral("SettoJustWatch1"));
    UnsetJustWatch1 = popup_kick->addAction(QStringLiteral("Unset Just Watch"));
    UnsetJustWatch1->setObjectName(QStringLiteral("UnsetJustWatch1"));
    connect(RemoveFromGame1, &QAction::triggered, this, &Tchat::RemoveFromGame1Click);
    connect(SettoJustWatch1, &QAction::triggered, this, &Tchat::SettoJustWatch1Click);
    connect(UnsetJustWatch1, &QAction::triggered, this, &Tchat::UnsetJustWatch1Click);

    auto *logo = new ClickPicture(panel_board);
    logo->setObjectName(QStringLiteral("image_logo"));
    logo->setGeometry(6, 496, 202, 24);
    logo->setPixmap(QPixmap(QStringLiteral(":/pictures/logo_small.png")));
    logo->setScaledContents(true);
    logo->setCursor(Qt::PointingHandCursor);
    logo->onClick = [this] { image_logoClick(); };
    image_logo = logo;
}

void Tchat::buildChat()
{
    mainchat = new ChatView(panel_board);
    mainchat->setGeometry(240, 322, 515, 176);
    mainchat->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(mainchat, &ChatView::linkJumped, this, &Tchat::mainchatJump);

    mychat = new QLineEdit(ChatPlaceholder, panel_board);
    mychat->setObjectName(QStringLiteral("mychat"));
    mychat->setGeometry(240, 500, 487, 22);
    mychat->setFont(arial(13));
    mychat->setFrame(false);
    mychat->setContextMenuPolicy(Qt::CustomContextMenu);
    mychat->installEventFilter(this);
    mychat->setStyleSheet(QStringLiteral("QLineEdit { background: %1; border: 1px solid #9cb8a8;"
                                         " padding-left: 3px; }"
                                         "QLineEdit:focus { border: 1px solid #4d8a68; }")
                              .arg(ChatColour.name()));
    setTextColour(m_textColour);

    for (int i = 0; i < PhraseCount; ++i) {
        QToolButton *button = flatButton(panel_board, QStringLiteral("b_phrase%1").arg(i + 1),
                                         QStringLiteral(":/pictures/buttons/phrase%1.png").arg(i + 1),
                                         QRect(212, 322 + 20 * i, 25, 19));
        button->setToolTip(InitialPhrases[std::size_t(i)]);
        connect(button, &QToolButton::clicked, this, [this, i] { b_phrase1Click(i + 1); });
        b_phrase[std::size_t(i)] = button;
    }

    b_phrase10 = flatButton(panel_board, QStringLiteral("b_phrase10"),
                            QStringLiteral(":/pictures/buttons/sounds.png"), QRect(212, 502, 25, 19));
    b_phrase10->setToolTip(QStringLiteral("Chatter Sounds"));
    popup_sounds = new QMenu(this);
    popup_sounds->setObjectName(QStringLiteral("popup_sounds"));
    popup_sounds->setToolTipsVisible(true);
    for (int tag = 0; tag <= ChatterSoundCount; ++tag) {
        QAction *item = popup_sounds->addAction(ChatterSoundNames[std::size_t(tag)]);
        item->setObjectName(tag == 0 ? QStringLiteral("Cancel1") : QStringLiteral("wave%1").arg(tag));
        item->setToolTip(ChatterSoundNames[std::size_t(tag)]);
        item->setData(tag);
        connect(item, &QAction::triggered, this, [this, tag] { wave4Click(tag); });
        soundItems[std::size_t(tag)] = item;
    }
    connect(b_phrase10, &QToolButton::clicked, this, &Tchat::b_phrase10MouseUp);

    button_simlies = flatButton(panel_board, QStringLiteral("button_simlies"),
                                QStringLiteral(":/pictures/buttons/smileys.png"), QRect(730, 501, 25, 19));
    button_simlies->setToolTip(QStringLiteral("Smileys"));
    popup_smilies = new QMenu(this);
    popup_smilies->setObjectName(QStringLiteral("popup_smilies"));
    for (int picture = 0; picture < ChatView::SmileyCount; ++picture) {
        const int tag = ChatView::FirstSmileyCode + picture;
        QAction *item = popup_smilies->addAction(
            QIcon(QStringLiteral(":/pictures/smileys/%1.png").arg(picture)),
            ChatView::SmileyMark + QString::number(tag));
        item->setObjectName(picture == 0 ? QStringLiteral("N11") : QStringLiteral("Select%1").arg(picture));
        item->setData(tag);
        connect(item, &QAction::triggered, this, [this, tag] { Select16Click(tag); });
    }
    connect(button_simlies, &QToolButton::clicked, this, &Tchat::button_simliesClick);

    popup_mainchat = new QMenu(this);
    popup_mainchat->setObjectName(QStringLiteral("popup_mainchat"));
    Copy1 = popup_mainchat->addAction(QStringLiteral("Copy"), this, &Tchat::copyChat);
    Copy1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    ClearMainChat2 = popup_mainchat->addAction(QStringLiteral("Clear Main Chat"), this, &Tchat::ClearMainChat1Click);
    SelectAll1 = popup_mainchat->addAction(QStringLiteral("Select All"), this, &Tchat::selectAllChat);
    popup_mainchat->addSeparator();
    ScrollChatOff1 = popup_mainchat->addAction(QStringLiteral("Scroll Chat Off"));
    ScrollChatOff1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    ScrollChatOff1->setCheckable(true);
    connect(ScrollChatOff1, &QAction::triggered, this, [this](bool checked) {
        ScrollChatOff1->setChecked(!checked);
        ScrollChatOff1Click();
    });
    connect(mainchat, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { popup_mainchat->popup(mainchat->viewport()->mapToGlobal(pos)); });

    popup_mychat = new QMenu(this);
    popup_mychat->setObjectName(QStringLiteral("popup_mychat"));
    Paste1 = popup_mychat->addAction(QStringLiteral("Paste"), this, &Tchat::pasteChatEntry);
    Paste1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));
    connect(mychat, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { popup_mychat->popup(mychat->mapToGlobal(pos)); });

    setTabOrder(mychat, mainchat);
    mychat->setFocus();
}

void Tchat::buildMenus()
{
    QMenu *file = menuBar()->addMenu(QStringLiteral("&File"));
    StartGame1 = file->addAction(QStringLiteral("Start Game"));
    StartGame1->setObjectName(QStringLiteral("StartGame1"));
    StartGame1->setEnabled(false);
    connect(StartGame1, &QAction::triggered, this, [this] { m_game->button_startClick(); });
    file->addSeparator();
    Exit1 = file->addAction(QStringLiteral("Exit"), this, &Tchat::Exit1Click);
    Exit1->setObjectName(QStringLiteral("Exit1"));

    QMenu *options = menuBar()->addMenu(QStringLiteral("&Options"));
    PlaySounds1 = options->addAction(QStringLiteral("Play Sounds"));
    PlaySounds1->setObjectName(QStringLiteral("PlaySounds1"));
    PlaySounds1->setCheckable(true);
    PlaySounds1->setChecked(true);
    connect(PlaySounds1, &QAction::triggered, this, &Tchat::PlaySounds1Click);
    PlayerPhraseSounds1 = options->addAction(QStringLiteral("Player Phrase Sounds"));
    PlayerPhraseSounds1->setObjectName(QStringLiteral("PlayerPhraseSounds1"));
    PlayerPhraseSounds1->setCheckable(true);
    PlayerPhraseSounds1->setChecked(true);
    connect(PlayerPhraseSounds1, &QAction::triggered, this, &Tchat::PlayerPhraseSounds1Click);

    TurnSound1 = options->addMenu(QStringLiteral("Turn Sound"));
    TurnSound1->setObjectName(QStringLiteral("TurnSound1"));
    auto *turnGroup = new QActionGroup(this);
    Classic1 = turnGroup->addAction(QStringLiteral("Classic"));
    Classic1->setObjectName(QStringLiteral("Classic1"));
    Classic1->setData(0);
    New1 = turnGroup->addAction(QStringLiteral("New"));
    New1->setObjectName(QStringLiteral("New1"));
    New1->setData(1);
    for (QAction *item : turnGroup->actions()) {
        item->setCheckable(true);
        TurnSound1->addAction(item);
        connect(item, &QAction::triggered, this, [this, item] { Classic1Click(item); });
    }
    Classic1->setChecked(true);

    BotSpeed1 = options->addMenu(QStringLiteral("Bot Speed"));
    BotSpeed1->setObjectName(QStringLiteral("BotSpeed1"));
    auto *speedGroup = new QActionGroup(this);
    Slow1 = speedGroup->addAction(QStringLiteral("Slow"));
    Slow1->setObjectName(QStringLiteral("Slow1"));
    Slow1->setData(2000);
    Normal1 = speedGroup->addAction(QStringLiteral("Normal"));
    Normal1->setObjectName(QStringLiteral("Normal1"));
    Normal1->setData(1000);
    Fast1 = speedGroup->addAction(QStringLiteral("Fast"));
    Fast1->setObjectName(QStringLiteral("Fast1"));
    Fast1->setData(500);
    for (QAction *item : speedGroup->actions()) {
        item->setCheckable(true);
        BotSpeed1->addAction(item);
        connect(item, &QAction::triggered, this, [this, item] { Fast1Click(item); });
    }
    Normal1->setChecked(true);

    options->addSeparator();
    TextColor1 = options->addAction(QStringLiteral("Text Color"), this, &Tchat::TextColor1Click);
    TextColor1->setObjectName(QStringLiteral("TextColor1"));
    TextSize1 = options->addMenu(QStringLiteral("Text Size"));
    TextSize1->setObjectName(QStringLiteral("TextSize1"));
    for (std::size_t i = 0; i < TextSizes.size(); ++i) {
        QAction *item = TextSize1->addAction(QString::number(TextSizes[i]));
        item->setObjectName(QStringLiteral("N%1").arg(TextSizes[i]));
        item->setCheckable(true);
        item->setData(TextSizes[i]);
        connect(item, &QAction::triggered, this, [this, item] { N14Click(item); });
        textSizeItems[i] = item;
    }
    ScrollChatOff2 = options->addAction(QStringLiteral("Scroll Chat Off"));
    ScrollChatOff2->setObjectName(QStringLiteral("ScrollChatOff2"));
    ScrollChatOff2->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    ScrollChatOff2->setCheckable(true);
    connect(ScrollChatOff2, &QAction::triggered, this, [this](bool checked) {
        ScrollChatOff2->setChecked(!checked);
        ScrollChatOff1Click();
    });
    ClearMainChat1 = options->addAction(QStringLiteral("Clear Main Chat"), this, &Tchat::ClearMainChat1Click);
    ClearMainChat1->setObjectName(QStringLiteral("ClearMainChat1"));
    ResetScreenLocation1 =
        options->addAction(QStringLiteral("Reset Screen Location"), this, &Tchat::ResetScreenLocation1Click);
    ResetScreenLocation1->setObjectName(QStringLiteral("ResetScreenLocation1"));
    options->addSeparator();
    JustWatch1 = options->addAction(QStringLiteral("Just Watch"));
    JustWatch1->setObjectName(QStringLiteral("JustWatch1"));
    JustWatch1->setCheckable(true);
    connect(JustWatch1, &QAction::triggered, this, [this](bool checked) {
        // Only the host's answer moves the check mark.
        JustWatch1->setChecked(!checked);
        JustWatch1Click();
    });

    QMenu *view = menuBar()->addMenu(QStringLiteral("&View"));
    ViewTally1 = view->addAction(QStringLiteral("View Tally"), this, &Tchat::ViewTally1Click);
    ViewTally1->setObjectName(QStringLiteral("ViewTally1"));
    SpyList1 = view->addAction(QStringLiteral("Spy List"), this, &Tchat::SpyList1Click);
    SpyList1->setObjectName(QStringLiteral("SpyList1"));
    PrhaseList1 = view->addAction(QStringLiteral("Phrase List"), this, &Tchat::PrhaseList1Click);
    PrhaseList1->setObjectName(QStringLiteral("PrhaseList1"));
    CategoryAddition1 =
        view->addAction(QStringLiteral("Category Addition"), this, &Tchat::CategoryAddition1Click);
    CategoryAddition1->setObjectName(QStringLiteral("CategoryAddition1"));

    QMenu *help = menuBar()->addMenu(QStringLiteral("&Help"));
    Help2 = help->addAction(QStringLiteral("Content"), this, &Tchat::Help2Click);
    Help2->setObjectName(QStringLiteral("Help2"));
    Help2->setShortcut(QKeySequence(Qt::Key_F1));
    help->addSeparator();
    About1 = help->addAction(QStringLiteral("About"), this, &Tchat::About1Click);
    About1->setObjectName(QStringLiteral("About1"));
}

void Tchat::route(const QString &name, void (Tchat::*handler)(const QString &))
{
    m_connection->on(name,
                     [this, handler](const QString &argument, int) { (this->*handler)(argument); });
}

void Tchat::routeToGame(const QString &name, void (GamePanels::*handler)(const QString &))
{
    GamePanels *panels = m_game;
    m_connection->on(
        name, [panels, handler](const QString &argument, int) { (panels->*handler)(argument); });
}

void Tchat::registerCommands()
{
    // Registered in the order the dispatcher tests the names.
    // "CMD_sendlogininfo" is the connection's own.
    route(QStringLiteral("CMD_chat"), &Tchat::chatrecieved);
    route(QStringLiteral("CMD_action"), &Tchat::chatrecieved);
    route(QStringLiteral("CMD_playasound"), &Tchat::playasound);
    route(QStringLiteral("CMD_newplayerinfo"), &Tchat::newplayerinfo);
    m_connection->on(QStringLiteral("CMD_havewrongversion"), [this](const QString &name, int) {
        addStatusLine(name + QStringLiteral(" has a different version of the game then you."));
    });
    m_connection->on(QStringLiteral("CMD_wrongversion"), [this](const QString &, int) {
        addStatusLine(QStringLiteral("You have a differnt version of the game then the host."));
    });
    route(QStringLiteral("CMD_existingplayers"), &Tchat::newplayerinfo);
    route(QStringLiteral("CMD_playerdisconnected"), &Tchat::playerdisconnected);
    m_connection->on(QStringLiteral("CMD_full"), [this](const QString &, int) {
        m_connection->timer()->stop();
        showMessage(QStringLiteral("Game is full"));
        close();
    });
    route(QStringLiteral("CMD_justwatching"), &Tchat::justwatching);
    routeToGame(QStringLiteral("CMD_startgame"), &GamePanels::startthegame);
    routeToGame(QStringLiteral("CMD_winner"), &GamePanels::winner);
    routeToGame(QStringLiteral("CMD_startround"), &GamePanels::startround);
    routeToGame(QStringLiteral("CMD_endround"), &GamePanels::endround);
    routeToGame(QStringLiteral("CMD_showcat"), &GamePanels::showcat);
    routeToGame(QStringLiteral("CMD_postscores"), &GamePanels::postscores);
    routeToGame(QStringLiteral("CMD_noanswers"), &GamePanels::noanswers);
    routeToGame(QStringLiteral("CMD_roundover"), &GamePanels::roundover);
    routeToGame(QStringLiteral("CMD_gamestats"), &GamePanels::gamestats);
    routeToGame(QStringLiteral("CMD_oneanswer"), &GamePanels::oneanswer);
    routeToGame(QStringLiteral("CMD_tiegame"), &GamePanels::tiegame);
    Q_ASSERT(m_connection->commandNames() == Protocol::clientCommands());
}

void Tchat::Exit1Click()
{
    close();
}

void Tchat::SpyList1Click()
{
    showWindow(m_spylist);
}

void Tchat::CategoryAddition1Click()
{
    showWindow(m_windows.additionalcats);
}

void Tchat::Help2Click()
{
    showWindow(m_windows.help);
}

void Tchat::About1Click()
{
    showWindow(m_windows.about);
}

void Tchat::image_logoClick()
{
    if (m_windows.openMakerSite)
        m_windows.openMakerSite();
}

void Tchat::PlaySounds1Click()
{
    saveinifile();
}

void Tchat::PlayerPhraseSounds1Click()
{
    saveinifile();
}

void Tchat::b_phrase10MouseUp()
{
    popupAtBottomRight(popup_sounds, b_phrase10);
}

void Tchat::button_simliesClick()
{
    popupAtBottomRight(popup_smilies, button_simlies);
}

void Tchat::showWindow(QWidget *window)
{
    if (!window)
        return;
    // A side window opens over the main window; one already open stays put.
    if (window->isHidden() && window != m_spylist && window != m_windows.download
        && window != m_windows.additionalcats)
        SideWindow::centreOver(window, this);
    window->show();
    window->raise();
    window->activateWindow();
}

void Tchat::popupAtBottomRight(QMenu *menu, QWidget *button)
{
    menu->popup(button->mapToGlobal(QPoint(button->width(), button->height())));
}

// ---------------------------------------------------------------- context

QLabel *Tchat::playerNameLabel(int n) const
{
    return seatIsPlaying(n) ? label_playername[std::size_t(n - 1)] : nullptr;
}

QLabel *Tchat::scoreLabel(int n) const
{
    return seatIsPlaying(n) ? label_score[std::size_t(n - 1)] : nullptr;
}

QLabel *Tchat::bonusLabel(int n) const
{
    return seatIsPlaying(n) ? label_bonus[std::size_t(n - 1)] : nullptr;
}

void Tchat::sendToHost(const QByteArray &message)
{
    m_connection->send(message);
}

void Tchat::playsounds(const QString &name)
{
    if (PlaySounds1->isChecked() && m_sounds)
        m_sounds->play(name);
}

void Tchat::addStatusLine(const QString &text)
{
    addlinetochat(QStringLiteral("0+") + text, m_systemLineColour);
}

void Tchat::showGameStart()
{
    showWindow(m_windows.gamestart);
}

void Tchat::recordGame(const QString &winner)
{
    if (m_windows.recordGame)
        m_windows.recordGame(winner);
    else if (m_windows.tallylist)
        m_windows.tallylist->addgame(winner);
}

QWidget *Tchat::chatEntry() const
{
    return mychat;
}

void Tchat::uncheckJustWatch()
{
    JustWatch1->setChecked(false);
}

// ---------------------------------------------------------------- start and connection

void Tchat::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_shownOnce)
        return;
    m_shownOnce = true;
    // What the window starts with: before the file is read, a save writes
    // only what the player changed.
    settingsFile();
    processparams();
}

void Tchat::processparams()
{
    m_game->setHostControlsVisible(false);
    StartGame1->setEnabled(false);
    if (m_arguments.isEmpty()) {
        addStatusLine(QStringLiteral("Loading Solo Game..Please wait."));
        showWindow(m_windows.download);
        m_hostAddress = Loopback;
        m_playerName = QStringLiteral("You");
        hostpress();
        return;
    }
    addStatusLine(QStringLiteral("Loading Multi-player Game.. Please Wait."));
    m_playerName = m_arguments.value(0).trimmed().left(GameFacts::MaxNameLength);
    m_hostAddress = m_arguments.value(1);
    const bool hosting = m_arguments.value(2) == QLatin1String("true");
    const QString refusal = m_playerName.isEmpty() ? QStringLiteral("The player name is empty.")
        : !hosting && m_hostAddress.trimmed().isEmpty()
        ? QStringLiteral("The host's address is missing.")
        : QString();
    if (!refusal.isEmpty()) {
        showMessage(refusal
                    + QStringLiteral(" Start the game as: lexiburst NAME HOST [true|false]"));
        // Not from inside the first showing.
        QTimer::singleShot(0, this, &QWidget::close);
        return;
    }
    // Without a third parameter the player joins, as with "false".
    if (hosting)
        hostpress();
    else
        joinpress();
    m_connection->openLobby(m_lobbyPort);
}

void Tchat::hostpress()
{
    if (m_windows.startListening && !m_windows.startListening()) {
        addStatusLine(QStringLiteral("Could not start the game host on port %1.").arg(m_port));
        return;
    }
    m_host = true;
    m_connection->setPlayerName(m_playerName);
    m_connection->connectTo(Loopback, m_port);
    m_game->setHostControlsVisible(true);
    StartGame1->setEnabled(true);
    m_spylist->popup_kickhim->setEnabled(true);
}

void Tchat::joinpress()
{
    m_connection->setPlayerName(m_playerName);
    m_connection->connectTo(m_hostAddress, m_port);
    m_game->setHostControlsVisible(false);
    StartGame1->setEnabled(false);
}

// ---------------------------------------------------------------- closing

void Tchat::closeEvent(QCloseEvent *event)
{
    FormClose();
    event->accept();
    emit closed();
}

void Tchat::FormClose()
{
    const QRect bounds = frameGeometry();
    if (bounds == m_storedBounds)
        return;
    QRect stored = bounds;
    if (const QScreen *where = screen()) {
        const QRect workArea = where->availableGeometry();
        if (stored.width() > workArea.width())
            stored.setWidth(stored.width() - 15);
        if (stored.height() > workArea.height())
            stored.setHeight(stored.height() - 15);
    }
    setFrameBounds(stored);
    m_storedBounds = stored;
    saveinifile();
}

// ---------------------------------------------------------------- board

void Tchat::newplayerinfo(const QString &text)
{
    Protocol::FieldReader fields(text);
    const std::optional<int> seat = fields.takeInt();
    if (!seat)
        return;
    // The rest as it stands is the name, "+" included.
    const QString name = text.mid(text.indexOf(u'+') + 1);
    if (*seat == ownSeat()) {
        addStatusLine(QStringLiteral("You are Connected."));
        loadinifile();
    } else {
        addStatusLine(name + QStringLiteral(" is Connected."));
    }
    if (seatIsPlaying(*seat)) {
        QLabel *label = label_playername[std::size_t(*seat - 1)];
        label->setText(name);
        label->show();
        label_score[std::size_t(*seat - 1)]->show();
    } else if (*seat > SeatCount && *seat <= GameFacts::HighestSeat) {
        m_spylist->addSpy(*seat, name);
        if (*seat == ownSeat())
            addStatusLine(QStringLiteral("You are spying."));
        else
            addStatusLine(name + QStringLiteral(" is spying."));
    }
    playsounds(QStringLiteral("entered"));
}

void Tchat::playerdisconnected(const QString &text)
{
    Protocol::FieldReader fields(text);
    const std::optional<int> seat = fields.takeInt();
    if (!seat)
        return;
    const QString name = text.mid(text.indexOf(u'+') + 1);
    if (seatIsPlaying(*seat)) {
        QLabel *label = label_playername[std::size_t(*seat - 1)];
        const QString caption = label->text();
        if (caption != Waiting && caption != label->property("hint").toString())
            addStatusLine(caption + QStringLiteral(" disconnected."));
        label->setText(Waiting);
        image_eyes[std::size_t(*seat - 1)]->hide();
    } else if (*seat > SeatCount && m_spylist->removeSpy(*seat, name)) {
        addStatusLine(name + QStringLiteral(" has left."));
    }
}

void Tchat::justwatching(const QString &text)
{
    Protocol::FieldReader fields(text);
    const std::optional<int> seat = fields.takeInt();
    if (!seat || !seatIsPlaying(*seat))
        return;
    const QString name = label_playername[std::size_t(*seat - 1)]->text();
    QLabel *eyes = image_eyes[std::size_t(*seat - 1)];
    if (fields.rest() == QLatin1String("1")) {
        if (*seat == ownSeat())
            JustWatch1->setChecked(true);
        addStatusLine(name + QStringLiteral(" is just watching"));
        eyes->show();
    } else {
        if (*seat == ownSeat())
            JustWatch1->setChecked(false);
        addStatusLine(name + QStringLiteral(" is now playing again"));
        eyes->hide();
    }
}

void Tchat::JustWatch1Click()
{
    if (!isConnected() || ownSeat() > SeatCount)
        return;
    sendToHost(Protocol::Msg::justwatch(ownSeat(), !JustWatch1->isChecked()));
}

void Tchat::label_playername1ContextPopup(int seat)
{
    RemoveFromGame1->setEnabled(m_host);
    SettoJustWatch1->setEnabled(m_host);
    UnsetJustWatch1->setEnabled(m_host);
    if (const QLabel *label = playerNameLabel(seat); label && label->text() == Waiting)
        RemoveFromGame1->setEnabled(false);
    m_kickTag = seat;
}

void Tchat::RemoveFromGame1Click()
{
    kicking(m_kickTag);
}

void Tchat::kicking(int seat)
{
    if (m_host && isConnected())
        sendToHost(Protocol::Msg::kickhim(ownSeat(), seat));
}

void Tchat::SettoJustWatch1Click()
{
    if (isConnected() && m_kickTag <= SeatCount)
        sendToHost(Protocol::Msg::justwatch(m_kickTag, true));
}

void Tchat::UnsetJustWatch1Click()
{
    if (isConnected() && m_kickTag <= SeatCount)
        sendToHost(Protocol::Msg::justwatch(m_kickTag, false));
}

void Tchat::ViewTally1Click()
{
    loadchecklist();
    showWindow(m_windows.tallylist);
}

void Tchat::loadchecklist()
{
    if (m_windows.tallylist)
        m_windows.tallylist->loadchecklist(otherSeatedPlayers());
}

QStringList Tchat::otherSeatedPlayers() const
{
    QStringList names;
    for (int seat = 1; seat <= SeatCount; ++seat) {
        const QString caption = label_playername[std::size_t(seat - 1)]->text();
        if (seat != ownSeat() && caption != Waiting)
            names.append(caption);
    }
    return names;
}

// ---------------------------------------------------------------- chat

QString Tchat::colourText() const
{
    return Protocol::colourToText(toRgb(m_textColour));
}

void Tchat::addlinetochat(const QString &text, const QColor &colour)
{
    mainchat->addLine(text, colour);
}

void Tchat::chatrecieved(const QString &text)
{
    if (const std::optional<ChatLine> line = ChatLine::fromChat(text))
        mainchat->addLine(*line);
}

void Tchat::playasound(const QString &text)
{
    Protocol::FieldReader fields(text);
    const std::optional<int> seat = fields.takeInt();
    if (!seat)
        return;
    const QString sound = fields.takeText();
    if (PlayerPhraseSounds1->isChecked()) {
        if (m_sounds)
            m_sounds->play(sound);
        return;
    }
    const QLabel *label = playerNameLabel(*seat);
    if (!label)
        return;
    for (QAction *item : soundItems) {
        if (item->objectName().compare(sound, Qt::CaseInsensitive) != 0)
            continue;
        addlinetochat(QString::number(*seat) + u'+' + label->text() + QStringLiteral(": <Chatter Sound> ")
                          + item->toolTip(),
                      m_systemLineColour);
        return;
    }
}

bool Tchat::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == mychat && event->type() == QEvent::KeyPress) {
        // The first key typed replaces the placeholder.
        if (mychat->text() == ChatPlaceholder)
            mychat->clear();
        const auto *keyEvent = static_cast<QKeyEvent *>(event);
        const int key = keyEvent->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            sendit();
            return true;
        }
        // The box's own paste would insert at the cursor; "Paste" replaces.
        if (keyEvent->matches(QKeySequence::Paste)) {
            pasteChatEntry();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void Tchat::sendit()
{
    if (!isConnected())
        return;
    const QString text = mychat->text();
    if (!text.isEmpty()) {
        if (!text.startsWith(u'/'))
            sendToHost(Protocol::Msg::chat(ownSeat(), text, colourText()));
        else if (text.startsWith(QLatin1String("/me")))
            sendToHost(Protocol::Msg::action(ownSeat(), text.mid(4), colourText()));
    }
    mychat->clear();
}

QString Tchat::phrase(int button) const
{
    if (button < 1 || button > PhraseCount)
        return {};
    return b_phrase[std::size_t(button - 1)]->toolTip();
}

void Tchat::setPhrase(int button, const QString &phrase)
{
    if (button >= 1 && button <= PhraseCount)
        b_phrase[std::size_t(button - 1)]->setToolTip(phrase);
}

void Tchat::b_phrase1Click(int button)
{
    if (!m_phraseGateOpen)
        return;
    const QString text = phrase(button);
    if (text.startsWith(QLatin1String("/me ")))
        sendToHost(Protocol::Msg::action(ownSeat(), text.mid(4), colourText()));
    else
        sendToHost(Protocol::Msg::action(ownSeat(), QStringLiteral("says: ") + text, colourText()));
    m_phraseGateOpen = false;
    m_phraseGate->start();
}

void Tchat::setPhraseGateInterval(int ms)
{
    m_phraseGate->setInterval(ms);
}

void Tchat::phraseGateTimer()
{
    m_phraseGate->stop();
    m_phraseGateOpen = true;
}

void Tchat::wave4Click(int tag)
{
    if (tag == 0 || !isConnected())
        return;
    sendToHost(Protocol::Msg::playasound(ownSeat(), tag));
}

void Tchat::Select16Click(int tag)
{
    if (mychat->text() == ChatPlaceholder)
        mychat->clear();
    mychat->setText(mychat->text() + ChatView::SmileyMark + QString::number(tag));
    mychat->deselect();
    mychat->setCursorPosition(int(mychat->text().size()));
}

void Tchat::mainchatJump(int linkNumber)
{
    QString word = mainchat->linkWord(linkNumber);
    if (word.isEmpty()) {
        showMessage(QStringLiteral("Cannot open Webpage"));
        return;
    }
    if (word.endsWith(u' '))
        word.chop(1);
    if (word.left(7).compare(QLatin1String("http://"), Qt::CaseInsensitive) == 0)
        word.remove(0, 7);
    // The desktop judges the address; its answer is not checked.
    if (m_urlOpener)
        m_urlOpener(QUrl(QStringLiteral("http://") + word, QUrl::TolerantMode));
}

void Tchat::copyChat()
{
    const QString selected = mainchat->textCursor().selection().toPlainText();
    if (!selected.isEmpty())
        QApplication::clipboard()->setText(selected);
}

void Tchat::selectAllChat()
{
    mainchat->selectAll();
    mainchat->viewport()->update();
}

void Tchat::ClearMainChat1Click()
{
    mainchat->clearChat();
    mychat->setFocus();
}

void Tchat::ScrollChatOff1Click()
{
    const bool off = !ScrollChatOff1->isChecked();
    ScrollChatOff1->setChecked(off);
    ScrollChatOff2->setChecked(off);
    mainchat->setScrollOff(off);
}

void Tchat::pasteChatEntry()
{
    const QString text = QApplication::clipboard()->text();
    if (!text.isEmpty())
        mychat->setText(text);
}

void Tchat::setTextColour(const QColor &colour)
{
    m_textColour = colour;
    QPalette pal = mychat->palette();
    pal.setColor(QPalette::Text, colour);
    mychat->setPalette(pal);
}

// ---------------------------------------------------------------- options

void Tchat::Classic1Click(QAction *item)
{
    m_turnSoundTag = item->data().toInt();
    Classic1->setChecked(item == Classic1);
    New1->setChecked(item == New1);
    saveinifile();
}

void Tchat::Fast1Click(QAction *item)
{
    m_botSpeedTag = item->data().toInt();
    for (QAction *speed : {Slow1, Normal1, Fast1})
        speed->setChecked(speed == item);
    saveinifile();
}

void Tchat::N14Click(QAction *item)
{
    mainchat->setTextSize(item->data().toInt());
    for (QAction *size : textSizeItems)
        size->setChecked(size == item);
    saveinifile();
}

void Tchat::TextColor1Click()
{
    const QColor chosen = QColorDialog::getColor(m_textColour, this, QStringLiteral("Text Color"));
    if (!chosen.isValid())
        return;
    setTextColour(chosen);
    saveinifile();
}

void Tchat::ResetScreenLocation1Click()
{
    setFrameBounds(defaultBounds());
}

QRect Tchat::defaultBounds()
{
    return {DefaultLeft, DefaultTop, DefaultWidth, DefaultHeight};
}

void Tchat::setFrameBounds(const QRect &frame)
{
    // The bounds are the whole window's, title bar and borders included.
    const QRect inside = geometry();
    const QRect outside = frameGeometry();
    const QMargins border(inside.left() - outside.left(), inside.top() - outside.top(),
                          outside.right() - inside.right(), outside.bottom() - inside.bottom());
    setGeometry(frame.marginsRemoved(border));
}

bool Tchat::fitsTheScreen(const QRect &frame) const
{
    const QScreen *where = screen();
    if (!where)
        return true;
    const QRect desktop = where->availableVirtualGeometry();
    return frame.width() <= desktop.width() && frame.height() <= desktop.height()
        && frame.intersects(desktop);
}

Settings::SettingsFile &Tchat::settingsFile()
{
    if (!m_settings) {
        const QString folder = m_settingsFolder.isEmpty() ? Storage::homeFolder() : m_settingsFolder;
        m_settings = std::make_unique<Settings::SettingsFile>(folder, currentSettings());
    }
    return *m_settings;
}

Settings::Values Tchat::currentSettings() const
{
    Settings::Values values;
    values.textSize = mainchat->textSize();
    values.bounds = frameGeometry();
    values.textColor = toRgb(m_textColour);
    if (const Tgamestart *gamestart = m_windows.gamestart) {
        values.playToScore = gamestart->playToScore();
        values.timePerTurn = gamestart->creationTime();
        values.gameType = gamestart->gameTypeTag();
        values.duplicate = gamestart->duplicateTag();
    }
    values.botSpeed = m_botSpeedTag;
    values.turnSound = m_turnSoundTag;
    values.playerPhraseSounds = PlayerPhraseSounds1->isChecked();
    values.playSounds = PlaySounds1->isChecked();
    for (int button = 1; button <= PhraseCount; ++button)
        values.phrases[std::size_t(button - 1)] = phrase(button);
    return values;
}

void Tchat::loadinifile()
{
    Settings::Values values = currentSettings();
    // Empty phrases in the file leave the buttons as they are.
    values.phrases = {};
    settingsFile().load(values);

    // Bounds from another desktop, or damaged ones, would put the window
    // out of reach or make it huge.
    setFrameBounds(fitsTheScreen(values.bounds) ? values.bounds : defaultBounds());
    m_storedBounds = frameGeometry();
    mainchat->setTextSize(values.textSize);
    for (QAction *item : textSizeItems)
        item->setChecked(item->data().toInt() == values.textSize);
    setTextColour(toQColor(values.textColor));
    if (Tgamestart *gamestart = m_windows.gamestart) {
        gamestart->setPlayToScore(values.playToScore);
        gamestart->setCreationTime(values.timePerTurn);
        gamestart->changebox(values.gameType);
        gamestart->checkit(values.duplicate);
    }
    m_botSpeedTag = values.botSpeed;
    for (QAction *item : {Slow1, Normal1, Fast1})
        item->setChecked(item->data().toInt() == values.botSpeed);
    m_turnSoundTag = values.turnSound;
    Classic1->setChecked(values.turnSound != 1);
    New1->setChecked(values.turnSound == 1);
    for (int button = 1; button <= PhraseCount; ++button) {
        const QString &stored = values.phrases[std::size_t(button - 1)];
        if (!stored.isEmpty())
            setPhrase(button, stored);
    }
    PlaySounds1->setChecked(values.playSounds);
    PlayerPhraseSounds1->setChecked(values.playerPhraseSounds);
}

void Tchat::saveinifile()
{
    const Settings::Values values = currentSettings();
    if (settingsFile().save(values))
        m_storedBounds = values.bounds;
}

void Tchat::PrhaseList1Click()
{
    if (!m_windows.phrases)
        return;
    QStringList phrases;
    for (int button = 1; button <= PhraseCount; ++button)
        phrases.append(phrase(button));
    m_windows.phrases->setPhrases(phrases);
    showWindow(m_windows.phrases);
}
