#include "storage/Settings.h"

#include "protocol/ColourText.h"
#include "protocol/FieldReader.h"

#include <QFileInfo>

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

template<int Default>
int intOr(const QString &text)
{
    return number(text).value_or(Default);
}

template<int Default>
int sizeOr(const QString &text)
{
    const int value = number(text).value_or(Default);
    return value >= 1 ? value : Default;
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
    return {name, nullptr, applyPhrase<N>, writePhrase<N>, true};
}

const Key Table[] = {
    {"Textsize", "8", applyTextSize, [](const Values &v) { return decimal(v.textSize); }, false},
    {"Top", "3", [](Values &v, const QString &t) { v.bounds.moveTop(intOr<3>(t)); },
     [](const Values &v) { return decimal(v.bounds.top()); }, false},
    {"Left", "3", [](Values &v, const QString &t) { v.bounds.moveLeft(intOr<3>(t)); },
     [](const Values &v) { return decimal(v.bounds.left()); }, false},
    {"Width", "775", [](Values &v, const QString &t) { v.bounds.setWidth(sizeOr<775>(t)); },
     [](const Values &v) { return decimal(v.bounds.width()); }, false},
    {"Height", "575", [](Values &v, const QString &t) { v.bounds.setHeight(sizeOr<575>(t)); },
     [](const Values &v) { return decimal(v.bounds.height()); }, false},
    {"Textcolor", "clblack", applyTextColor,
     [](const Values &v) { return Protocol::colourToText(v.textColor); }, false},
    {"Playtoscore", "30", applyPlayToScore, [](const Values &v) { return decimal(v.playToScore); },
     false},
    {"Timeperturn", "1", applyTimePerTurn, [](const Values &v) { return decimal(v.timePerTurn); },
     false},
    {"Gametype", "1", applyGameType, [](const Values &v) { return decimal(v.gameType); }, false},
    {"Duplicate", "0", applyDuplicate, [](const Values &v) { return decimal(v.duplicate); }, false},
    {"Botspeed", "1000", applyBotSpeed, [](const Values &v) { return decimal(v.botSpeed); }, false},
    {"Turnsound", "0", applyTurnSound, [](const Values &v) { return decimal(v.turnSound); }, false},
    {"Playerphrasesounds", "true",
     [](Values &v, const QString &t) { v.playerPhraseSounds = t != FalseText; },
     [](const Values &v) { return flag(v.playerPhraseSounds); }, false},
    {"Playsounds", "true", [](Values &v, const QString &t) { v.playSounds = t != FalseText; },
     [](const Values &v) { return flag(v.playSounds); }, false},
    phraseKey<0>("Phrase1"),
    phraseKey<1>("Phrase2"),
    phraseKey<2>("Phrase3"),
    phraseKey<3>("Phrase4"),
    phraseKey<4>("Phrase5"),
    phraseKey<5>("Phrase6"),
    phraseKey<6>("Phrase7"),
    phraseKey<7>("Phrase8"),
    phraseKey<8>("Phrase9"),
};

const QString SectionName = QString::fromLatin1(Section);

void writeGroup(ProfileIni &ini, const Values &values, bool phrases)
{
    for (const Key &key : keys())
        if (key.phrase == phrases)
            ini.setValue(SectionName, QString::fromLatin1(key.name), key.write(values));
}

} // namespace

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

void write(ProfileIni &ini, const Values &values)
{
    writeGroup(ini, values, false);
}

void writePhrases(ProfileIni &ini, const Values &values)
{
    writeGroup(ini, values, true);
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
    return update(values, false, error);
}

bool SettingsFile::savePhrases(const Values &values, QString *error)
{
    return update(values, true, error);
}

bool SettingsFile::update(const Values &values, bool phrases, QString *error)
{
    ProfileIni ini;
    if (!ini.load(m_path, error))
        return false;
    const QByteArray before = ini.toBytes();
    for (const Key &key : keys()) {
        if (key.phrase != phrases)
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

    if (phrases) {
        m_baseline.phrases = values.phrases;
    } else {
        const auto keptPhrases = m_baseline.phrases;
        m_baseline = values;
        m_baseline.phrases = keptPhrases;
    }
    return true;
}

} // namespace Settings
