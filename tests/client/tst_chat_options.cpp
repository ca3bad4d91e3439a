// The options menu and the settings file behind it, the window bounds written
// at closing, and the gates on sounds.
#include "ClientTestSupport.h"

#include "protocol/Messages.h"
#include "storage/ProfileIni.h"

#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>

using namespace Qt::StringLiterals;

class ChatOptionsTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void closingUnmovedWindowWritesNothing();
    void closingWritesChangedBounds();
    void closingShrinksAWindowWiderThanTheScreen();
    void resetScreenLocation();
    void windowKeepsTheBoardVisible();
    void menusInOrder();
    void menuItemsShowTheirWindows();
    void menuChoicesAreSaved_data();
    void menuChoicesAreSaved();
    void storedSettingsTakeEffectAtArrival();
    void boundsThatDoNotFitFallBack_data();
    void boundsThatDoNotFitFallBack();
    void playSoundsGatesGameSounds();
    void soundPlayerIsHarmlessWithoutDevice();

private:
    void signIn();
    QString stored(const QString &key) const;
    QRect storedBounds() const
    {
        return {stored(u"Left"_s).toInt(), stored(u"Top"_s).toInt(), stored(u"Width"_s).toInt(),
                stored(u"Height"_s).toInt()};
    }
    void writeIni(const QByteArray &lexaburstLines);
    // Places the whole window, frame included, as the settings describe it.
    void placeFrame(const QRect &bounds);
    QString iniPath() const { return m_client->home.filePath(u"zornlobby.ini"_s); }

    std::unique_ptr<FakeHost> m_host;
    std::unique_ptr<TestClient> m_client;
    Tchat *chat = nullptr;
};

void ChatOptionsTest::init()
{
    m_host = std::make_unique<FakeHost>();
    m_client = std::make_unique<TestClient>(m_host->port(),
                                            QStringList {u"Ann"_s, u"127.0.0.1"_s, u"j"_s});
    chat = m_client->chat.get();
}

void ChatOptionsTest::cleanup()
{
    m_client.reset();
    m_host.reset();
}

void ChatOptionsTest::signIn()
{
    chat->show();
    QTRY_COMPARE(m_host->connections(), 1);
    m_host->send(Protocol::Msg::sendlogininfo(2));
    m_host->send(Protocol::Msg::newplayerinfo(2, u"Ann"_s));
    QTRY_COMPARE(lastChatLine(*chat), u"You are Connected."_s);
}

