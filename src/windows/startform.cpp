#include "windows/startform.h"

#include "widgets/Fonts.h"
#include "widgets/Pictures.h"
#include "widgets/StoredColor.h"
#include "widgets/TFlatPanel.h"
#include "widgets/TLbBackground.h"
#include "windows/SideWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QNetworkInterface>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>

#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <vector>

namespace {
const QSize ClientSize(732, 376);
constexpr quint32 FrameColor = 9264224; // panel borders, as in the lobby window
constexpr quint32 TextColor = 12289393; // the blue headlines
constexpr quint32 Resting = 15989997; // the face of a panel that is not highlighted
constexpr quint32 HighlightBorder = 1756160; // green, like the help window's buttons
constexpr int BodyFontSize = 11;
constexpr int HeadlineFontSize = 16;
constexpr int TitleFontSize = 24;
constexpr int ButtonFontSize = 19;

constexpr int PanelTop = 74;
constexpr int PanelWidth = 236;
constexpr int PanelHeight = 256;
constexpr int PanelPitch = 240;
constexpr QRect HeadlinePlace(8, 10, 220, 22);
constexpr QRect TextPlace(14, 36, 208, 44);
constexpr QRect ButtonPlace(24, 202, 188, 42);
constexpr QRect LinkPlace(426, 340, 298, 26);
constexpr int FieldLeft = 20;
constexpr int FieldHeight = 24;
constexpr int PortWidth = 80;

// Host names and IPv4 addresses: letters, digits, dots, hyphens.
const QString LogoResource = QStringLiteral(":/pictures/logo.png");
const QRegularExpression HostPattern(QStringLiteral("^[A-Za-z0-9][A-Za-z0-9._-]*$"));

QSpinBox *makeSpin(QWidget *parent, const char *name, int minimum, int maximum, QRect place)
{
    auto *spin = new QSpinBox(parent);
    spin->setObjectName(QString::fromLatin1(name));
    spin->setRange(minimum, maximum);
    spin->setGeometry(place);
    return spin;
}

// The headline, the line that explains the way in, and its start button.
QPushButton *dressPanel(TFlatPanel *panel, const char *buttonName, const QString &caption,
                        const QString &explanation)
{
    const QColor blue = storedColor(TextColor);
    SideWindow::placeTextLabel(panel, "", caption, HeadlinePlace, uiFont(HeadlineFontSize, true),
                               blue, Qt::AlignCenter);
    SideWindow::placeTextLabel(panel, "", explanation, TextPlace, uiFont(BodyFontSize + 1), blue,
                               Qt::AlignHCenter | Qt::AlignTop, true);
    auto *button = new QPushButton(caption, panel);
    button->setObjectName(QString::fromLatin1(buttonName));
    constexpr int FaceRoom = 16;
    button->setFont(
        fittedFont(uiFont(ButtonFontSize, true), caption, ButtonPlace.width() - FaceRoom));
    QPalette palette = button->palette();
    palette.setColor(QPalette::ButtonText, Qt::red);
    button->setPalette(palette);
    // Enter starts the highlighted way in, not the button that had focus last.
    button->setAutoDefault(false);
    button->setGeometry(ButtonPlace);
    return button;
}
} // namespace

