#include "windows/downloadform.h"

#include "storage/HomeFolder.h"
#include "widgets/Fonts.h"
#include "widgets/Pictures.h"
#include "widgets/StoredColor.h"
#include "widgets/TFlatPanel.h"
#include "widgets/TLbBackground.h"
#include "windows/HttpDownload.h"
#include "windows/SideWindow.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>

#ifndef LEXIBURST_LOBBY_URL_DEFAULT
#define LEXIBURST_LOBBY_URL_DEFAULT "http://www.zorn22.example/download/Zorn22LobbySetup.exe"
#endif
#ifndef LEXIBURST_LOBBY_PATH_DEFAULT
#define LEXIBURST_LOBBY_PATH_DEFAULT "/opt/zorn22/Zorn22Lobby"
#endif

namespace {
const QSize ClientSize(724, 500);
constexpr quint32 FrameColor = 9264224; // borders and progress texts
constexpr quint32 TextColor = 12289393; // the blue headline texts
constexpr int BodyFontSize = 11;
constexpr int HeadlineFontSize = 16;
constexpr int ButtonFontSize = 19;
const QString BannerResource = QStringLiteral(":/pictures/banner.png");
// Used when the installer's address ends in "/" and names no file.
const QString FallbackFileName = QStringLiteral("Zorn22LobbySetup.exe");

QPushButton *makeButton(QWidget *parent, const char *name, const QString &caption, QRect place,
                        bool bold = false, int fontSize = ButtonFontSize,
                        const QColor &color = Qt::red)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    // Wide desktop faces would clip the designed captions: shrink to fit.
    constexpr int FaceRoom = 16;
    button->setFont(fittedFont(uiFont(fontSize, bold), caption, place.width() - FaceRoom));
    QPalette palette = button->palette();
    palette.setColor(QPalette::ButtonText, color);
    button->setPalette(palette);
    button->setAutoDefault(false);
    button->setGeometry(place);
    return button;
}
} // namespace

