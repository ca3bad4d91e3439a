// Between the settings file and the Options menu: builds the menu's option
// items, keeps them, the chat panel's look and the window's place in step with
// the file, and answers what the options are.
#pragma once

#include <QObject>
#include <QRect>
#include <QString>

#include <array>
#include <memory>

class ChatPanel;
class QAction;
class QMenu;
class QWidget;
class Tgamestart;
namespace Settings {
class SettingsFile;
struct Values;
} // namespace Settings

class OptionsController : public QObject
{
    Q_OBJECT

public:
    static constexpr QRect DefaultBounds {3, 3, 775, 575};

    OptionsController(QWidget &window, ChatPanel &chat, QObject *parent = nullptr);
    ~OptionsController() override;

    // Adds the option items to the Options menu, in their order.
    void fillMenu(QMenu *options);
    // Folder of the settings file (default: the game's home folder).
    void setSettingsFolder(const QString &folder) { m_settingsFolder = folder; }
    // The game-start window whose choices are kept too; may be missing.
    void setGameStart(Tgamestart *gamestart) { m_gameStart = gamestart; }

    // The computer players' skill as the start window chose it: checks its item.
    void showBotSkill(int skill);

    bool playSounds() const;
    bool playerPhraseSounds() const;
    // The bounds last read from or written to the file.
    QRect storedBounds() const { return m_storedBounds; }

    // Fixes what the window starts with: before the file is read, a save
    // writes only what the player changed.
    void open();
    void load();
    void save();
    // The window closes: its bounds are kept when they moved.
    void saveBounds();
    void resetScreenLocation();
    // Where the settings file lies.
    QString settingsFolder() const;

private:
    QAction *checkItem(QMenu *menu, const QString &text, const QString &name);
    void buildChoices(QMenu *options);
    void chooseTurnSound(QAction *item);
    void chooseBotSpeed(QAction *item);
    void chooseBotSkill(QAction *item);
    void chooseTextSize(QAction *item);
    void chooseTextColour();
    void setFrameBounds(const QRect &frame);
    bool fitsTheScreen(const QRect &frame) const;
    Settings::SettingsFile &settingsFile();
    Settings::Values currentSettings() const;

    QWidget &m_window;
    ChatPanel &m_chat;
    Tgamestart *m_gameStart = nullptr;

    QAction *m_playSounds = nullptr;
    QAction *m_phraseSounds = nullptr;
    std::array<QAction *, 2> m_turnSounds {}; // Classic, New
    std::array<QAction *, 3> m_botSpeeds {}; // Slow, Normal, Fast
    std::array<QAction *, 4> m_botSkills {}; // Weak, Fair, Strong, Mixed
    std::array<QAction *, 4> m_textSizes {}; // 8, 10, 12, 14
    QAction *m_scrollOff = nullptr;
    int m_turnSoundTag = 0;
    int m_botSpeedTag;

    QString m_settingsFolder;
    std::unique_ptr<Settings::SettingsFile> m_settings;
    QRect m_storedBounds {0, 0, 0, 0};
};
