// The start window: the three ways into a game for a player who starts the
// program without a command line - a solo game against computer players,
// hosting a game for friends, or joining one. It gathers the choice, remembers
// it in the settings file and hands it on in one signal; it owns no socket and
// starts nothing itself.
#pragma once

#include "protocol/LanDiscovery.h"
#include "storage/Settings.h"

#include <QDialog>
#include <QHostAddress>
#include <QList>

#include <array>
#include <functional>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
class TFlatPanel;
class TLbBackground;

struct StartChoice
{
    using Kind = Settings::StartKind;

    Kind kind = Kind::Solo;
    QString name;
    QString address; // the host to join; empty for the other kinds
    quint16 port = GameFacts::DefaultPort; // to host on, or of the host to join
    int botCount = Settings::DefaultBotCount; // computer players in a solo game
    int botSkill = Settings::DefaultBotSkill; // their skill, Settings::MixedBotSkill for mixed
    quint16 webPort = GameFacts::DefaultPort + 1; // browsers join a hosted game here; 0: none

    bool operator==(const StartChoice &) const = default;
};

class StartWindow : public QDialog
{
    Q_OBJECT

public:
    using Kind = Settings::StartKind;
    // The addresses of this machine that the host box shows.
    using AddressSource = std::function<QList<QHostAddress>()>;

    // The name of a solo game started without the start window.
    static inline const QString SoloName = QStringLiteral("You");

    explicit StartWindow(QWidget *parent = nullptr);

    // This machine's addresses that others can reach it by: the addresses of
    // the interfaces that are up, of both families, loopback and IPv6
    // link-local ones left out.
    static QList<QHostAddress> machineAddresses();
    // The name a first start offers: the account's real name, or its login
    // when the real name is unset or has letters the game cannot send.
    static QString accountName();
    // What a friend types to reach address: the port follows only when it is
    // not the usual one.
    static QString joinText(const QString &address, quint16 port);
    // A typed host: "address" or "address:port", an IPv6 address in brackets
    // ("[::1]:7800") or bare without a port; nullopt when it is blank or holds
    // characters no host name has. IPv6 addresses come back in brackets.
    static std::optional<Settings::RecentHost> parseHost(const QString &text, quint16 port);

    // Reads the remembered values from the settings file in folder; each
    // choice is written back there.
    void setSettingsFolder(const QString &folder);
    // The port this copy was started with (LEXIBURST_PORT): when it is not the
    // usual one, the port boxes start from it rather than from what was kept.
    void setStartPort(quint16 port);
    // The web port this copy was started with (LEXIBURST_WEB_PORT), or
    // Settings::StartValues::FollowsPort when none was given.
    void setStartWebPort(int port);
    void setAddressSource(AddressSource source);
    void setBackgroundPicture(const QPixmap &picture);

    Kind highlighted() const { return m_highlighted; }
    void highlight(Kind kind);
    // Starts a choice: emits chosen() and hides the window, or, when a field
    // is missing, says so in the window and keeps it open.
    void start(Kind kind);
    // The addresses the host box shows, as friends type them.
    QStringList shownAddresses() const;
    // Puts the address picked in the host box (the first one by default) on
    // the clipboard.
    void copyAddress();
    // The line that tells why a choice did not start; empty when all is well.
    QString notice() const;
    // Shows the window again with why the chosen game could not begin.
    void showProblem(const QString &text);
    // The games found on the local network, listed above the hosts joined
    // before; a double-click joins one.
    void showLanGames(const QList<LanDiscovery::GameOnLan> &games);
    // The lines the list of games found shows.
    QStringList shownLanGames() const;

signals:
    void chosen(const StartChoice &choice);
    // The player has the lobby program and wants its window.
    void lobbyRequested();
    // The window was shown or hidden: games on the network are looked for
    // only while it shows.
    void shownChanged(bool shown);

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Way
    {
        TFlatPanel *panel = nullptr;
        QPushButton *button = nullptr;
    };

    void buildSolo(TFlatPanel *panel);
    void buildHost(TFlatPanel *panel);
    void buildJoin(TFlatPanel *panel);
    Way &way(Kind kind) { return m_ways[std::size_t(kind)]; }
    void showAddresses();
    void showRecentHosts();
    void showValues();
    void setNotice(const QString &text, bool problem);
    void remember(const StartChoice &choice);

    std::array<Way, 3> m_ways;
    QLineEdit *m_name;
    QSpinBox *m_botCount;
    QComboBox *m_botSkill;
    QSpinBox *m_hostPort;
    QSpinBox *m_webPort;
    QListWidget *m_addresses;
    QPushButton *m_copy;
    QListWidget *m_lanGames;
    QComboBox *m_joinAddress;
    QSpinBox *m_joinPort;
    QLabel *m_notice;
    TLbBackground *m_background;

    Kind m_highlighted = Kind::Solo;
    // The join address carries the port ("host:port") the port box shows.
    bool m_portFromText = false;
    quint16 m_startPort = GameFacts::DefaultPort;
    int m_startWebPort = Settings::StartValues::FollowsPort;
    AddressSource m_addressSource = &StartWindow::machineAddresses;
    std::optional<Settings::SettingsFile> m_file;
    Settings::Values m_values;
};