Tdownload::Tdownload(QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint), m_installerUrl(defaultInstallerUrl()),
      m_lobbyPath(defaultLobbyPath()), m_prompts(UserPrompts::messageBoxes(this))
{
    setObjectName(QStringLiteral("download"));
    SideWindow::setupFixed(this, QStringLiteral("Download The Zorn22 Lobby"), ClientSize,
                           SideWindow::defaultBackgroundColor());
    setFont(uiFont(BodyFontSize));
    LbBackground1 = new TLbBackground(this);
    HttpCli1 = new HttpDownload(this);
    HttpCli1->setObjectName(QStringLiteral("HttpCli1"));
    const QColor frame = storedColor(FrameColor);
    const QColor blue = storedColor(TextColor);
    const QFont headline = uiFont(HeadlineFontSize, true);
    const QFont bold = uiFont(BodyFontSize, true);
    const Qt::Alignment centred = Qt::AlignHCenter | Qt::AlignTop;

    // Left: the banner and the download.
    FlatPanel1 = SideWindow::placePanel(this, "FlatPanel1", {8, 6, 450, 487});
    Image1 = new QLabel(FlatPanel1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(8, 1, 436, 360);
    Image1->setPixmap(Pictures::load(BannerResource));
    SideWindow::placeTextLabel(FlatPanel1, "Label2", QStringLiteral("IS CLOSED"), {64, 77, 121, 13},
                               bold, Qt::red, Qt::AlignLeft | Qt::AlignTop);
    // The banner fills the panel's top; the headline sits just below it.
    SideWindow::placeTextLabel(
        FlatPanel1, "Label1",
        QStringLiteral("Download The Zorn22 Lobby Now to play this  and other exciting games "
                       "online with other "
                       "players! "),
        {27, 362, 401, 44}, headline, blue, centred, true);
    getbutton = makeButton(FlatPanel1, "getbutton",
                           QStringLiteral("Download And Install The Zorn22 Lobby Now"),
                           {13, 408, 428, 42});
    connect(getbutton, &QPushButton::clicked, this, &Tdownload::getbuttonClick);
    // Progress and the note share the space left of "Stop Download": the note
    // shows until the first progress text replaces it.
    infolabel = SideWindow::placeTextLabel(FlatPanel1, "infolabel", QString(), {8, 452, 266, 17},
                                           bold, frame, Qt::AlignCenter);
    infolabel3 = SideWindow::placeTextLabel(FlatPanel1, "infolabel3", QString(), {8, 468, 266, 17},
                                            bold, frame, Qt::AlignCenter);
    Label6 = SideWindow::placeTextLabel(
        FlatPanel1, "Label6",
        QStringLiteral("The Zorn22 Lobby is free to download; its terms of use are shown before it "
                       "installs."),
        {12, 452, 262, 32}, bold, blue, Qt::AlignCenter, true);
    infolabel2 = new QLabel(FlatPanel1);
    infolabel2->setObjectName(QStringLiteral("infolabel2"));
    infolabel2->setGeometry(8, 360, 266, 17);
    infolabel2->hide();
    abortbutton = makeButton(FlatPanel1, "abortbutton", QStringLiteral("Stop Download"),
                             {280, 455, 161, 25}, true, BodyFontSize, Qt::black);
    connect(abortbutton, &QPushButton::clicked, this, &Tdownload::abortbuttonClick);

    // Top right: keep playing alone.
    FlatPanel2 = SideWindow::placePanel(this, "FlatPanel2", {460, 6, 257, 228});
    SideWindow::placeTextLabel(
        FlatPanel2, "Label7",
        QStringLiteral(
            "To proceed to the game without the ability to play against others click the button "
            "below."),
        {20, 16, 217, 105}, headline, blue, centred, true);
    Button1
        = makeButton(FlatPanel2, "Button1", QStringLiteral("Play Solo Game"), {45, 127, 172, 42});
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &Tdownload::Button1Click);
    SideWindow::placeTextLabel(
        FlatPanel2, "Label3",
        QStringLiteral(
            "Note: Even if you are playing offline, you will need to configure your FIREWALL to "
            "allow the game to access the internet components."),
        {8, 176, 241, 48}, uiFont(BodyFontSize - 1), Qt::red, Qt::AlignLeft | Qt::AlignTop, true);

    // Bottom right: the installed lobby.
    FlatPanel3 = SideWindow::placePanel(this, "FlatPanel3", {460, 236, 257, 257});
    SideWindow::placeTextLabel(
        FlatPanel3, "Label5",
        QStringLiteral(
            "If you already have The Zorn22 Lobby and you wish to play with others then click the "
            "button below to close this game and open The Zorn22 Lobby."),
        {12, 16, 233, 145}, headline, blue, centred, true);
    Button2
        = makeButton(FlatPanel3, "Button2", QStringLiteral("Play with Others"), {45, 167, 172, 42});
    connect(Button2, &QPushButton::clicked, this, &Tdownload::Button2Click);
    SideWindow::placeTextLabel(FlatPanel3, "Label4", QString(), {8, 215, 241, 17}, bold, frame,
                               Qt::AlignCenter);

    connect(HttpCli1, &HttpDownload::headerData, this, &Tdownload::HttpCli1HeaderData);
    connect(HttpCli1, &HttpDownload::docBegin, this, &Tdownload::HttpCli1DocBegin);
    connect(HttpCli1, &HttpDownload::docData, this, &Tdownload::HttpCli1DocData);
    connect(HttpCli1, &HttpDownload::finished, this,
            [this](bool ok, int, const QString &) { downloadFinished(ok); });

    setBackgroundPicture(SideWindow::backgroundPicture());
}

// Closing the program ends a running download; its partly written file goes.
Tdownload::~Tdownload()
{
    const bool running = HttpCli1->isRunning();
    delete HttpCli1;
    if (running)
        m_file.remove();
}

QUrl Tdownload::defaultInstallerUrl()
{
    return QUrl(QStringLiteral(LEXIBURST_LOBBY_URL_DEFAULT));
}

QString Tdownload::defaultLobbyPath()
{
    return QStringLiteral(LEXIBURST_LOBBY_PATH_DEFAULT);
}