StartWindow::StartWindow(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("start"));
    SideWindow::setupFixed(this, QStringLiteral("Lexiburst - Start"), ClientSize,
                           SideWindow::defaultBackgroundColor());
    setFont(uiFont(BodyFontSize));
    m_background = new TLbBackground(this);
    const QColor blue = storedColor(TextColor);

    TFlatPanel *top = SideWindow::placePanel(this, "panel_name", {8, 6, 716, 62});
    QLabel *title = SideWindow::placeTextLabel(top, "image_logo", QStringLiteral("Lexiburst"),
                                               {12, 4, 168, 54}, uiFont(TitleFontSize, true), blue,
                                               Qt::AlignLeft | Qt::AlignVCenter);
    const QPixmap logo = Pictures::load(LogoResource);
    if (!logo.isNull())
        title->setPixmap(Pictures::fitted(logo, title->size()));
    SideWindow::placeTextLabel(top, "label_name", QStringLiteral("Your name:"),
                               {300, 19, 160, FieldHeight}, uiFont(HeadlineFontSize, true), blue,
                               Qt::AlignRight | Qt::AlignVCenter);
    m_name = new QLineEdit(top);
    m_name->setObjectName(QStringLiteral("edit_name"));
    m_name->setPlaceholderText(QStringLiteral("the name the other players see"));
    // The host keeps no more of a name than this.
    m_name->setMaxLength(GameFacts::MaxNameLength);
    m_name->setGeometry(470, 19, 234, FieldHeight);
    connect(m_name, &QLineEdit::textEdited, this, [this] { setNotice(QString(), false); });

    const char *panelNames[] = {"panel_solo", "panel_host", "panel_join"};
    for (std::size_t i = 0; i < m_ways.size(); ++i) {
        TFlatPanel *panel = SideWindow::placePanel(
            this, panelNames[i], {8 + int(i) * PanelPitch, PanelTop, PanelWidth, PanelHeight});
        panel->installEventFilter(this);
        m_ways[i].panel = panel;
    }
    buildSolo(way(Kind::Solo).panel);
    buildHost(way(Kind::Host).panel);
    buildJoin(way(Kind::Join).panel);
    for (std::size_t i = 0; i < m_ways.size(); ++i)
        connect(m_ways[i].button, &QPushButton::clicked, this, [this, i] { start(Kind(i)); });

    m_notice = SideWindow::placeTextLabel(this, "label_notice", QString(), {10, 336, 410, 34},
                                          uiFont(BodyFontSize + 1, true), Qt::red,
                                          Qt::AlignLeft | Qt::AlignVCenter, true);
    auto *lobby = new QPushButton(QStringLiteral("Have the Zorn22 Lobby? Open its window"), this);
    lobby->setObjectName(QStringLiteral("button_lobby"));
    lobby->setFlat(true);
    lobby->setCursor(Qt::PointingHandCursor);
    lobby->setAutoDefault(false);
    QFont link = uiFont(BodyFontSize + 1, true);
    link.setUnderline(true);
    lobby->setFont(fittedFont(link, lobby->text(), LinkPlace.width() - 8));
    QPalette linkPalette = lobby->palette();
    linkPalette.setColor(QPalette::ButtonText, blue);
    lobby->setPalette(linkPalette);
    lobby->setGeometry(LinkPlace);
    connect(lobby, &QPushButton::clicked, this, &StartWindow::lobbyRequested);

    // Whichever box the player works in is the one Enter starts.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        for (std::size_t i = 0; i < m_ways.size(); ++i)
            if (now && m_ways[i].panel->isAncestorOf(now))
                highlight(Kind(i));
    });

    setBackgroundPicture(SideWindow::backgroundPicture());
    showValues();
}

void StartWindow::buildSolo(TFlatPanel *panel)
{
    way(Kind::Solo).button
        = dressPanel(panel, "button_solo", QStringLiteral("Play Solo"),
                     QStringLiteral("Play on this computer against computer players."));
    SideWindow::placeTextLabel(panel, "label_bots", QStringLiteral("Computer players:"),
                               {FieldLeft, 106, 136, FieldHeight}, uiFont(BodyFontSize + 1, true),
                               Qt::black, Qt::AlignLeft | Qt::AlignVCenter);
    m_botCount = makeSpin(panel, "spin_bots", Settings::MinBotCount, Settings::MaxBotCount,
                          {158, 106, 54, FieldHeight});
    SideWindow::placeTextLabel(panel, "label_botskill", QStringLiteral("Their skill:"),
                               {FieldLeft, 138, 94, FieldHeight}, uiFont(BodyFontSize + 1, true),
                               Qt::black, Qt::AlignLeft | Qt::AlignVCenter);
    m_botSkill = new QComboBox(panel);
    m_botSkill->setObjectName(QStringLiteral("combo_botskill"));
    m_botSkill->setGeometry(122, 138, 90, FieldHeight);
    for (const auto &[text, skill] :
         {std::pair {"Weak", 1}, {"Fair", 2}, {"Strong", 3}, {"Mixed", Settings::MixedBotSkill}})
        m_botSkill->addItem(QLatin1String(text), skill);
    SideWindow::placeTextLabel(panel, "label_botspeed",
                               QStringLiteral("How fast they play is under Options, Bot Speed."),
                               {FieldLeft, 170, 196, 36}, uiFont(BodyFontSize), Qt::darkGray,
                               Qt::AlignHCenter | Qt::AlignTop, true);
}

