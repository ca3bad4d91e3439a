// The lobby download window, shown on top of a solo game: keep playing solo,
// start the installed lobby program, or download the lobby's installer, hand it
// to the desktop and end the game.
#pragma once

#include "widgets/DesktopShell.h"
#include "widgets/UserPrompts.h"

#include <QDialog>
#include <QFile>
#include <QUrl>

class HttpDownload;
class QLabel;
class QPushButton;
class TFlatPanel;
class TLbBackground;

class Tdownload : public QDialog
{
    Q_OBJECT
public:
    // Download states kept in the progress label's tag.
    enum State { NotStarted = 0, Running = 1, Aborted = 2 };

    explicit Tdownload(QWidget *parent = nullptr);
    ~Tdownload() override;

    // The build's installer address and lobby program path; the program sets
    // others from LEXIBURST_LOBBY_URL and LEXIBURST_LOBBY_PATH.
    static QUrl defaultInstallerUrl();
    static QString defaultLobbyPath();

    void setInstallerUrl(const QUrl &url) { m_installerUrl = url; }
    QUrl installerUrl() const { return m_installerUrl; }
    void setLobbyPath(const QString &path) { m_lobbyPath = path; }
    // Folder the installer is saved in; empty (the default) means the game's home folder.
    void setDownloadFolder(const QString &folder) { m_downloadFolder = folder; }
    void setShell(const DesktopShell &shell) { m_shell = shell; }
    void setPrompts(const UserPrompts &prompts) { m_prompts = prompts; }
    void setBackgroundPicture(const QPixmap &picture);

    State downloadState() const { return m_state; }
    // Where the installer is (or was last) written.
    QString downloadPath() const;

    void getbuttonClick();
    void abortbuttonClick();
    void Button1Click();
    void Button2Click();

signals:
    // The game must end as if the player chose "Exit" (the installer or the lobby takes over).
    void exitRequested();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void HttpCli1HeaderData();
    void HttpCli1DocBegin();
    void HttpCli1DocData();
    void downloadFinished(bool ok);
    bool closeComplete();
    void setProgress(QLabel *label, const QString &text);
    QString folder() const;

    TFlatPanel *FlatPanel1;
    TFlatPanel *FlatPanel2;
    TFlatPanel *FlatPanel3;
    QLabel *Image1;
    QLabel *infolabel;
    QLabel *infolabel2;
    QLabel *infolabel3;
    QLabel *Label6;
    QPushButton *getbutton;
    QPushButton *abortbutton;
    QPushButton *Button1;
    QPushButton *Button2;
    TLbBackground *LbBackground1;
    HttpDownload *HttpCli1;

    QFile m_file;
    State m_state = NotStarted;
    QUrl m_installerUrl;
    QString m_lobbyPath;
    QString m_downloadFolder;
    DesktopShell m_shell = DesktopShell::system();
    UserPrompts m_prompts;
};
