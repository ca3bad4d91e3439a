#include "TestFiles.h"
#include "storage/HomeFolder.h"
#include "storage/ProfileIni.h"
#include "storage/Settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

// One field of the settings as text, so that data rows can name it.
QString field(const Settings::Values &v, const QString &name)
{
    if (name == "textSize")
        return QString::number(v.textSize);
    if (name == "bounds")
        return QStringLiteral("%1,%2 %3x%4")
            .arg(v.bounds.left())
            .arg(v.bounds.top())
            .arg(v.bounds.width())
            .arg(v.bounds.height());
    if (name == "textColor")
        return v.textColor.name();
    if (name == "playToScore")
        return QString::number(v.playToScore);
    if (name == "timePerTurn")
        return QString::number(v.timePerTurn);
    if (name == "gameType")
        return QStringLiteral("%1/%2").arg(v.gameType).arg(v.duplicate);
    if (name == "botSpeed")
        return QString::number(v.botSpeed);
    if (name == "turnSound")
        return QString::number(v.turnSound);
    if (name == "playSounds")
        return v.playSounds ? "on" : "off";
    if (name == "playerPhraseSounds")
        return v.playerPhraseSounds ? "on" : "off";
    if (name == "botSkill")
        return QString::number(v.start.botSkill);
    if (name == "phrase3")
        return v.phrases[2];
    if (name == "start") {
        QStringList hosts;
        for (const Settings::RecentHost &host : v.start.recentHosts)
            hosts.append(host.address + '/' + QString::number(host.port));
        return QStringLiteral("%1 %2 %3 %4 [%5]")
            .arg(v.start.botCount)
            .arg(v.start.name)
            .arg(v.start.port)
            .arg(int(v.start.choice))
            .arg(hosts.join(' '));
    }
    if (name == "tokens") {
        QStringList entries;
        for (auto it = v.resumeTokens.constBegin(); it != v.resumeTokens.constEnd(); ++it)
            entries.append(it.key() + '>' + it.value());
        return entries.join(' ');
    }
    return "<unknown field " + name + ">";
}

// What the program holds before the file is read.
Settings::Values startingValues()
{
    Settings::Values values;
    values.textSize = 10;
    values.phrases[2] = QStringLiteral("mine");
    return values;
}

} // namespace

class TestSettings : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void profileKeepsBytes_data();
    void profileKeepsBytes();
    void profileLookups();
    void profileChanges_data();
    void profileChanges();
    void defaultsWithoutFile();
    void readingRules_data();
    void readingRules();
    void newFileInWritingOrder();
    void otherSectionsKeptByteForByte();
    void savingBeforeLoadingKeepsStoredValues();
    void unreadableFileIsNeverReplaced();
    void phrasesSavedSeparately();
    void startKeysSavedSeparately();
    void homeFolderChoice();
};

void TestSettings::profileKeepsBytes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("no final line end") << QByteArray("[A]\r\nx=1");
    QTest::newRow("mixed line ends")
        << QByteArray("[A]\nx = 1 \r\n\r\n; note\n  [B] \r\ny=\xE9\r\n");
    QTest::newRow("lone CR stays in its line") << QByteArray("[A]\rx=1\n");
}

void TestSettings::profileKeepsBytes()
{
    QFETCH(QByteArray, bytes);
    QCOMPARE(ProfileIni::fromBytes(bytes).toBytes(), bytes);
}