void StartWindow::buildHost(TFlatPanel *panel)
{
    way(Kind::Host).button = dressPanel(panel, "button_host", QStringLiteral("Host a Game"),
                                        QStringLiteral("Friends join the game on this computer."));
    SideWindow::placeTextLabel(panel, "label_hostport", QStringLiteral("Port:"),
                               {FieldLeft, 84, 34, FieldHeight}, uiFont(BodyFontSize + 1, true),
                               Qt::black, Qt::AlignLeft | Qt::AlignVCenter);
    m_hostPort = makeSpin(panel, "spin_hostport", 1, 0xFFFF, {54, 84, 64, FieldHeight});
    m_hostPort->setGroupSeparatorShown(false);
    // Friends without the game join from a browser on this port.
    SideWindow::placeTextLabel(panel, "label_webport", QStringLiteral("Web:"),
                               {124, 84, 32, FieldHeight}, uiFont(BodyFontSize + 1, true),
                               Qt::black, Qt::AlignLeft | Qt::AlignVCenter);
    m_webPort = makeSpin(panel, "spin_webport", 0, 0xFFFF, {156, 84, 60, FieldHeight});
    m_webPort->setGroupSeparatorShown(false);
    m_webPort->setSpecialValueText(QStringLiteral("Off"));
    m_webPort->setToolTip(QStringLiteral("The port friends open in a browser; Off for none."));
    SideWindow::placeTextLabel(panel, "label_friends", QStringLiteral("Friends type this to join:"),
                               {FieldLeft, 112, 196, 18}, uiFont(BodyFontSize + 1, true), Qt::black,
                               Qt::AlignLeft | Qt::AlignVCenter);
    m_addresses = new QListWidget(panel);
    m_addresses->setObjectName(QStringLiteral("list_addresses"));
    m_addresses->setGeometry(FieldLeft, 132, 136, 60);
    m_addresses->setFont(uiFont(BodyFontSize + 2, true));
    m_copy = new QPushButton(QStringLiteral("Copy"), panel);
    m_copy->setObjectName(QStringLiteral("button_copy"));
    m_copy->setAutoDefault(false);
    m_copy->setGeometry(FieldLeft + 142, 132, 54, FieldHeight);
    connect(m_copy, &QPushButton::clicked, this, &StartWindow::copyAddress);
    connect(m_hostPort, &QSpinBox::valueChanged, this, &StartWindow::showAddresses);
    // The web port follows the port unless it was set apart from it.
    connect(m_hostPort, &QSpinBox::valueChanged, this, [this](int port) {
        if (m_webPort->value() == m_hostPort->property("lastPort").toInt() + 1)
            m_webPort->setValue(port < 0xFFFF ? port + 1 : 0);
        m_hostPort->setProperty("lastPort", port);
    });
}

void StartWindow::buildJoin(TFlatPanel *panel)
{
    way(Kind::Join).button = dressPanel(panel, "button_join", QStringLiteral("Join a Game"),
                                        QStringLiteral("Join the game a friend hosts."));
    m_lanGames = new QListWidget(panel);
    m_lanGames->setObjectName(QStringLiteral("list_langames"));
    m_lanGames->setGeometry(FieldLeft, 82, 196, 56);
    // A long line loses its middle, so name and address both stay in sight.
    m_lanGames->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_lanGames->setTextElideMode(Qt::ElideMiddle);
    m_lanGames->setToolTip(QStringLiteral("Games on this network: double-click one to join it."));
    showLanGames({});
    connect(m_lanGames, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem *item) {
        const QString address = item->data(Qt::UserRole).toString();
        if (address.isEmpty())
            return;
        m_joinAddress->setEditText(address);
        start(Kind::Join);
    });
    m_joinAddress = new QComboBox(panel);
    m_joinAddress->setObjectName(QStringLiteral("combo_joinaddress"));
    m_joinAddress->setEditable(true);
    m_joinAddress->setInsertPolicy(QComboBox::NoInsert);
    m_joinAddress->lineEdit()->setPlaceholderText(
        QStringLiteral("host address, or one joined before"));
    m_joinAddress->setGeometry(FieldLeft, 142, 196, FieldHeight);
    SideWindow::placeTextLabel(panel, "label_joinport", QStringLiteral("Port:"),
                               {FieldLeft, 172, 40, FieldHeight}, uiFont(BodyFontSize + 1, true),
                               Qt::black, Qt::AlignLeft | Qt::AlignVCenter);
    m_joinPort = makeSpin(panel, "spin_joinport", 1, 0xFFFF, {64, 172, PortWidth, FieldHeight});
    m_joinPort->setGroupSeparatorShown(false);
    // An address typed with ":port" (as the host's window shows it) and the
    // port box always agree; the typed port wins.
    connect(m_joinAddress, &QComboBox::editTextChanged, this, [this](const QString &text) {
        const std::optional<Settings::RecentHost> host = parseHost(text, GameFacts::DefaultPort);
        const bool carriesPort = host
            && (text.contains(QStringLiteral("]:"))
                || (!text.contains(u'[') && text.count(u':') == 1));
        if (carriesPort || m_portFromText)
            m_joinPort->setValue(carriesPort ? host->port : m_startPort);
        m_portFromText = carriesPort;
        setNotice(QString(), false);
    });
    connect(m_joinPort, &QSpinBox::valueChanged, this, [this](int port) {
        const std::optional<Settings::RecentHost> host
            = parseHost(m_joinAddress->currentText(), quint16(port));
        if (m_portFromText && host)
            m_joinAddress->setEditText(joinText(host->address, quint16(port)));
    });
}

