#include "client/OptionsController.h"

#include "client/ChatPanel.h"
#include "protocol/GameFacts.h"
#include "storage/HomeFolder.h"
#include "storage/Settings.h"
#include "widgets/StoredColor.h"
#include "windows/gamestartform.h"

#include <QAction>
#include <QActionGroup>
#include <QColorDialog>
#include <QMenu>
#include <QScreen>
#include <QWidget>

namespace {

constexpr std::array<int, 4> TextSizes {8, 10, 12, 14};

// A window wider or taller than the work area is stored this much smaller.
constexpr int OversizeTrim = 15;

} // namespace

OptionsController::OptionsController(QWidget &window, ChatPanel &chat, QObject *parent)
    : QObject(parent), m_window(window), m_chat(chat), m_botSpeedTag(GameFacts::DefaultBotSpeed)
{ }

OptionsController::~OptionsController() = default;

QAction *OptionsController::checkItem(QMenu *menu, const QString &text, const QString &name)
{
    QAction *item = menu->addAction(text);
    item->setObjectName(name);
    item->setCheckable(true);
    return item;
}

void OptionsController::fillMenu(QMenu *options)
{
    m_playSounds = checkItem(options, QStringLiteral("Play Sounds"), QStringLiteral("PlaySounds1"));
    m_playSounds->setChecked(true);
    connect(m_playSounds, &QAction::triggered, this, &OptionsController::save);
    m_phraseSounds = checkItem(options, QStringLiteral("Player Phrase Sounds"),
                               QStringLiteral("PlayerPhraseSounds1"));
    m_phraseSounds->setChecked(true);
    connect(m_phraseSounds, &QAction::triggered, this, &OptionsController::save);
    buildChoices(options);

    options->addSeparator();
    options->addAction(QStringLiteral("Text Color"), this, &OptionsController::chooseTextColour)
        ->setObjectName(QStringLiteral("TextColor1"));
    QMenu *sizes = options->addMenu(QStringLiteral("Text Size"));
    sizes->setObjectName(QStringLiteral("TextSize1"));
    auto *sizeGroup = new QActionGroup(this);
    for (std::size_t i = 0; i < TextSizes.size(); ++i) {
        QAction *item = checkItem(sizes, QString::number(TextSizes[i]),
                                  QStringLiteral("N%1").arg(TextSizes[i]));
        item->setData(TextSizes[i]);
        sizeGroup->addAction(item);
        connect(item, &QAction::triggered, this, [this, item] { chooseTextSize(item); });
        m_textSizes[i] = item;
    }
    m_scrollOff
        = checkItem(options, QStringLiteral("Scroll Chat Off"), QStringLiteral("ScrollChatOff2"));
    m_scrollOff->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    connect(m_scrollOff, &QAction::triggered, this, [this](bool checked) {
        m_scrollOff->setChecked(!checked);
        m_chat.toggleScrollOff();
    });
    connect(&m_chat, &ChatPanel::scrollOffChanged, m_scrollOff, &QAction::setChecked);
    options->addAction(QStringLiteral("Clear Main Chat"), &m_chat, &ChatPanel::clearChat)
        ->setObjectName(QStringLiteral("ClearMainChat1"));
    options
        ->addAction(QStringLiteral("Reset Screen Location"), this,
                    &OptionsController::resetScreenLocation)
        ->setObjectName(QStringLiteral("ResetScreenLocation1"));
}

