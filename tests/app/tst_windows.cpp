// The program's real window set: side windows reach each other and open over
// the main window.
#include "ProgramWindows.h"

#include "bots/ComputerPlayers.h"
#include "client/ChatPanel.h"
#include "client/ChatView.h"
#include "client/chatform.h"
#include "storage/HomeFolder.h"
#include "widgets/TSelButton.h"
#include "windows/startform.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

class ProgramWindowsTest : public QObject
{
    Q_OBJECT

private slots:
    void sideWindowsOpenOverTheMainWindow()
    {
        QTemporaryDir home;
        Storage::chooseHomeFolder(home.path());
        ProgramWindows windows({});
        windows.chat().setGeometry(150, 100, 775, 575);
        windows.chat().Help2Click();
        auto topLevel = [](QStringView name) -> QWidget * {
            for (QWidget *window : QApplication::topLevelWidgets())
                if (window->objectName() == name)
                    return window;
            return nullptr;
        };
        QWidget *help = topLevel(u"help");
        QWidget *about = topLevel(u"about");
        QVERIFY(help && about && help->isVisible() && !about->isVisible());
        QTest::mouseClick(help->findChild<TSelButton *>(QStringLiteral("button_about")),
                          Qt::LeftButton);
        QVERIFY(about->isVisible());
        windows.chat().findChild<QAction *>(QStringLiteral("CategoryAddition1"))->trigger();
        QWidget *additions = topLevel(u"additionalcats");
        QVERIFY(additions && additions->isVisible());
        // All centred over the main window, within the width of the frames.
        for (const QWidget *side : {help, about, additions})
            QVERIFY((side->frameGeometry().center() - windows.chat().frameGeometry().center())
                        .manhattanLength()
                    <= 8);
    }

    void soloGameSeatsComputerPlayers_data()
    {
        QTest::addColumn<bool>("usualPortTaken");
        QTest::newRow("usual port") << false;
        QTest::newRow("usual port taken by another program") << true;
    }

    // A solo game seats the computer players the start window asks for, also when
    // a dedicated host has the usual port; the leading player adds and removes
    // them from "Options", and a removed one leaves silently.
    void soloGameSeatsComputerPlayers()
    {
        QFETCH(bool, usualPortTaken);
        QTemporaryDir home;
        Storage::chooseHomeFolder(home.path());
        QTcpServer probe;
        QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
        Environment::Knobs environment;
        environment.port = probe.serverPort();
        if (!usualPortTaken)
            probe.close();

        ProgramWindows windows({}, environment);
        Tchat &chat = windows.chat();
        chat.show();
        StartChoice solo;
        solo.name = StartWindow::SoloName;
        solo.port = probe.serverPort();
        solo.botCount = 2;
        chat.beginGame(solo);
        auto seatName = [&chat](int seat) {
            return chat.findChild<QLabel *>(QStringLiteral("label_playername%1").arg(seat))->text();
        };
        QTRY_COMPARE(seatName(3), QStringLiteral("Klick"));
        QCOMPARE(seatName(2), QStringLiteral("Klot"));
        QCOMPARE(windows.computerPlayers().count(), 2);
        // Every arrival is announced with the player's name.
        QVERIFY(!chat.chatPanel().text().contains(QStringLiteral("\n is Connected.")));

        chat.findChild<QAction *>(QStringLiteral("AddComputerPlayer1"))->trigger();
        QTRY_COMPARE(seatName(4), QStringLiteral("Kling"));
        chat.findChild<QAction *>(QStringLiteral("Fast1"))->trigger();
        QCOMPARE(windows.computerPlayers().speed(), BotSpeed::Fast);
        chat.findChild<QAction *>(QStringLiteral("RemoveComputerPlayer1"))->trigger();
        QTRY_COMPARE(seatName(4), PlayerSeats::Waiting);
        QCOMPARE(windows.computerPlayers().count(), 2);
        QVERIFY(!chat.chatPanel().text().contains(QStringLiteral("disconnected")));
    }
};

QTEST_MAIN(ProgramWindowsTest)
#include "tst_windows.moc"
