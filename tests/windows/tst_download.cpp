#include "windows/downloadform.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

// A small HTTP/1.1 server on 127.0.0.1 with a few fixed answers:
//   /lobby/Zorn22LobbySetup.exe  the installer, PayloadSize bytes
//   /moved/Setup.exe             302 to the installer
//   /missing.exe                 404 with an error page
//   /held/Setup.exe              headers at once, then body pieces every few
//                                milliseconds once release() is called, never complete
class TinyHttpServer : public QObject
{
    Q_OBJECT
public:
    static constexpr int PayloadSize = 5000;
    static constexpr int HeldSize = 10'000'000;
    static constexpr int PieceSize = 512;
    static constexpr int PieceIntervalMs = 5;

    TinyHttpServer()
    {
        for (int i = 0; i < PayloadSize; ++i)
            payload.append(char(i * 7 % 251));
        QVERIFY(server.listen(QHostAddress::LocalHost));
        connect(&server, &QTcpServer::newConnection, this, &TinyHttpServer::accept);
        pieces.setInterval(PieceIntervalMs);
        connect(&pieces, &QTimer::timeout, this, &TinyHttpServer::sendPiece);
    }

    QUrl url(const QString &path) const
    {
        return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(server.serverPort()).arg(path));
    }

    void release() { pieces.start(); }

    QByteArray payload;
    QList<QByteArray> requestPaths;
    QByteArray lastRequestHead;
    int headerLinesOfInstaller = 0;

private:
    void accept()
    {
        while (QTcpSocket *socket = server.nextPendingConnection()) {
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onRequest(socket); });
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    }

    static QByteArray answer(const QByteArray &status, const QList<QByteArray> &headers,
                             const QByteArray &body)
    {
        QByteArray bytes = "HTTP/1.1 " + status + "\r\n";
        for (const QByteArray &header : headers)
            bytes += header + "\r\n";
        return bytes + "\r\n" + body;
    }

    void onRequest(QTcpSocket *socket)
    {
        QByteArray &buffer = buffers[socket];
        buffer += socket->readAll();
        const qsizetype end = buffer.indexOf("\r\n\r\n");
        if (end < 0)
            return;
        const QByteArray head = buffer.left(end);
        buffer.clear();
        const QByteArray path = head.split(' ').value(1);
        requestPaths.append(path);
        lastRequestHead = head;
        if (path == "/lobby/Zorn22LobbySetup.exe") {
            const QList<QByteArray> headers
                = {"Content-Type: application/octet-stream",
                   "Content-Length: " + QByteArray::number(payload.size()), "X-Served-By: tiny",
                   "Connection: close"};
            headerLinesOfInstaller = int(headers.size());
            socket->write(answer("200 OK", headers, payload));
            socket->disconnectFromHost();
        } else if (path == "/moved/Setup.exe") {
            socket->write(answer(
                "302 Found", {"Location: /lobby/Zorn22LobbySetup.exe", "Content-Length: 0"}, {}));
        } else if (path == "/held/Setup.exe") {
            const QList<QByteArray> headers = {"Content-Type: application/octet-stream",
                                               "Content-Length: " + QByteArray::number(HeldSize)};
            socket->write(answer("200 OK", headers, {}));
            held = socket;
        } else {
            const QByteArray page = "<html><body>Not here</body></html>";
            socket->write(answer(
                "404 Not Found",
                {"Content-Type: text/html", "Content-Length: " + QByteArray::number(page.size())},
                page));
        }
    }

    void sendPiece()
    {
        if (held)
            held->write(QByteArray(PieceSize, 'x'));
    }

    QTcpServer server;
    QTimer pieces;
    QPointer<QTcpSocket> held;
    QHash<QTcpSocket *, QByteArray> buffers;
};