QList<QHostAddress> StartWindow::machineAddresses()
{
    QList<QHostAddress> addresses;
    const auto interfaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface &interface : interfaces) {
        const auto flags = interface.flags();
        if (!flags.testFlag(QNetworkInterface::IsUp)
            || flags.testFlag(QNetworkInterface::IsLoopBack))
            continue;
        for (const QNetworkAddressEntry &entry : interface.addressEntries()) {
            const QHostAddress address = entry.ip();
            // A link-local IPv6 address is of no use without the interface's
            // name, which differs on the friend's machine.
            if (!address.isLoopback() && !address.isLinkLocal())
                addresses.append(address);
        }
    }
    return addresses;
}

QString StartWindow::accountName()
{
    passwd entry {};
    passwd *found = nullptr;
    const long hint = sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(hint > 0 ? std::size_t(hint) : 16384);
    QString login = qEnvironmentVariable("USER");
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found) {
        // The comment field holds "Full Name,room,phone,...".
        const QString realName
            = QString::fromLocal8Bit(found->pw_gecos).section(u',', 0, 0).simplified();
        const bool sendable = std::all_of(realName.cbegin(), realName.cend(),
                                          [](QChar c) { return c.unicode() <= 0xFF; });
        if (!realName.isEmpty() && sendable)
            return realName;
        login = QString::fromLocal8Bit(found->pw_name);
    }
    return login.trimmed();
}

QString StartWindow::joinText(const QString &address, quint16 port)
{
    // An IPv6 address goes in brackets, so its last group is not read as the port.
    const QString shown
        = address.contains(u':') && !address.startsWith(u'[') ? u'[' + address + u']' : address;
    if (port == GameFacts::DefaultPort)
        return shown;
    return shown + u':' + QString::number(port);
}

std::optional<Settings::RecentHost> StartWindow::parseHost(const QString &text, quint16 port)
{
    QString address = text.trimmed();
    // IPv6: "[address]" or "[address]:port", or the bare address without a port.
    const bool bracketed = address.startsWith(u'[');
    if (bracketed || address.count(u':') > 1) {
        const qsizetype close = bracketed ? address.indexOf(u']') : address.size();
        const QString inside = address.mid(bracketed ? 1 : 0, close - (bracketed ? 1 : 0));
        const QString rest = close < 0 ? QString() : address.mid(close + 1);
        if (close < 0 || QHostAddress(inside).protocol() != QAbstractSocket::IPv6Protocol)
            return std::nullopt;
        if (!rest.isEmpty()) {
            bool ok = false;
            const uint typedPort = rest.startsWith(u':') ? rest.mid(1).toUInt(&ok) : 0;
            if (!ok || typedPort < 1 || typedPort > 0xFFFF)
                return std::nullopt;
            port = quint16(typedPort);
        }
        return Settings::RecentHost {u'[' + inside + u']', port};
    }
    const qsizetype colon = address.lastIndexOf(u':');
    if (colon >= 0) {
        bool ok = false;
        const uint typedPort = address.mid(colon + 1).toUInt(&ok);
        if (!ok || typedPort < 1 || typedPort > 0xFFFF)
            return std::nullopt;
        port = quint16(typedPort);
        address.truncate(colon);
    }
    if (!HostPattern.match(address).hasMatch())
        return std::nullopt;
    return Settings::RecentHost {address, port};
}

