// The menus of the main window and the options behind them, kept in the
// settings file.
#include "client/chatform.h"

#include "client/BoardLook.h"
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

using namespace BoardLook;

namespace {

constexpr std::array<int, 4> TextSizes {8, 10, 12, 14};

} // namespace
void Tchat::buildMenus()
{
    QMenu *file = menuBar()->addMenu(QStringLiteral("&File"));
    NewGame1 = file->addAction(QStringLiteral("Play Solo, Host or Join..."), this,
                               &Tchat::NewGame1Click);
    NewGame1->setObjectName(QStringLiteral("NewGame1"));
    NewGame1->setVisible(false);
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
    Slow1->setData(GameFacts::BotSpeeds[0]);
    Normal1 = speedGroup->addAction(QStringLiteral("Normal"));
    Normal1->setObjectName(QStringLiteral("Normal1"));
    Normal1->setData(GameFacts::BotSpeeds[1]);
    Fast1 = speedGroup->addAction(QStringLiteral("Fast"));
    Fast1->setObjectName(QStringLiteral("Fast1"));
    Fast1->setData(GameFacts::BotSpeeds[2]);
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
    ClearMainChat1
        = options->addAction(QStringLiteral("Clear Main Chat"), this, &Tchat::ClearMainChat1Click);
    ClearMainChat1->setObjectName(QStringLiteral("ClearMainChat1"));
    ResetScreenLocation1 = options->addAction(QStringLiteral("Reset Screen Location"), this,
                                              &Tchat::ResetScreenLocation1Click);
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
    CategoryAddition1 = view->addAction(QStringLiteral("Category Addition"), this,
                                        &Tchat::CategoryAddition1Click);
    CategoryAddition1->setObjectName(QStringLiteral("CategoryAddition1"));

    QMenu *help = menuBar()->addMenu(QStringLiteral("&Help"));
    Help2 = help->addAction(QStringLiteral("Content"), this, &Tchat::Help2Click);
    Help2->setObjectName(QStringLiteral("Help2"));
    Help2->setShortcut(QKeySequence(Qt::Key_F1));
    help->addSeparator();
    About1 = help->addAction(QStringLiteral("About"), this, &Tchat::About1Click);
    About1->setObjectName(QStringLiteral("About1"));
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
        const QString folder
            = m_settingsFolder.isEmpty() ? Storage::homeFolder() : m_settingsFolder;
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