// The window under test with its desktop and message boxes replaced.
struct DownloadRig
{
    explicit DownloadRig(bool shellAccepts = true)
    {
        window.setDownloadFolder(folder.path());
        window.setShell({[this, shellAccepts](const QUrl &url) {
                             opened.append(url);
                             return shellAccepts;
                         },
                         [this](const QString &program) {
                             started.append(program);
                             return false;
                         }});
        window.setPrompts({[this](const QString &text) { messages.append(text); },
                           [](const QString &) {
                               return true;
                           }});
        window.show();
    }
    QString text(const char *label) const
    {
        return window.findChild<QLabel *>(QString::fromLatin1(label))->text();
    }
    QPushButton *button(const char *name) const
    {
        return window.findChild<QPushButton *>(QString::fromLatin1(name));
    }

    QTemporaryDir folder;
    Tdownload window;
    QSignalSpy exits {&window, &Tdownload::exitRequested};
    QList<QUrl> opened;
    QStringList started;
    QStringList messages;
};

class TestDownload : public QObject
{
    Q_OBJECT
private slots:
    void completeDownloadIsInstalled_data();
    void completeDownloadIsInstalled();
    void failedDownloadIsAborted_data();
    void failedDownloadIsAborted();
    void stopDuringSlowTransfer();
    void stopWithNothingRunning();
    void uncreatableFileChangesNothing();
    void enterPlaysSolo();
    void progressTextsAreNotCoveredByButtons();
    void playWithOthers_data();
    void playWithOthers();
    void buildSettingsAreTheDefaults();
};

void TestDownload::completeDownloadIsInstalled_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<bool>("shellAccepts");
    QTest::newRow("direct") << "/lobby/Zorn22LobbySetup.exe"
                            << "Zorn22LobbySetup.exe" << true;
    // The file is named after the address asked for, not the one redirected to.
    QTest::newRow("redirected") << "/moved/Setup.exe"
                                << "Setup.exe" << true;
    QTest::newRow("desktop refuses") << "/lobby/Zorn22LobbySetup.exe"
                                     << "Zorn22LobbySetup.exe" << false;
}

void TestDownload::completeDownloadIsInstalled()
{
    QFETCH(QString, path);
    QFETCH(QString, fileName);
    QFETCH(bool, shellAccepts);
    TinyHttpServer server;
    DownloadRig rig(shellAccepts);
    rig.window.setInstallerUrl(server.url(path));

    QTest::mouseClick(rig.button("getbutton"), Qt::LeftButton);
    QCOMPARE(rig.window.downloadState(), Tdownload::Running);
    QVERIFY(!rig.button("getbutton")->isEnabled());
    QVERIFY(rig.button("abortbutton")->isEnabled());

    const QString expected = QStringLiteral("Received %1 bytes").arg(TinyHttpServer::PayloadSize);
    QTRY_COMPARE(rig.text("infolabel"), expected);
    QCOMPARE(rig.text("infolabel3"), QStringLiteral("Installing"));
    QVERIFY(rig.button("getbutton")->isEnabled());
    QVERIFY(!rig.button("abortbutton")->isEnabled());
    QCOMPARE(rig.window.downloadState(), Tdownload::Running);

    const QString saved = QDir(rig.folder.path()).filePath(fileName);
    QFile file(saved);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), server.payload);
    QCOMPARE(rig.opened, QList<QUrl> {QUrl::fromLocalFile(saved)});
    QVERIFY(rig.started.isEmpty());
    if (shellAccepts) {
        QCOMPARE(rig.exits.size(), 1);
        QVERIFY(rig.messages.isEmpty());
    } else {
        QCOMPARE(rig.exits.size(), 0);
        QCOMPARE(rig.messages, QStringList {QStringLiteral("An Error has Occurred.")});
    }

    // The site's fixed request headers; caches are allowed to answer.
    QVERIFY(server.lastRequestHead.contains("\r\nUser-Agent: Mozilla/3.0 (compatible)"));
    QVERIFY(server.lastRequestHead.contains(
        "\r\nAccept: image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, */*"));
    QVERIFY(!server.lastRequestHead.toLower().contains("no-cache"));
}