void TestSettings::profileLookups()
{
    const ProfileIni ini = ProfileIni::fromBytes(
        "; comment=not a key\r\n[Other]\r\nKey=other\r\n[LEXABURST]\r\n  Botspeed = 500 \r\n"
        "Quoted=\"as "
        "is\"\r\nEmpty=\r\nName=Zo\xEB\r\nBotspeed=2000\r\n[lexaburst]\r\nLater=yes\r\n");
    QCOMPARE(ini.value("Lexaburst", "BOTSPEED"), QString("500"));
    QCOMPARE(ini.value("Lexaburst", "quoted"), QString("\"as is\""));
    QCOMPARE(ini.value("Lexaburst", "Empty"), QString(""));
    QCOMPARE(ini.value("Lexaburst", "Name"), QString::fromUtf8("Zoë"));
    QCOMPARE(ini.value("Lexaburst", "Later"), QString("yes"));
    QCOMPARE(ini.value("Lexaburst", "Key"), std::nullopt);
    QCOMPARE(ini.value("Other", "key"), QString("other"));
    QCOMPARE(ini.readString("None", "Key", "dflt"), QString("dflt"));
    QVERIFY(ini.hasSection("lexaBURST"));
    QVERIFY(!ini.hasSection("comment"));
}

void TestSettings::profileChanges_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("after");

    QTest::newRow("new file") << QByteArray() << "Top"
                              << "3" << QByteArray("[Lexaburst]\r\nTop=3\r\n");
    QTest::newRow("key replaced in place, its spelling kept")
        << QByteArray("[lexaburst]\nTOP = 9\n; c\nLeft=1\n") << "Top"
        << "3" << QByteArray("[lexaburst]\nTOP=3\n; c\nLeft=1\n");
    QTest::newRow("new key after the section's last key")
        << QByteArray("[Lexaburst]\r\nLeft=1\r\n; c\r\n\r\n[Other]\r\nTop=5\r\n") << "Top"
        << "3" << QByteArray("[Lexaburst]\r\nLeft=1\r\nTop=3\r\n; c\r\n\r\n[Other]\r\nTop=5\r\n");
    QTest::newRow("empty section at the end without line end")
        << QByteArray("[Other]\nA=1\n[Lexaburst]") << "Top"
        << "3" << QByteArray("[Other]\nA=1\n[Lexaburst]\nTop=3\n");
    QTest::newRow("section appended in the file's line ends")
        << QByteArray("[Other]\nA=1") << "Top"
        << "3" << QByteArray("[Other]\nA=1\n[Lexaburst]\nTop=3\n");
    QTest::newRow("line breaks and wide characters in a value")
        << QByteArray() << "Phrase1" << QString::fromUtf8("a\r\nb€é")
        << QByteArray("[Lexaburst]\r\nPhrase1=a  b?\xE9\r\n");
}

void TestSettings::profileChanges()
{
    QFETCH(QByteArray, before);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(QByteArray, after);
    ProfileIni ini = ProfileIni::fromBytes(before);
    ini.setValue("Lexaburst", key, value);
    QCOMPARE(ini.toBytes(), after);
}

void TestSettings::defaultsWithoutFile()
{
    QTemporaryDir dir;
    Settings::SettingsFile file(dir.path());
    QCOMPARE(file.path(), dir.filePath("zornlobby.ini"));
    Settings::Values values = startingValues();
    QVERIFY(file.load(values));
    QVERIFY(file.loaded());
    QVERIFY(!QFile::exists(file.path()));

    QCOMPARE(values.textSize, 8);
    QCOMPARE(values.bounds, QRect(3, 3, 775, 575));
    QCOMPARE(values.textColor, Protocol::Rgb());
    // A first game: the game-start window's 3 rounds of 60 seconds.
    QCOMPARE(values.playToScore, 3);
    QCOMPARE(values.timePerTurn, 60);
    QCOMPARE(values.gameType, 1);
    QCOMPARE(values.duplicate, 1);
    QCOMPARE(values.botSpeed, 1000);
    QCOMPARE(values.turnSound, 0);
    QVERIFY(values.playSounds);
    QVERIFY(values.playerPhraseSounds);
    QCOMPARE(values.phrases[2], QString("mine"));
}