void OptionsController::buildChoices(QMenu *options)
{
    QMenu *turn = options->addMenu(QStringLiteral("Turn Sound"));
    turn->setObjectName(QStringLiteral("TurnSound1"));
    auto *turnGroup = new QActionGroup(this);
    m_turnSounds = {checkItem(turn, QStringLiteral("Classic"), QStringLiteral("Classic1")),
                    checkItem(turn, QStringLiteral("New"), QStringLiteral("New1"))};
    for (std::size_t i = 0; i < m_turnSounds.size(); ++i) {
        QAction *item = m_turnSounds[i];
        item->setData(int(i));
        turnGroup->addAction(item);
        connect(item, &QAction::triggered, this, [this, item] { chooseTurnSound(item); });
    }
    m_turnSounds[0]->setChecked(true);

    QMenu *speed = options->addMenu(QStringLiteral("Bot Speed"));
    speed->setObjectName(QStringLiteral("BotSpeed1"));
    auto *speedGroup = new QActionGroup(this);
    m_botSpeeds = {checkItem(speed, QStringLiteral("Slow"), QStringLiteral("Slow1")),
                   checkItem(speed, QStringLiteral("Normal"), QStringLiteral("Normal1")),
                   checkItem(speed, QStringLiteral("Fast"), QStringLiteral("Fast1"))};
    for (std::size_t i = 0; i < m_botSpeeds.size(); ++i) {
        QAction *item = m_botSpeeds[i];
        item->setData(GameFacts::BotSpeeds[i]);
        speedGroup->addAction(item);
        connect(item, &QAction::triggered, this, [this, item] { chooseBotSpeed(item); });
    }
    m_botSpeeds[1]->setChecked(true);

    // Our own addition: one skill for all computer players, kept with the start window's keys.
    QMenu *skill = options->addMenu(QStringLiteral("Bot Skill"));
    skill->setObjectName(QStringLiteral("BotSkill1"));
    auto *skillGroup = new QActionGroup(this);
    m_botSkills = {checkItem(skill, QStringLiteral("Weak"), QStringLiteral("Weak1")),
                   checkItem(skill, QStringLiteral("Fair"), QStringLiteral("Fair1")),
                   checkItem(skill, QStringLiteral("Strong"), QStringLiteral("Strong1")),
                   checkItem(skill, QStringLiteral("Mixed"), QStringLiteral("Mixed1"))};
    for (std::size_t i = 0; i < m_botSkills.size(); ++i) {
        QAction *item = m_botSkills[i];
        item->setData(i + 1 < m_botSkills.size() ? int(i) + 1 : Settings::MixedBotSkill);
        skillGroup->addAction(item);
        connect(item, &QAction::triggered, this, [this, item] { chooseBotSkill(item); });
    }
    showBotSkill(Settings::DefaultBotSkill);
}

void OptionsController::showBotSkill(int skill)
{
    for (QAction *item : m_botSkills)
        item->setChecked(item->data().toInt() == skill);
}

void OptionsController::chooseBotSkill(QAction *item)
{
    showBotSkill(item->data().toInt());
    // Read again first: the start window may have saved its keys since.
    Settings::Values values;
    settingsFile().load(values);
    values.start.botSkill = item->data().toInt();
    settingsFile().saveStart(values);
}

bool OptionsController::playSounds() const
{
    return m_playSounds->isChecked();
}

bool OptionsController::playerPhraseSounds() const
{
    return m_phraseSounds->isChecked();
}

void OptionsController::chooseTurnSound(QAction *item)
{
    m_turnSoundTag = item->data().toInt();
    save();
}

void OptionsController::chooseBotSpeed(QAction *item)
{
    m_botSpeedTag = item->data().toInt();
    save();
}

void OptionsController::chooseTextSize(QAction *item)
{
    m_chat.setTextSize(item->data().toInt());
    save();
}

void OptionsController::chooseTextColour()
{
    const QColor chosen
        = QColorDialog::getColor(m_chat.textColour(), &m_window, QStringLiteral("Text Color"));
    if (!chosen.isValid())
        return;
    m_chat.setTextColour(chosen);
    save();
}

// ---------------------------------------------------------------- window bounds

void OptionsController::resetScreenLocation()
{
    setFrameBounds(DefaultBounds);
}

void OptionsController::setFrameBounds(const QRect &frame)
{
    // The bounds are the whole window's, title bar and borders included.
    const QRect inside = m_window.geometry();
    const QRect outside = m_window.frameGeometry();
    const QMargins border(inside.left() - outside.left(), inside.top() - outside.top(),
                          outside.right() - inside.right(), outside.bottom() - inside.bottom());
    m_window.setGeometry(frame.marginsRemoved(border));
}