void TestDownload::failedDownloadIsAborted_data()
{
    QTest::addColumn<bool>("serverRuns");
    QTest::addColumn<QString>("path");
    QTest::newRow("404") << true << "/missing.exe";
    QTest::newRow("connection refused") << false << "/missing.exe";
    // The disk takes nothing: only flushing the file shows it.
    QTest::newRow("disk full") << true << "/lobby/Zorn22LobbySetup.exe";
}

void TestDownload::failedDownloadIsAborted()
{
    QFETCH(bool, serverRuns);
    QFETCH(QString, path);
    DownloadRig rig;
    QUrl url;
    std::unique_ptr<TinyHttpServer> server = std::make_unique<TinyHttpServer>();
    url = server->url(path);
    const QString fullDisk = QStringLiteral("/dev/full");
    if (QTest::currentDataTag() == QByteArray("disk full")
        && (!QFileInfo::exists(fullDisk)
            || !QFile::link(fullDisk, rig.folder.filePath(url.fileName()))))
        QSKIP("No /dev/full to stand for a full disk");
    if (!serverRuns)
        server.reset(); // nobody listens on that port any more
    rig.window.setInstallerUrl(url);

    QTest::mouseClick(rig.button("getbutton"), Qt::LeftButton);
    QTRY_COMPARE(rig.window.downloadState(), Tdownload::Aborted);
    QCOMPARE(rig.text("infolabel"), QStringLiteral("Download Aborted"));
    QVERIFY(rig.button("getbutton")->isEnabled());
    QVERIFY(!rig.button("abortbutton")->isEnabled());
    QVERIFY(rig.opened.isEmpty());
    QCOMPARE(rig.exits.size(), 0);
    QVERIFY(rig.messages.isEmpty());
    // Neither an empty file nor an error page nor a part is left as the installer.
    QVERIFY(!QFileInfo::exists(rig.window.downloadPath()));
}

void TestDownload::stopDuringSlowTransfer()
{
    TinyHttpServer server;
    DownloadRig rig;
    rig.window.setInstallerUrl(server.url(QStringLiteral("/held/Setup.exe")));

    QTest::mouseClick(rig.button("getbutton"), Qt::LeftButton);
    // One dot per header line before any body arrives.
    QTRY_COMPARE(rig.text("infolabel"), QStringLiteral("Loading.."));
    server.release();
    QTRY_COMPARE(rig.text("infolabel3"), QStringLiteral("Downloading: Setup.exe"));
    QTRY_VERIFY(rig.text("infolabel").endsWith(QStringLiteral(" bytes")));

    QTest::mouseClick(rig.button("abortbutton"), Qt::LeftButton);
    QCOMPARE(rig.text("infolabel"), QStringLiteral("Download has been aborted."));
    QTRY_COMPARE(rig.text("infolabel"), QStringLiteral("Download Aborted"));
    QCOMPARE(rig.text("infolabel3"), QStringLiteral("Download Aborted"));
    QCOMPARE(rig.window.downloadState(), Tdownload::Aborted);
    QVERIFY(rig.button("getbutton")->isEnabled());
    QVERIFY(!rig.button("abortbutton")->isEnabled());
    QVERIFY(rig.opened.isEmpty());
    QCOMPARE(rig.exits.size(), 0);
    // The part received is no installer: it is removed.
    QVERIFY(!QFileInfo::exists(rig.window.downloadPath()));
}

