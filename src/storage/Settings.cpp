#include "storage/Settings.h"

#include "protocol/ColourText.h"
#include "protocol/FieldReader.h"

#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <optional>

namespace Settings {

namespace {

const QString FalseText = QStringLiteral("false");
const QString TrueText = QStringLiteral("true");

std::optional<int> number(const QString &text)
{
    return Protocol::toInt(text);
}

QString decimal(int value)
{
    return QString::number(value);
}

// No screen reaches this far: a window position or size beyond it is damage,
// and within it the arithmetic of the window's rectangle cannot overflow.
constexpr int MaxWindowCoordinate = 1 << 20;

template<int Default>
int positionOr(const QString &text)
{
    const int value = number(text).value_or(Default);
    return value >= -MaxWindowCoordinate && value <= MaxWindowCoordinate ? value : Default;
}

template<int Default>
int sizeOr(const QString &text)
{
    const int value = number(text).value_or(Default);
    return value >= 1 && value <= MaxWindowCoordinate ? value : Default;
}

void applyTextSize(Values &v, const QString &text)
{
    const int size = number(text).value_or(8);
    v.textSize = size >= MinTextSize && size <= MaxTextSize ? size : 8;
}

void applyTextColor(Values &v, const QString &text)
{
    v.textColor = Protocol::colourFromText(text).value_or(Protocol::Rgb());
}

void applyPlayToScore(Values &v, const QString &text)
{
    if (const std::optional<int> value = number(text))
        v.playToScore = std::clamp(*value, MinPlayToScore, MaxPlayToScore);
}

void applyTimePerTurn(Values &v, const QString &text)
{
    if (const std::optional<int> value = number(text)) {
        const int inRange = std::clamp(*value, MinTimePerTurn, MaxTimePerTurn);
        v.timePerTurn = (inRange + TimePerTurnStep / 2) / TimePerTurnStep * TimePerTurnStep;
    }
}

void applyGameType(Values &v, const QString &text)
{
    if (const std::optional<int> value = number(text)) {
        v.gameType = *value == 1 ? 1 : 0;
        // All Scoring always allows duplicates.
        if (v.gameType == 1)
            v.duplicate = 1;
    }
}

void applyDuplicate(Values &v, const QString &text)
{
    if (const std::optional<int> value = number(text))
        v.duplicate = v.gameType == 1 || *value == 1 ? 1 : 0;
}

void applyBotSpeed(Values &v, const QString &text)
{
    if (text == QLatin1String("2000"))
        v.botSpeed = BotSpeedSlow;
    else if (text == QLatin1String("500"))
        v.botSpeed = BotSpeedFast;
    else
        v.botSpeed = BotSpeedNormal;
}

void applyTurnSound(Values &v, const QString &text)
{
    v.turnSound = text == QLatin1String("1") ? TurnSoundNew : TurnSoundClassic;
}

QString flag(bool on)
{
    return on ? TrueText : FalseText;
}

template<int N>
void applyPhrase(Values &v, const QString &text)
{
    if (!text.isEmpty())
        v.phrases[N] = text;
}

template<int N>
QString writePhrase(const Values &v)
{
    return v.phrases[N];
}

template<int N>
constexpr Key phraseKey(const char *name)
{
    return {name, nullptr, applyPhrase<N>, writePhrase<N>, Group::Phrases};
}

void applyBotCount(Values &v, const QString &text)
{
    const int count = number(text).value_or(DefaultBotCount);
    v.start.botCount = count >= MinBotCount && count <= MaxBotCount ? count : DefaultBotCount;
}

void applyBotSkill(Values &v, const QString &text)
{
    const int skill = number(text).value_or(DefaultBotSkill);
    v.start.botSkill = skill >= MixedBotSkill && skill <= MaxBotSkill ? skill : DefaultBotSkill;
}

std::optional<quint16> portNumber(const QString &text)
{
    const std::optional<int> port = number(text);
    if (!port || *port < 1 || *port > 0xFFFF)
        return std::nullopt;
    return quint16(*port);
}

void applyLastPort(Values &v, const QString &text)
{
    v.start.port = portNumber(text).value_or(GameFacts::DefaultPort);
}

void applyWebPort(Values &v, const QString &text)
{
    const std::optional<int> port = number(text);
    v.start.webPort = port && *port >= 0 && *port <= 0xFFFF ? *port : StartValues::FollowsPort;
}

// Entries "address:port" joined by ","; neither can be part of a host name.
const QChar HostSeparator = u',';
const QChar PortSeparator = u':';

void applyRecentHosts(Values &v, const QString &text)
{
    QList<RecentHost> hosts;
    const QStringList entries = text.split(HostSeparator, Qt::SkipEmptyParts);
    for (auto entry = entries.crbegin(); entry != entries.crend(); ++entry) {
        const QString trimmed = entry->trimmed();
        const qsizetype colon = trimmed.lastIndexOf(PortSeparator);
        const std::optional<quint16> port = portNumber(trimmed.mid(colon + 1));
        const QString address = trimmed.left(colon);
        if (colon <= 0 || !port || address.contains(u' '))
            continue;
        rememberHost(hosts, {address, *port});
    }
    v.start.recentHosts = hosts;
}

QString writeRecentHosts(const Values &v)
{
    QStringList entries;
    for (const RecentHost &host : v.start.recentHosts)
        entries.append(host.address + PortSeparator + decimal(host.port));
    return entries.join(HostSeparator);
}

// Entries "address:port=token" joined by ","; a token is hexadecimal digits.
void applyResumeTokens(Values &v, const QString &text)
{
    static const QRegularExpression entry(QStringLiteral("^([^=,\\s]+:[0-9]+)=([0-9a-f]{1,64})$"));
    v.resumeTokens.clear();
    for (const QString &part : text.split(HostSeparator, Qt::SkipEmptyParts)) {
        const QRegularExpressionMatch m = entry.match(part.trimmed());
        if (m.hasMatch() && v.resumeTokens.size() < MaxResumeTokens)
            v.resumeTokens.insert(m.captured(1), m.captured(2));
    }
}

QString writeResumeTokens(const Values &v)
{
    QStringList entries;
    for (auto it = v.resumeTokens.constBegin(); it != v.resumeTokens.constEnd(); ++it)
        entries.append(it.key() + u'=' + it.value());
    return entries.join(HostSeparator);
}

void applyStartChoice(Values &v, const QString &text)
{
    const int choice = number(text).value_or(0);
    v.start.choice = choice == int(StartKind::Host) || choice == int(StartKind::Join)
        ? StartKind(choice)
        : StartKind::Solo;
}

const Key Table[] = {
    {"Textsize", "8", applyTextSize, [](const Values &v) { return decimal(v.textSize); },
     Group::Window},
    {"Top", "3", [](Values &v, const QString &t) { v.bounds.moveTop(positionOr<3>(t)); },
     [](const Values &v) { return decimal(v.bounds.top()); }, Group::Window},
    {"Left", "3", [](Values &v, const QString &t) { v.bounds.moveLeft(positionOr<3>(t)); },
     [](const Values &v) { return decimal(v.bounds.left()); }, Group::Window},
    {"Width", "775", [](Values &v, const QString &t) { v.bounds.setWidth(sizeOr<775>(t)); },
     [](const Values &v) { return decimal(v.bounds.width()); }, Group::Window},
    {"Height", "575", [](Values &v, const QString &t) { v.bounds.setHeight(sizeOr<575>(t)); },
     [](const Values &v) { return decimal(v.bounds.height()); }, Group::Window},
    {"Textcolor", "clblack", applyTextColor,
     [](const Values &v) { return Protocol::colourToText(v.textColor); }, Group::Window},
    // Without a stored value the rounds and the answer time keep the game-start
    // window's own values; a stored value out of range is brought in.
    {"Playtoscore", nullptr, applyPlayToScore,
     [](const Values &v) { return decimal(v.playToScore); }, Group::Window},
    {"Timeperturn", nullptr, applyTimePerTurn,
     [](const Values &v) { return decimal(v.timePerTurn); }, Group::Window},
    {"Gametype", "1", applyGameType, [](const Values &v) { return decimal(v.gameType); },
     Group::Window},
    {"Duplicate", "0", applyDuplicate, [](const Values &v) { return decimal(v.duplicate); },
     Group::Window},
    {"Botspeed", "1000", applyBotSpeed, [](const Values &v) { return decimal(v.botSpeed); },
     Group::Window},
    {"Turnsound", "0", applyTurnSound, [](const Values &v) { return decimal(v.turnSound); },
     Group::Window},
    {"Playerphrasesounds", "true",
     [](Values &v, const QString &t) { v.playerPhraseSounds = t != FalseText; },
     [](const Values &v) { return flag(v.playerPhraseSounds); }, Group::Window},
    {"Playsounds", "true", [](Values &v, const QString &t) { v.playSounds = t != FalseText; },
     [](const Values &v) { return flag(v.playSounds); }, Group::Window},
    phraseKey<0>("Phrase1"),
    phraseKey<1>("Phrase2"),
    phraseKey<2>("Phrase3"),
    phraseKey<3>("Phrase4"),
    phraseKey<4>("Phrase5"),
    phraseKey<5>("Phrase6"),
    phraseKey<6>("Phrase7"),
    phraseKey<7>("Phrase8"),
    phraseKey<8>("Phrase9"),
    {"BotCount", nullptr, applyBotCount, [](const Values &v) { return decimal(v.start.botCount); },
     Group::Start},
    {"LastName", nullptr, [](Values &v, const QString &t) { v.start.name = t; },
     [](const Values &v) { return v.start.name; }, Group::Start},
    {"LastPort", nullptr, applyLastPort, [](const Values &v) { return decimal(v.start.port); },
     Group::Start},
    {"RecentHosts", nullptr, applyRecentHosts, writeRecentHosts, Group::Start},
    {"StartChoice", nullptr, applyStartChoice,
     [](const Values &v) { return decimal(int(v.start.choice)); }, Group::Start},
    {"BotSkill", nullptr, applyBotSkill, [](const Values &v) { return decimal(v.start.botSkill); },
     Group::Start},
    // Empty while the web port follows the port hosted on.
    {"WebPort", nullptr, applyWebPort,
     [](const Values &v) {
         return v.start.webPort == StartValues::FollowsPort ? QString() : decimal(v.start.webPort);
     },
     Group::Start},
    {"ResumeTokens", nullptr, applyResumeTokens, writeResumeTokens, Group::Resume},
};

const QString SectionName = QString::fromLatin1(Section);

} // namespace

QString resumeKey(const QString &address, quint16 port)
{
    return address + PortSeparator + decimal(port);
}

void rememberHost(QList<RecentHost> &hosts, const RecentHost &host)
{
    hosts.removeIf([&host](const RecentHost &known) {
        return known.port == host.port
            && known.address.compare(host.address, Qt::CaseInsensitive) == 0;
    });
    hosts.prepend(host);
    if (hosts.size() > MaxRecentHosts)
        hosts.resize(MaxRecentHosts);
}

std::span<const Key> keys()
{
    return Table;
}

void read(const ProfileIni &ini, Values &values)
{
    for (const Key &key : keys()) {
        const std::optional<QString> stored = ini.value(SectionName, QString::fromLatin1(key.name));
        if (stored)
            key.apply(values, *stored);
        else if (key.defaultText)
            key.apply(values, QString::fromLatin1(key.defaultText));
    }
}

void write(ProfileIni &ini, const Values &values, Group group)
{
    for (const Key &key : keys())
        if (key.group == group)
            ini.setValue(SectionName, QString::fromLatin1(key.name), key.write(values));
}

SettingsFile::SettingsFile(const QString &folder, const Values &builtIn)
    : m_path(folder + u'/' + QString::fromLatin1(FileName)), m_baseline(builtIn)
{ }

bool SettingsFile::load(Values &values, QString *error)
{
    ProfileIni ini;
    const bool readable = ini.load(m_path, error);
    read(ini, values);
    if (readable) {
        m_loaded = true;
        m_baseline = values;
    }
    return readable;
}

bool SettingsFile::save(const Values &values, QString *error)
{
    return update(values, Group::Window, error);
}

bool SettingsFile::savePhrases(const Values &values, QString *error)
{
    return update(values, Group::Phrases, error);
}

bool SettingsFile::saveStart(const Values &values, QString *error)
{
    return update(values, Group::Start, error);
}

bool SettingsFile::saveResumeTokens(const Values &values, QString *error)
{
    return update(values, Group::Resume, error);
}

bool SettingsFile::update(const Values &values, Group group, QString *error)
{
    ProfileIni ini;
    if (!ini.load(m_path, error))
        return false;
    const QByteArray before = ini.toBytes();
    for (const Key &key : keys()) {
        if (key.group != group)
            continue;
        const QString text = key.write(values);
        // Before the first load, a value the program started with says
        // nothing about the player's wish: the stored one stays.
        if (m_loaded || text != key.write(m_baseline))
            ini.setValue(SectionName, QString::fromLatin1(key.name), text);
    }
    const bool unchanged = ini.toBytes() == before && QFileInfo::exists(m_path);
    if (!unchanged && !ini.save(m_path, error))
        return false;

    switch (group) {
    case Group::Phrases:
        m_baseline.phrases = values.phrases;
        break;
    case Group::Start:
        m_baseline.start = values.start;
        break;
    case Group::Resume:
        m_baseline.resumeTokens = values.resumeTokens;
        break;
    case Group::Window: {
        Values saved = values;
        saved.phrases = m_baseline.phrases;
        saved.start = m_baseline.start;
        saved.resumeTokens = m_baseline.resumeTokens;
        m_baseline = saved;
        break;
    }
    }
    return true;
}

QString resumeToken(const QString &folder, const QString &address, quint16 port)
{
    Values values;
    SettingsFile(folder).load(values);
    return values.resumeTokens.value(resumeKey(address, port));
}

void storeResumeToken(const QString &folder, const QString &address, quint16 port,
                      const QString &token)
{
    SettingsFile file(folder);
    Values values;
    if (!file.load(values))
        return;
    const QString key = resumeKey(address, port);
    values.resumeTokens.remove(key);
    if (!token.isEmpty()) {
        if (values.resumeTokens.size() >= MaxResumeTokens)
            values.resumeTokens.erase(values.resumeTokens.begin());
        values.resumeTokens.insert(key, token);
    }
    file.saveResumeTokens(values);
}

} // namespace Settings