void StartWindow::setSettingsFolder(const QString &folder)
{
    m_file.emplace(folder);
    m_values = Settings::Values();
    // An unreadable file gives the defaults; the choices still work.
    m_file->load(m_values);
    showValues();
}

void StartWindow::setAddressSource(AddressSource source)
{
    m_addressSource = std::move(source);
    showAddresses();
}

void StartWindow::setStartPort(quint16 port)
{
    m_startPort = port;
    showValues();
}

void StartWindow::setStartWebPort(int port)
{
    m_startWebPort = port;
    showValues();
}

void StartWindow::setBackgroundPicture(const QPixmap &picture)
{
    m_background->setPicture(picture);
}

void StartWindow::showValues()
{
    const Settings::StartValues &start = m_values.start;
    // A first start offers the account's name, so a first solo game is one click.
    m_name->setText((start.name.trimmed().isEmpty() ? accountName() : start.name)
                        .left(GameFacts::MaxNameLength));
    m_botCount->setValue(start.botCount);
    m_botSkill->setCurrentIndex(std::max(0, m_botSkill->findData(start.botSkill)));
    const bool portGiven = m_startPort != GameFacts::DefaultPort;
    m_hostPort->setValue(portGiven ? m_startPort : start.port);
    const int webPort
        = m_startWebPort != Settings::StartValues::FollowsPort ? m_startWebPort : start.webPort;
    m_webPort->setValue(webPort != Settings::StartValues::FollowsPort
                            ? webPort
                            : (m_hostPort->value() < 0xFFFF ? m_hostPort->value() + 1 : 0));
    showRecentHosts();
    showAddresses();
    highlight(start.choice);
}

void StartWindow::showRecentHosts()
{
    const QList<Settings::RecentHost> &hosts = m_values.start.recentHosts;
    m_joinAddress->clear();
    for (const Settings::RecentHost &host : hosts)
        m_joinAddress->addItem(joinText(host.address, host.port));
    m_joinAddress->setEditText(m_joinAddress->itemText(0));
    m_joinPort->setValue(hosts.isEmpty() ? m_startPort : hosts.first().port);
}

void StartWindow::showLanGames(const QList<LanDiscovery::GameOnLan> &games)
{
    const QString picked = m_lanGames->currentItem()
        ? m_lanGames->currentItem()->data(Qt::UserRole).toString()
        : QString();
    m_lanGames->clear();
    for (const LanDiscovery::GameOnLan &game : games) {
        const QString address = joinText(game.address, game.port);
        const QString state = game.running ? QStringLiteral("playing")
                                           : QStringLiteral("%1 free").arg(game.seatsFree);
        const QString name = game.name.isEmpty() ? QStringLiteral("A game") : game.name;
        auto *item = new QListWidgetItem(QStringLiteral("%1 (%2) - %3").arg(name, state, address),
                                         m_lanGames);
        item->setData(Qt::UserRole, address);
        item->setToolTip(QStringLiteral("%1 at %2: %3 of %4 seats taken, version %5")
                             .arg(name, address)
                             .arg(game.seatsTaken)
                             .arg(game.seatsTaken + game.seatsFree)
                             .arg(game.version));
        if (address == picked)
            m_lanGames->setCurrentItem(item);
    }
    if (games.isEmpty()) {
        auto *none
            = new QListWidgetItem(QStringLiteral("No games found on this network yet"), m_lanGames);
        none->setFlags(Qt::NoItemFlags);
    }
}

QStringList StartWindow::shownLanGames() const
{
    QStringList texts;
    for (int row = 0; row < m_lanGames->count(); ++row)
        if (m_lanGames->item(row)->flags() != Qt::NoItemFlags)
            texts.append(m_lanGames->item(row)->text());
    return texts;
}

void StartWindow::showAddresses()
{
    m_addresses->clear();
    const QList<QHostAddress> addresses
        = m_addressSource ? m_addressSource() : QList<QHostAddress>();
    for (const QHostAddress &address : addresses)
        m_addresses->addItem(joinText(address.toString(), quint16(m_hostPort->value())));
    m_copy->setEnabled(!addresses.isEmpty());
    if (addresses.isEmpty()) {
        auto *none = new QListWidgetItem(QStringLiteral("No network found"), m_addresses);
        none->setFlags(Qt::NoItemFlags);
        return;
    }
    m_addresses->setCurrentRow(0);
}