void ChatOptionsTest::writeIni(const QByteArray &lexaburstLines)
{
    QFile file(iniPath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[Other]\r\nkeep=1\r\n[Lexaburst]\r\n" + lexaburstLines);
}

void ChatOptionsTest::placeFrame(const QRect &bounds)
{
    chat->move(bounds.topLeft());
    chat->resize(bounds.size() - (chat->frameGeometry().size() - chat->size()));
}

QString ChatOptionsTest::stored(const QString &key) const
{
    ProfileIni ini;
    ini.load(iniPath());
    return ini.readString(u"Lexaburst"_s, key, u"<missing>"_s);
}

void ChatOptionsTest::closingUnmovedWindowWritesNothing()
{
    signIn();
    QCOMPARE(chat->options().storedBounds(), chat->frameGeometry());
    chat->close();
    QVERIFY(m_client->closed);
    QVERIFY(!QFile::exists(iniPath()));
}

void ChatOptionsTest::closingWritesChangedBounds()
{
    signIn();
    placeFrame({40, 50, 790, 580});
    chat->close();
    QCOMPARE(storedBounds(), QRect(40, 50, 790, 580));
    QCOMPARE(stored(u"Textsize"_s), u"8"_s);
    QCOMPARE(stored(u"Playsounds"_s), u"true"_s);
}

void ChatOptionsTest::closingShrinksAWindowWiderThanTheScreen()
{
    signIn();
    const QRect workArea = chat->screen()->availableGeometry();
    chat->setGeometry(0, 0, workArea.width() + 40, 600);
    const int width = chat->frameGeometry().width();
    QVERIFY(width > workArea.width());
    chat->close();
    QCOMPARE(stored(u"Width"_s), QString::number(width - 15));
    QCOMPARE(chat->options().storedBounds().width(), width - 15);
}

void ChatOptionsTest::resetScreenLocation()
{
    signIn();
    placeFrame({100, 120, 790, 580});
    named(*chat, u"Fast1"_s)->trigger();
    QCOMPARE(stored(u"Left"_s), u"100"_s);
    QCOMPARE(chat->options().storedBounds(), QRect(100, 120, 790, 580));
    named(*chat, u"ResetScreenLocation1"_s)->trigger();
    // Nothing is written until the window closes.
    QCOMPARE(stored(u"Left"_s), u"100"_s);
    chat->close();
    QCOMPARE(storedBounds(), QRect(3, 3, 775, 575));
    QCOMPARE(chat->frameGeometry(), QRect(3, 3, 775, 575));
}

void ChatOptionsTest::windowKeepsTheBoardVisible()
{
    chat->show();
    chat->resize(300, 200);
    QTRY_VERIFY(chat->centralWidget()->width() >= 768);
    QVERIFY(chat->centralWidget()->height() >= 530);
    const QRect board = named<QWidget>(*chat, u"panel_board"_s)->geometry();
    QVERIFY(chat->centralWidget()->rect().contains(board));
}

void ChatOptionsTest::menusInOrder()
{
    QStringList menus;
    QStringList options;
    for (QAction *menu : chat->menuBar()->actions()) {
        menus.append(menu->text().remove(u'&'));
        if (menus.constLast() != u"Options"_s)
            continue;
        for (QAction *item : menu->menu()->actions())
            options.append(item->isSeparator() ? u"-"_s : item->text());
    }
    QCOMPARE(menus, (QStringList {u"File"_s, u"Options"_s, u"View"_s, u"Help"_s}));
    QCOMPARE(options,
             (QStringList {u"Play Sounds"_s, u"Player Phrase Sounds"_s, u"Turn Sound"_s,
                           u"Bot Speed"_s, u"Bot Skill"_s, u"-"_s, u"Text Color"_s, u"Text Size"_s,
                           u"Scroll Chat Off"_s, u"Clear Main Chat"_s, u"Reset Screen Location"_s,
                           u"-"_s, u"Friends Join from a Browser..."_s, u"Just Watch"_s}));
    QVERIFY(!named(*chat, u"StartGame1"_s)->isEnabled());
    QVERIFY(named(*chat, u"PlaySounds1"_s)->isChecked()
            && named(*chat, u"PlayerPhraseSounds1"_s)->isChecked());
    QVERIFY(!named(*chat, u"JustWatch1"_s)->isChecked());
    QCOMPARE(named(*chat, u"Help2"_s)->shortcut(), QKeySequence(Qt::Key_F1));
    QCOMPARE(named(*chat, u"ScrollChatOff2"_s)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
    QCOMPARE(named(*chat, u"wave5"_s)->text(), u"Where have you been?"_s);
    QCOMPARE(named<QMenu>(*chat, u"popup_smilies"_s)->actions().size(), 17);
    QCOMPARE(named<QMenu>(*chat, u"popup_smilies"_s)->actions().constLast()->text(), u":)#26"_s);
}

void ChatOptionsTest::menuItemsShowTheirWindows()
{
    QWidget about;
    QWidget help;
    QWidget categories;
    ChatWindows windows;
    windows.about = &about;
    windows.help = &help;
    windows.additionalcats = &categories;
    chat->setWindows(windows);
    named(*chat, u"About1"_s)->trigger();
    named(*chat, u"Help2"_s)->trigger();
    named(*chat, u"CategoryAddition1"_s)->trigger();
    named(*chat, u"SpyList1"_s)->trigger();
    QVERIFY(about.isVisible() && help.isVisible() && categories.isVisible());
    QVERIFY(chat->spylist()->isVisible());
    QVERIFY(chat->spylist()->windowFlags() & Qt::WindowStaysOnTopHint);
    // Windows that are missing leave their items without effect.
    named(*chat, u"PrhaseList1"_s)->trigger();
    named(*chat, u"ViewTally1"_s)->trigger();
}

void ChatOptionsTest::menuChoicesAreSaved_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::newRow("Fast") << u"Fast1"_s << u"Botspeed"_s << u"500"_s;
    QTest::newRow("Slow") << u"Slow1"_s << u"Botspeed"_s << u"2000"_s;
    QTest::newRow("New") << u"New1"_s << u"Turnsound"_s << u"1"_s;
    QTest::newRow("Strong") << u"Strong1"_s << u"BotSkill"_s << u"3"_s;
    QTest::newRow("Mixed") << u"Mixed1"_s << u"BotSkill"_s << u"0"_s;
    QTest::newRow("Play Sounds") << u"PlaySounds1"_s << u"Playsounds"_s << u"false"_s;
    QTest::newRow("Player Phrase Sounds")
        << u"PlayerPhraseSounds1"_s << u"Playerphrasesounds"_s << u"false"_s;
    QTest::newRow("Text Size 12") << u"N12"_s << u"Textsize"_s << u"12"_s;
}

void ChatOptionsTest::menuChoicesAreSaved()
{
    QFETCH(QString, item);
    QFETCH(QString, key);
    QFETCH(QString, value);
    signIn();
    auto *action = chat->findChild<QAction *>(item);
    QVERIFY(action);
    action->trigger();
    QCOMPARE(stored(key), value);
    QVERIFY(action->isChecked() == (value != u"false"_s));
}

void ChatOptionsTest::storedSettingsTakeEffectAtArrival()
{
    writeIni("Textsize=12\r\nBotspeed=500\r\nTurnsound=1\r\n"
             "Playsounds=FALSE\r\nPlayerphrasesounds=false\r\nTextcolor=clNavy\r\n"
             "Phrase2=Hooray!\r\nPhrase3=\r\nLeft=20\r\nTop=30\r\nWidth=780\r\nHeight=580\r\n");
    chat->show();
    // Before the own arrival the built-in values hold.
    QCOMPARE(chatView(*chat)->textSize(), ChatView::DefaultTextSize);
    QVERIFY(named(*chat, u"Normal1"_s)->isChecked());
    signIn();
    QCOMPARE(chatView(*chat)->textSize(), 12);
    QVERIFY(named(*chat, u"N12"_s)->isChecked());
    QVERIFY(named(*chat, u"Fast1"_s)->isChecked() && !named(*chat, u"Normal1"_s)->isChecked());
    QVERIFY(named(*chat, u"New1"_s)->isChecked() && !named(*chat, u"Classic1"_s)->isChecked());
    // Only the exact "false" unchecks.
    QVERIFY(named(*chat, u"PlaySounds1"_s)->isChecked());
    QVERIFY(!named(*chat, u"PlayerPhraseSounds1"_s)->isChecked());
    QCOMPARE(chat->chatPanel().textColour(), QColor(0, 0, 0x80));
    QCOMPARE(chat->chatPanel().phrase(2), u"Hooray!"_s);
    QCOMPARE(chat->chatPanel().phrase(3), u"Nice Try!"_s);
    // The bounds are the whole window's, frame included.
    QVERIFY(chat->frameGeometry() != chat->geometry());
    QCOMPARE(chat->frameGeometry(), QRect(20, 30, 780, 580));

    named(*chat, u"Slow1"_s)->trigger();
    QCOMPARE(stored(u"Botspeed"_s), u"2000"_s);
    ProfileIni ini;
    ini.load(iniPath());
    QCOMPARE(ini.readString(u"Other"_s, u"keep"_s), u"1"_s);
}

void ChatOptionsTest::boundsThatDoNotFitFallBack_data()
{
    QTest::addColumn<QByteArray>("bounds");
    QTest::newRow("larger than the screen")
        << "Left=3\r\nTop=3\r\nWidth=100000\r\nHeight=100000\r\n"_ba;
    QTest::newRow("off the screen") << "Left=-30000\r\nTop=40000\r\nWidth=700\r\nHeight=500\r\n"_ba;
}

void ChatOptionsTest::boundsThatDoNotFitFallBack()
{
    QFETCH(QByteArray, bounds);
    writeIni(bounds);
    signIn();
    QCOMPARE(chat->frameGeometry(), QRect(3, 3, 775, 575));
}

void ChatOptionsTest::playSoundsGatesGameSounds()
{
    signIn();
    QCOMPARE(m_client->sounds, QStringList {u"entered"_s});
    named(*chat, u"PlaySounds1"_s)->trigger();
    QVERIFY(!named(*chat, u"PlaySounds1"_s)->isChecked());
    m_host->send(Protocol::Msg::newplayerinfo(3, u"Cy"_s));
    QTRY_COMPARE(lastChatLine(*chat), u"Cy is Connected."_s);
    chat->playsounds(u"tick"_s);
    QCOMPARE(m_client->sounds, QStringList {u"entered"_s});
}

void ChatOptionsTest::soundPlayerIsHarmlessWithoutDevice()
{
    QCOMPARE(EffectSoundPlayer::resourcePath(u"Tick"_s), u":/sounds/tick.wav"_s);
    for (const char *name : {"entered", "tick", "wave20", "decline", "winner"})
        QVERIFY2(QFile::exists(EffectSoundPlayer::resourcePath(QString::fromLatin1(name))), name);
    EffectSoundPlayer player;
    // Each call returns at once; a new sound cuts the last; unknown names do nothing.
    for (int i = 0; i < 20; ++i) {
        player.play(u"tick"_s);
        player.play(u"WAVE3"_s);
        player.play(u"no such sound"_s);
    }
    QTest::qWait(0);
}

QTEST_MAIN(ChatOptionsTest)
#include "tst_chat_options.moc"