void TestSettings::readingRules_data()
{
    QTest::addColumn<QByteArray>("lines");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("expected");

    QTest::newRow("Botspeed 500") << QByteArray("Botspeed=500") << "botSpeed"
                                  << "500";
    QTest::newRow("Botspeed 2000") << QByteArray("Botspeed=2000") << "botSpeed"
                                   << "2000";
    QTest::newRow("Botspeed other number") << QByteArray("Botspeed=750") << "botSpeed"
                                           << "1000";
    QTest::newRow("Botspeed 0500") << QByteArray("Botspeed=0500") << "botSpeed"
                                   << "1000";
    QTest::newRow("key in other case") << QByteArray("BOTSPEED=500") << "botSpeed"
                                       << "500";
    QTest::newRow("BotSkill mixed") << QByteArray("BotSkill=0") << "botSkill"
                                    << "0";
    QTest::newRow("BotSkill out of range") << QByteArray("BotSkill=4") << "botSkill"
                                           << "2";
    QTest::newRow("Turnsound 1") << QByteArray("Turnsound=1") << "turnSound"
                                 << "1";
    QTest::newRow("Turnsound 2") << QByteArray("Turnsound=2") << "turnSound"
                                 << "0";
    QTest::newRow("Playsounds false") << QByteArray("Playsounds=false") << "playSounds"
                                      << "off";
    QTest::newRow("Playsounds FALSE") << QByteArray("Playsounds=FALSE") << "playSounds"
                                      << "on";
    QTest::newRow("Playsounds 0") << QByteArray("Playsounds=0") << "playSounds"
                                  << "on";
    QTest::newRow("Playerphrasesounds false")
        << QByteArray("Playerphrasesounds=false") << "playerPhraseSounds"
        << "off";
    QTest::newRow("Playtoscore 7") << QByteArray("Playtoscore=7") << "playToScore"
                                   << "7";
    QTest::newRow("Playtoscore 0") << QByteArray("Playtoscore=0") << "playToScore"
                                   << "1";
    QTest::newRow("Playtoscore 99") << QByteArray("Playtoscore=99") << "playToScore"
                                    << "10";
    QTest::newRow("Playtoscore word") << QByteArray("Playtoscore=ten") << "playToScore"
                                      << "3";
    QTest::newRow("Playtoscore empty") << QByteArray("Playtoscore=") << "playToScore"
                                       << "3";
    QTest::newRow("Timeperturn 45") << QByteArray("Timeperturn=45") << "timePerTurn"
                                    << "45";
    QTest::newRow("Timeperturn 47") << QByteArray("Timeperturn=47") << "timePerTurn"
                                    << "45";
    QTest::newRow("Timeperturn 48") << QByteArray("Timeperturn=48") << "timePerTurn"
                                    << "50";
    QTest::newRow("Timeperturn 500") << QByteArray("Timeperturn=500") << "timePerTurn"
                                     << "120";
    QTest::newRow("Timeperturn word") << QByteArray("Timeperturn=x") << "timePerTurn"
                                      << "60";
    QTest::newRow("Textsize 12") << QByteArray("Textsize=12") << "textSize"
                                 << "12";
    QTest::newRow("Textsize 0") << QByteArray("Textsize=0") << "textSize"
                                << "8";
    QTest::newRow("Textsize word") << QByteArray("Textsize=big") << "textSize"
                                   << "8";
    QTest::newRow("Textcolor name") << QByteArray("Textcolor=clRed") << "textColor"
                                    << "#ff0000";
    QTest::newRow("Textcolor hex") << QByteArray("Textcolor=$00FF0000") << "textColor"
                                   << "#0000ff";
    QTest::newRow("Textcolor unreadable") << QByteArray("Textcolor=pink") << "textColor"
                                          << "#000000";
    QTest::newRow("phrase empty") << QByteArray("Phrase3=") << "phrase3"
                                  << "mine";
    QTest::newRow("phrase set") << QByteArray("Phrase3=Hi all") << "phrase3"
                                << "Hi all";
    QTest::newRow("bounds") << QByteArray("Top=-20\r\nLeft=40\r\nWidth=x\r\nHeight=0") << "bounds"
                            << "40,-20 775x575";
    QTest::newRow("bounds near the integer limits")
        << QByteArray("Top=-2147483648\r\nLeft=2147483644\r\nWidth=2147483647\r\nHeight=1048577")
        << "bounds"
        << "3,3 775x575";
    QTest::newRow("bounds at the largest accepted")
        << QByteArray("Top=-1048576\r\nLeft=1048576\r\nWidth=1048576\r\nHeight=1048576") << "bounds"
        << "1048576,-1048576 1048576x1048576";
    QTest::newRow("One Winner Only, no duplicates")
        << QByteArray("Gametype=0\r\nDuplicate=0") << "gameType"
        << "0/0";
    QTest::newRow("One Winner Only, duplicates")
        << QByteArray("Gametype=0\r\nDuplicate=1") << "gameType"
        << "0/1";
    QTest::newRow("All Scoring always allows duplicates")
        << QByteArray("Gametype=1\r\nDuplicate=0") << "gameType"
        << "1/1";
    QTest::newRow("other game type") << QByteArray("Gametype=7\r\nDuplicate=5") << "gameType"
                                     << "0/0";
    QTest::newRow("start window defaults") << QByteArray() << "start"
                                           << "3  7772 0 []";
    QTest::newRow("start window keys")
        << QByteArray("BotCount=7\r\nLastName=Zo\xEB\r\nLastPort=80\r\nStartChoice=2\r\n"
                      "RecentHosts=a.lan:7772, 10.0.0.1:9000")
        << "start" << QString::fromUtf8("7 Zoë 80 2 [a.lan/7772 10.0.0.1/9000]");
    QTest::newRow("start window values out of range")
        << QByteArray("BotCount=8\r\nLastPort=65536\r\nStartChoice=3") << "start"
        << "3  7772 0 []";
    QTest::newRow("recent hosts: broken entries go, repeats and the oldest beyond five too")
        << QByteArray("RecentHosts=a:1,b:x,:5,c d:2,c:0,b:2,A:1,,c:3,d:4,e:5,f:6") << "start"
        << "3  7772 0 [a/1 b/2 c/3 d/4 e/5]";
    QTest::newRow("resume tokens: broken entries go")
        << QByteArray("ResumeTokens=a.lan:7772=00ff,b:1=XY,c=1f,d:x=1f,e f:2=1f,,g:3=,h:9=0a")
        << "tokens"
        << "a.lan:7772>00ff h:9>0a";
}