QStringList StartWindow::shownAddresses() const
{
    QStringList texts;
    for (int row = 0; row < m_addresses->count(); ++row)
        if (m_addresses->item(row)->flags() != Qt::NoItemFlags)
            texts.append(m_addresses->item(row)->text());
    return texts;
}

void StartWindow::copyAddress()
{
    const QListWidgetItem *item = m_addresses->currentItem();
    if (!item || item->flags() == Qt::NoItemFlags)
        return;
    QGuiApplication::clipboard()->setText(item->text());
    setNotice(QStringLiteral("Copied %1: send it to your friends.").arg(item->text()), false);
}

void StartWindow::highlight(Kind kind)
{
    m_highlighted = kind;
    for (std::size_t i = 0; i < m_ways.size(); ++i) {
        const bool on = Kind(i) == kind;
        m_ways[i].panel->setColor(on ? QColor(Qt::white) : storedColor(Resting));
        m_ways[i].panel->setBorderColor(storedColor(on ? HighlightBorder : FrameColor));
        m_ways[i].button->setDefault(on);
    }
}

QString StartWindow::notice() const
{
    return m_notice->text();
}

void StartWindow::showProblem(const QString &text)
{
    setNotice(text, true);
    show();
    raise();
    activateWindow();
}

void StartWindow::setNotice(const QString &text, bool problem)
{
    QPalette palette = m_notice->palette();
    palette.setColor(QPalette::WindowText, problem ? QColor(Qt::red) : storedColor(TextColor));
    m_notice->setPalette(palette);
    m_notice->setText(text);
}

void StartWindow::start(Kind kind)
{
    highlight(kind);
    StartChoice choice;
    choice.kind = kind;
    choice.name = m_name->text().trimmed();
    choice.botCount = m_botCount->value();
    choice.botSkill = m_botSkill->currentData().toInt();
    if (choice.name.isEmpty()) {
        setNotice(QStringLiteral("Type your name first: the other players see it."), true);
        m_name->setFocus();
        return;
    }
    if (kind == Kind::Host) {
        choice.port = quint16(m_hostPort->value());
        choice.webPort = quint16(m_webPort->value());
    }
    if (kind == Kind::Join) {
        const QString typed = m_joinAddress->currentText();
        const std::optional<Settings::RecentHost> host
            = parseHost(typed, quint16(m_joinPort->value()));
        if (!host) {
            setNotice(typed.trimmed().isEmpty()
                          ? QStringLiteral("Type the host's address: the host's window shows it.")
                          : QStringLiteral("\"%1\" is not an address: type it as the host's "
                                           "window shows it, like 192.168.1.5.")
                                .arg(typed.trimmed()),
                      true);
            m_joinAddress->setFocus();
            return;
        }
        choice.address = host->address;
        choice.port = host->port;
    }
    setNotice(QString(), false);
    remember(choice);
    hide();
    emit chosen(choice);
}

void StartWindow::remember(const StartChoice &choice)
{
    Settings::StartValues &start = m_values.start;
    start.choice = choice.kind;
    start.botCount = choice.botCount;
    start.botSkill = choice.botSkill;
    start.name = m_name->text().trimmed();
    if (choice.kind == Kind::Host) {
        start.port = choice.port;
        start.webPort = choice.webPort == choice.port + 1 ? Settings::StartValues::FollowsPort
                                                          : choice.webPort;
    }
    if (choice.kind == Kind::Join) {
        Settings::rememberHost(start.recentHosts, {choice.address, choice.port});
        showRecentHosts();
    }
    if (m_file)
        m_file->saveStart(m_values);
}

void StartWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    showAddresses();
    way(m_highlighted).button->setFocus();
    emit shownChanged(true);
}

void StartWindow::hideEvent(QHideEvent *event)
{
    QDialog::hideEvent(event);
    emit shownChanged(false);
}

void StartWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        start(m_highlighted);
        return;
    }
    QDialog::keyPressEvent(event);
}

bool StartWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress)
        for (std::size_t i = 0; i < m_ways.size(); ++i)
            if (watched == m_ways[i].panel)
                highlight(Kind(i));
    return QDialog::eventFilter(watched, event);
}