void TestDownload::stopWithNothingRunning()
{
    TinyHttpServer server;
    DownloadRig rig;
    rig.window.setInstallerUrl(server.url(QStringLiteral("/lobby/Zorn22LobbySetup.exe")));
    QCOMPARE(rig.window.downloadState(), Tdownload::NotStarted);

    QTest::mouseClick(rig.button("abortbutton"), Qt::LeftButton);
    QCOMPARE(rig.text("infolabel"), QStringLiteral("Download has been aborted."));
    QCOMPARE(rig.text("infolabel3"), QStringLiteral("Download Aborted"));
    QCOMPARE(rig.window.downloadState(), Tdownload::Aborted);

    QTest::mouseClick(rig.button("getbutton"), Qt::LeftButton);
    QCOMPARE(rig.window.downloadState(), Tdownload::Running);
    QTRY_COMPARE(rig.text("infolabel3"), QStringLiteral("Installing"));
    QCOMPARE(rig.exits.size(), 1);
}

void TestDownload::uncreatableFileChangesNothing()
{
    TinyHttpServer server;
    DownloadRig rig;
    rig.window.setInstallerUrl(server.url(QStringLiteral("/lobby/Zorn22LobbySetup.exe")));
    rig.window.setDownloadFolder(rig.folder.filePath(QStringLiteral("no/such/folder")));

    QTest::mouseClick(rig.button("getbutton"), Qt::LeftButton);
    QCOMPARE(rig.messages.size(), 1);
    QVERIFY(rig.messages.first().contains(QStringLiteral("Zorn22LobbySetup.exe")));
    QVERIFY(rig.button("getbutton")->isEnabled());
    QCOMPARE(rig.text("infolabel"), QString());
    QVERIFY(server.requestPaths.isEmpty());
}

void TestDownload::enterPlaysSolo()
{
    DownloadRig rig;
    QVERIFY(QTest::qWaitForWindowExposed(&rig.window));
    QTest::keyClick(&rig.window, Qt::Key_Return);
    QVERIFY(!rig.window.isVisible());
    QCOMPARE(rig.exits.size(), 0);
}

void TestDownload::progressTextsAreNotCoveredByButtons()
{
    DownloadRig rig;
    for (const char *name : {"infolabel", "infolabel3"}) {
        auto *label = rig.window.findChild<QLabel *>(QString::fromLatin1(name));
        for (const char *button : {"getbutton", "abortbutton"})
            QVERIFY2(!label->geometry().intersects(rig.button(button)->geometry()), name);
    }
}

void TestDownload::playWithOthers_data()
{
    QTest::addColumn<bool>("installed");
    QTest::newRow("installed") << true;
    QTest::newRow("missing") << false;
}

void TestDownload::playWithOthers()
{
    QFETCH(bool, installed);
    DownloadRig rig;
    const QString lobby = rig.folder.filePath(QStringLiteral("Zorn22Lobby"));
    if (installed) {
        QFile file(lobby);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    rig.window.setLobbyPath(lobby);
    QTest::mouseClick(rig.button("Button2"), Qt::LeftButton);
    if (installed) {
        // The shell's refusal does not keep the game open.
        QCOMPARE(rig.started, QStringList {lobby});
        QCOMPARE(rig.exits.size(), 1);
        QVERIFY(rig.messages.isEmpty());
    } else {
        QVERIFY(rig.started.isEmpty());
        QCOMPARE(rig.exits.size(), 0);
        QCOMPARE(
            rig.messages,
            QStringList {QStringLiteral(
                "Please close the game and open the Zorn22 Lobby using the icon on your desktop or "
                "using the your Window's start-up menu.")});
        QVERIFY(rig.window.isVisible());
    }
}

void TestDownload::buildSettingsAreTheDefaults()
{
    const QUrl built = Tdownload::defaultInstallerUrl();
    QCOMPARE(built.scheme(), QStringLiteral("http"));
    QVERIFY(!built.fileName().isEmpty());
    QVERIFY(!Tdownload::defaultLobbyPath().isEmpty());
    Tdownload window;
    QCOMPARE(window.installerUrl(), built);
}

QTEST_MAIN(TestDownload)
#include "tst_download.moc"