void TestSettings::readingRules()
{
    QFETCH(QByteArray, lines);
    QFETCH(QString, field);
    QFETCH(QString, expected);

    QTemporaryDir dir;
    writeFile(dir.filePath("zornlobby.ini"), "[Lexaburst]\r\n" + lines + "\r\n");
    Settings::SettingsFile file(dir.path());
    Settings::Values values = startingValues();
    QVERIFY(file.load(values));
    QCOMPARE(::field(values, field), expected);
}

void TestSettings::newFileInWritingOrder()
{
    QTemporaryDir dir;
    Settings::SettingsFile file(dir.path());
    Settings::Values values = startingValues();
    QVERIFY(file.load(values));
    values.textColor = Protocol::Rgb(0x12, 0x34, 0x56);
    values.playSounds = false;
    QVERIFY(file.save(values));
    QCOMPARE(
        readFile(file.path()),
        QByteArray("[Lexaburst]\r\nTextsize=8\r\nTop=3\r\nLeft=3\r\nWidth=775\r\nHeight=575\r\n"
                   "Textcolor=$00563412\r\nPlaytoscore=3\r\nTimeperturn=60\r\nGametype=1\r\n"
                   "Duplicate=1\r\nBotspeed=1000\r\nTurnsound=0\r\n"
                   "Playerphrasesounds=true\r\nPlaysounds=false\r\n"));

    Settings::Values again;
    QVERIFY(Settings::SettingsFile(dir.path()).load(again));
    values.phrases = again.phrases;
    QCOMPARE(again, values);
}