bool OptionsController::fitsTheScreen(const QRect &frame) const
{
    const QScreen *where = m_window.screen();
    if (!where)
        return true;
    const QRect desktop = where->availableVirtualGeometry();
    return frame.width() <= desktop.width() && frame.height() <= desktop.height()
        && frame.intersects(desktop);
}

void OptionsController::saveBounds()
{
    const QRect bounds = m_window.frameGeometry();
    if (bounds == m_storedBounds)
        return;
    QRect stored = bounds;
    if (const QScreen *where = m_window.screen()) {
        const QRect workArea = where->availableGeometry();
        if (stored.width() > workArea.width())
            stored.setWidth(stored.width() - OversizeTrim);
        if (stored.height() > workArea.height())
            stored.setHeight(stored.height() - OversizeTrim);
    }
    setFrameBounds(stored);
    m_storedBounds = stored;
    save();
}

// ---------------------------------------------------------------- settings file

QString OptionsController::settingsFolder() const
{
    return m_settingsFolder.isEmpty() ? Storage::homeFolder() : m_settingsFolder;
}

Settings::SettingsFile &OptionsController::settingsFile()
{
    if (!m_settings)
        m_settings = std::make_unique<Settings::SettingsFile>(settingsFolder(), currentSettings());
    return *m_settings;
}

void OptionsController::open()
{
    settingsFile();
}

Settings::Values OptionsController::currentSettings() const
{
    Settings::Values values;
    values.textSize = m_chat.textSize();
    values.bounds = m_window.frameGeometry();
    values.textColor = toRgb(m_chat.textColour());
    if (const Tgamestart *gamestart = m_gameStart) {
        values.playToScore = gamestart->playToScore();
        values.timePerTurn = gamestart->creationTime();
        values.gameType = gamestart->gameTypeTag();
        values.duplicate = gamestart->duplicateTag();
    }
    values.botSpeed = m_botSpeedTag;
    values.turnSound = m_turnSoundTag;
    values.playerPhraseSounds = playerPhraseSounds();
    values.playSounds = playSounds();
    for (int button = 1; button <= ChatPanel::PhraseCount; ++button)
        values.phrases[std::size_t(button - 1)] = m_chat.phrase(button);
    return values;
}

void OptionsController::load()
{
    Settings::Values values = currentSettings();
    // Empty phrases in the file leave the buttons as they are.
    values.phrases = {};
    settingsFile().load(values);

    // Bounds from another desktop, or damaged ones, would put the window
    // out of reach or make it huge.
    setFrameBounds(fitsTheScreen(values.bounds) ? values.bounds : DefaultBounds);
    m_storedBounds = m_window.frameGeometry();
    m_chat.setTextSize(values.textSize);
    for (QAction *item : m_textSizes)
        item->setChecked(item->data().toInt() == values.textSize);
    m_chat.setTextColour(toQColor(values.textColor));
    if (Tgamestart *gamestart = m_gameStart) {
        gamestart->setPlayToScore(values.playToScore);
        gamestart->setCreationTime(values.timePerTurn);
        gamestart->changebox(values.gameType);
        gamestart->checkit(values.duplicate);
    }
    m_botSpeedTag = values.botSpeed;
    showBotSkill(values.start.botSkill);
    for (QAction *item : m_botSpeeds)
        item->setChecked(item->data().toInt() == values.botSpeed);
    m_turnSoundTag = values.turnSound;
    m_turnSounds[0]->setChecked(values.turnSound != 1);
    m_turnSounds[1]->setChecked(values.turnSound == 1);
    for (int button = 1; button <= ChatPanel::PhraseCount; ++button) {
        const QString &stored = values.phrases[std::size_t(button - 1)];
        if (!stored.isEmpty())
            m_chat.setPhrase(button, stored);
    }
    m_playSounds->setChecked(values.playSounds);
    m_phraseSounds->setChecked(values.playerPhraseSounds);
}

void OptionsController::save()
{
    const Settings::Values values = currentSettings();
    if (settingsFile().save(values))
        m_storedBounds = values.bounds;
}