void Tdownload::setBackgroundPicture(const QPixmap &picture)
{
    LbBackground1->setPicture(picture);
}

QString Tdownload::folder() const
{
    return m_downloadFolder.isEmpty() ? Storage::homeFolder() : m_downloadFolder;
}

QString Tdownload::downloadPath() const
{
    return QDir(folder()).filePath(infolabel2->text());
}

void Tdownload::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    SideWindow::centreOnScreen(this);
}

void Tdownload::setProgress(QLabel *label, const QString &text)
{
    label->setText(text);
    Label6->setVisible(infolabel->text().isEmpty() && infolabel3->text().isEmpty());
}

void Tdownload::getbuttonClick()
{
    if (HttpCli1->isRunning())
        return;
    m_state = Running;
    // Only the last path segment names the file, so the address cannot place it elsewhere.
    QString name = m_installerUrl.fileName();
    if (name.isEmpty() || name == QLatin1String("..") || name == QLatin1String("."))
        name = FallbackFileName;
    infolabel2->setText(name);

    m_file.setFileName(downloadPath());
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        m_prompts.inform(QStringLiteral("Cannot create file \"%1\". %2")
                             .arg(m_file.fileName(), m_file.errorString()));
        return;
    }
    getbutton->setEnabled(false);
    abortbutton->setEnabled(true);
    setProgress(infolabel, QStringLiteral("Loading"));
    HttpCli1->get(m_installerUrl, &m_file);
}

void Tdownload::HttpCli1HeaderData()
{
    setProgress(infolabel, infolabel->text() + QLatin1Char('.'));
}

void Tdownload::HttpCli1DocBegin()
{
    setProgress(infolabel3, QStringLiteral("Downloading: ") + infolabel2->text());
}

void Tdownload::HttpCli1DocData()
{
    setProgress(infolabel, QString::number(HttpCli1->documentBytes()) + QStringLiteral(" bytes"));
}

// True when every received byte is on disk: a full disk shows only when the
// buffered data is flushed or the file is closed.
bool Tdownload::closeComplete()
{
    const bool flushed = m_file.flush() && m_file.size() == HttpCli1->documentBytes();
    m_file.close();
    return flushed && m_file.error() == QFileDevice::NoError;
}

void Tdownload::downloadFinished(bool ok)
{
    ok = closeComplete() && ok;
    if (ok) {
        setProgress(infolabel,
                    QStringLiteral("Received ") + QString::number(HttpCli1->documentBytes())
                        + QStringLiteral(" bytes"));
    } else {
        setProgress(infolabel, QStringLiteral("Download Aborted"));
        m_state = Aborted;
    }
    getbutton->setEnabled(true);
    abortbutton->setEnabled(false);
    if (m_state == Aborted) {
        // A partial installer must never be run later by hand.
        m_file.remove();
        return;
    }

    setProgress(infolabel3, QStringLiteral("Installing"));
    // The desktop opens the installer with its own default action; installer
    // switches cannot be passed that way, so the installer runs as it chooses.
    if (!m_shell.openUrl || !m_shell.openUrl(QUrl::fromLocalFile(downloadPath()))) {
        m_prompts.inform(QStringLiteral("An Error has Occurred."));
        return;
    }
    emit exitRequested();
}

void Tdownload::abortbuttonClick()
{
    HttpCli1->abort();
    setProgress(infolabel, QStringLiteral("Download has been aborted."));
    m_state = Aborted;
    setProgress(infolabel3, QStringLiteral("Download Aborted"));
}

void Tdownload::Button1Click()
{
    close();
}

void Tdownload::Button2Click()
{
    if (!QFileInfo::exists(m_lobbyPath)) {
        m_prompts.inform(
            QStringLiteral("Please close the game and open the Zorn22 Lobby using the icon on your "
                           "desktop or using the your Window's start-up menu."));
        return;
    }
    // The game ends whether or not the lobby could be started.
    if (m_shell.startProgram)
        m_shell.startProgram(m_lobbyPath);
    emit exitRequested();
}