void TestSettings::otherSectionsKeptByteForByte()
{
    QTemporaryDir dir;
    const QByteArray lobby
        = "; written by the lobby\n[Zorn Lobby]\nName = Sam \n\nServer=1.2.3.4\n";
    const QByteArray tail = "[Zorn Other]\nx=\xFF\n";
    writeFile(dir.filePath("zornlobby.ini"),
              lobby + "[LEXABURST]\nBotSpeed=500\nUnknown=kept\n" + tail);

    Settings::SettingsFile file(dir.path());
    Settings::Values values;
    QVERIFY(file.load(values));
    QCOMPARE(values.botSpeed, 500);
    values.botSpeed = 2000;
    QVERIFY(file.save(values));

    const QByteArray saved = readFile(file.path());
    QVERIFY(saved.startsWith(lobby + "[LEXABURST]\nBotSpeed=2000\nUnknown=kept\nTextsize=8\n"));
    QVERIFY(saved.endsWith("Playsounds=true\n" + tail));
    QVERIFY(!saved.contains('\r'));
    QCOMPARE(saved.count("Botspeed"), 0);
}

void TestSettings::savingBeforeLoadingKeepsStoredValues()
{
    QTemporaryDir dir;
    const QByteArray stored = "[Lexaburst]\r\nTextsize=14\r\nBotspeed=2000\r\nTurnsound=1\r\n"
                              "Playsounds=false\r\nPhrase1=Hello\r\n";
    writeFile(dir.filePath("zornlobby.ini"), stored);

    Settings::SettingsFile file(dir.path(), startingValues());
    Settings::Values values = startingValues();
    QVERIFY(file.save(values));
    QCOMPARE(readFile(file.path()), stored);

    // Only what the player changed in this run is written.
    values.bounds = QRect(50, 60, 800, 600);
    QVERIFY(file.save(values));
    QCOMPARE(readFile(file.path()),
             QByteArray("[Lexaburst]\r\nTextsize=14\r\nBotspeed=2000\r\nTurnsound=1\r\n"
                        "Playsounds=false\r\nPhrase1=Hello\r\nTop=60\r\nLeft=50\r\nWidth=800\r\n"
                        "Height=600\r\n"));

    Settings::Values loaded = startingValues();
    QVERIFY(file.load(loaded));
    QCOMPARE(loaded.textSize, 14);
    QCOMPARE(loaded.botSpeed, 2000);
    QCOMPARE(loaded.bounds, QRect(50, 60, 800, 600));
    QCOMPARE(loaded.phrases[0], QString("Hello"));
}

