#include "windows/Screenshots.h"

#include "widgets/TSelButton.h"
#include "windows/aboutform.h"
#include "windows/additioncatsform.h"
#include "windows/downloadform.h"
#include "windows/helpform.h"
#include "windows/phrasesform.h"
#include "windows/startform.h"
#include "windows/tallylistform.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QScreen>
#include <QTemporaryDir>
#include <QWidget>
#include <QWindow>

#include <functional>

namespace {
bool framedGrabs = false;

// Runs the event loop for a while, or until done says so.
void runEvents(int ms, const std::function<bool()> &done = {})
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms && !(done && done()))
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

bool grabFramed(QWidget &window, const QString &path)
{
    window.show();
    window.raise();
    window.activateWindow();
    // The window manager frames a window some time after it is mapped, and
    // draws the frame after that.
    runEvents(3000, [&window] {
        return window.windowHandle() && window.windowHandle()->isExposed()
            && window.frameGeometry() != window.geometry();
    });
    runEvents(400);
    QScreen *screen = window.screen();
    const QRect area = window.frameGeometry().adjusted(-12, -12, 12, 12) & screen->geometry();
    const QPixmap shot = screen->grabWindow(0, area.x(), area.y(), area.width(), area.height());
    return shot.save(path);
}

bool saveGrab(QWidget &window, const QString &dir, const QString &name, QStringList &written)
{
    const QString path = QDir(dir).filePath(name + QStringLiteral(".png"));
    const bool saved = grabWindowTo(window, path);
    // On a real screen the next window must not open behind this one.
    if (framedGrabs)
        window.hide();
    if (!saved)
        return false;
    written.append(path);
    return true;
}

void checkRow(QListWidget *list, int row)
{
    list->item(row)->setCheckState(Qt::Checked);
}
} // namespace

void setFramedGrabs(bool framed)
{
    framedGrabs = framed;
}

bool grabWindowTo(QWidget &window, const QString &path)
{
    window.ensurePolished();
    return framedGrabs ? grabFramed(window, path) : window.grab().save(path);
}

QStringList renderSideWindows(const QString &dir)
{
    QDir().mkpath(dir);
    QStringList written;
    // The windows with files read and write them here, never in the player's folder.
    QTemporaryDir scratch;

    Thelp help;
    saveGrab(help, dir, QStringLiteral("help"), written);
    // A second page, to show the section buttons at work.
    if (TSelButton *section = help.sectionButton(3)) {
        section->click();
        saveGrab(help, dir, QStringLiteral("help-page3"), written);
    }
    if (TSelButton *section = help.sectionButton(12)) {
        section->click();
        saveGrab(help, dir, QStringLiteral("help-friends"), written);
    }
    Tabout about;
    saveGrab(about, dir, QStringLiteral("about"), written);
    Tdownload download;
    download.setDownloadFolder(scratch.path());
    saveGrab(download, dir, QStringLiteral("download"), written);

    // The start window as a returning player sees it, then refusing a blank name.
    StartWindow start;
    start.setSettingsFolder(scratch.path());
    start.setAddressSource([] {
        return QList<QHostAddress> {QHostAddress(QStringLiteral("192.168.1.23")),
                                    QHostAddress(QStringLiteral("10.8.0.4")),
                                    QHostAddress(QStringLiteral("2001:db8:4::23"))};
    });
    // Two games found on the network, one of them under way.
    QList<LanDiscovery::GameOnLan> found(2);
    found[0].name = QStringLiteral("Jonas");
    found[0].seatsTaken = 3;
    found[0].seatsFree = 5;
    found[0].port = 7772;
    found[0].address = QStringLiteral("192.168.1.40");
    found[1].name = QStringLiteral("Kitchen table");
    found[1].running = true;
    found[1].port = 7780;
    found[1].address = QStringLiteral("192.168.1.17");
    start.showLanGames(found);
    auto *joinAddress = start.findChild<QComboBox *>(QStringLiteral("combo_joinaddress"));
    auto *name = start.findChild<QLineEdit *>(QStringLiteral("edit_name"));
    name->setText(QStringLiteral("Mira"));
    for (const char *host : {"jonas-pc.lan", "192.168.1.40:7780"}) {
        joinAddress->setEditText(QString::fromLatin1(host));
        start.start(StartWindow::Kind::Join);
    }
    start.highlight(StartWindow::Kind::Host);
    saveGrab(start, dir, QStringLiteral("start"), written);
    name->clear();
    start.start(StartWindow::Kind::Join);
    saveGrab(start, dir, QStringLiteral("start-noname"), written);

    Tphrases phrases;
    phrases.setSettingsFolder(scratch.path());
    phrases.setPhrases({QStringLiteral("Hello everyone!"), QStringLiteral("Good game!"),
                        QStringLiteral("Nice one!"), QStringLiteral("/me is thinking..."),
                        QStringLiteral("Be right back"), QStringLiteral("LOL"),
                        QStringLiteral("Good luck!"), QStringLiteral("Thanks!"),
                        QStringLiteral("Bye!")});
    saveGrab(phrases, dir, QStringLiteral("phrases"), written);

    Tadditionalcats categories;
    categories.setFolder(scratch.path());
    auto *edit = categories.findChild<QLineEdit *>(QStringLiteral("edit_add"));
    for (const char *category :
         {"Board Games", "Things in a Kitchen", "Famous Painters", "Ice Cream Flavours"}) {
        edit->setText(QString::fromLatin1(category));
        categories.sendit();
    }
    saveGrab(categories, dir, QStringLiteral("additionalcats"), written);

    Ttallylist tally;
    tally.setFolder(scratch.path());
    tally.loadchecklist({QStringLiteral("Mira"), QStringLiteral("Jonas"), QStringLiteral("Pat")});
    auto *current = tally.findChild<QListWidget *>(QStringLiteral("checklist"));
    checkRow(current, 0);
    checkRow(current, 1);
    tally.addgame(QStringLiteral("addtomine"));
    tally.addgame(QStringLiteral("Mira"));
    tally.addgame(QStringLiteral("addtomine"));
    tally.addgame(QStringLiteral("Pat"));
    tally.selectOpponent(0);
    saveGrab(tally, dir, QStringLiteral("tallylist"), written);
    return written;
}