void TestSettings::unreadableFileIsNeverReplaced()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("zornlobby.ini"));
    Settings::SettingsFile file(dir.path());
    Settings::Values values = startingValues();
    QString error;
    QVERIFY(!file.load(values, &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(values.textSize, 8);
    QVERIFY(!file.loaded());
    QVERIFY(!file.save(values));
    QVERIFY(QFileInfo(file.path()).isDir());
}

void TestSettings::phrasesSavedSeparately()
{
    QTemporaryDir dir;
    Settings::SettingsFile file(dir.path());
    Settings::Values values;
    QVERIFY(file.load(values));
    values.phrases[0] = "Good game";
    values.phrases[8] = "Bye";
    QVERIFY(file.savePhrases(values));
    const QByteArray saved = readFile(file.path());
    QCOMPARE(saved,
             QByteArray("[Lexaburst]\r\nPhrase1=Good game\r\nPhrase2=\r\nPhrase3=\r\n"
                        "Phrase4=\r\nPhrase5=\r\nPhrase6=\r\nPhrase7=\r\nPhrase8=\r\n"
                        "Phrase9=Bye\r\n"));
    QVERIFY(file.save(values));
    QVERIFY(readFile(file.path()).startsWith(saved));

    Settings::Values again = startingValues();
    QVERIFY(Settings::SettingsFile(dir.path()).load(again));
    QCOMPARE(again.phrases[0], QString("Good game"));
    QCOMPARE(again.phrases[2], QString("mine"));
    QCOMPARE(again.phrases[8], QString("Bye"));
}

void TestSettings::startKeysSavedSeparately()
{
    QTemporaryDir dir;
    Settings::SettingsFile file(dir.path());
    Settings::Values values;
    QVERIFY(file.load(values));
    values.start = {2,
                    QStringLiteral("Ann"),
                    7800,
                    {{"b.lan", 7772}, {"10.0.0.1", 9000}},
                    Settings::StartKind::Join};
    QVERIFY(file.saveStart(values));
    QCOMPARE(readFile(file.path()),
             QByteArray("[Lexaburst]\r\nBotCount=2\r\nLastName=Ann\r\nLastPort=7800\r\n"
                        "RecentHosts=b.lan:7772,10.0.0.1:9000\r\nStartChoice=2\r\n"
                        "BotSkill=2\r\nWebPort=\r\n"));
    // The main window's save leaves them alone.
    values.start = {};
    QVERIFY(file.save(values));
    Settings::Values again;
    QVERIFY(Settings::SettingsFile(dir.path()).load(again));
    QCOMPARE(again.start.name, QStringLiteral("Ann"));
    QCOMPARE(again.start.recentHosts.size(), 2);
    // So does it the resume tokens, which the connection saves alone.
    again.resumeTokens = {{Settings::resumeKey("b.lan", 7772), "00ff"}};
    QVERIFY(Settings::SettingsFile(dir.path()).saveResumeTokens(again));
    QVERIFY(file.save(values));
    Settings::Values last;
    QVERIFY(Settings::SettingsFile(dir.path()).load(last));
    QCOMPARE(last.resumeTokens, again.resumeTokens);
}

void TestSettings::homeFolderChoice()
{
    QTemporaryDir dir;
    QCOMPARE(Storage::homeFolder(dir.path() + "/x/..", "/usr/bin"), dir.path());
    QCOMPARE(Storage::homeFolder(QString(), dir.path()), dir.path());
    // The per-user folder is the same for the game and the dedicated host.
    const QString user = Storage::perUserFolder();
    QCoreApplication::setApplicationName("lexiburst-host");
    QCOMPARE(Storage::perUserFolder(), user);
    QCOMPARE(Storage::homeFolder(QString(), dir.filePath("missing"), dir.filePath("user")),
             dir.filePath("user"));
    QVERIFY(QFileInfo(dir.filePath("user")).isDir());
    // An installed program run as root still keeps the player's files apart.
    QCOMPARE(Storage::homeFolder(QString(), "/usr/bin", dir.filePath("user")),
             dir.filePath("user"));

    // Files an older copy kept beside the program are where the player starts;
    // a file the per-user folder holds already is kept.
    writeFile(dir.filePath("Lexabursttally.tld"), "old tally");
    writeFile(dir.filePath("zornlobby.ini"), "old settings");
    writeFile(dir.filePath("user/zornlobby.ini"), "mine");
    Storage::startFromOlderFiles(dir.path(), dir.filePath("user"));
    QCOMPARE(readFile(dir.filePath("user/Lexabursttally.tld")), QByteArray("old tally"));
    QCOMPARE(readFile(dir.filePath("user/zornlobby.ini")), QByteArray("mine"));
    QVERIFY(!QFileInfo::exists(dir.filePath("user/Lexaburstaddcats.txt")));

    Storage::chooseHomeFolder(dir.path());
    QCOMPARE(Storage::homeFolder(), dir.path());
    QCOMPARE(Storage::homeFile("zornlobby.ini"), dir.filePath("zornlobby.ini"));
    Storage::chooseHomeFolder(QString());
}

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
