#include "client/SoundPlayer.h"

#include <QFile>
#include <QLoggingCategory>
#include <QSoundEffect>
#include <QUrl>

#include <cstdio>

EffectSoundPlayer::EffectSoundPlayer(QObject *parent) : QObject(parent)
{ }

EffectSoundPlayer::~EffectSoundPlayer()
{
    if (m_current)
        m_current->stop();
}

QString EffectSoundPlayer::resourcePath(const QString &name)
{
    return QStringLiteral(":/sounds/%1.wav").arg(name.toLower());
}

namespace {

QtMessageHandler previousHandler = nullptr;

// What the audio layer says, once per effect, on a machine without sound.
bool isMissingDeviceWarning(const QString &message)
{
    return message.startsWith(QLatin1String("No audio device detected"))
        || message.startsWith(QLatin1String("PulseAudioService:"))
        || message.startsWith(QLatin1String("QSoundEffect"));
}

void filterMissingDevice(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg && isMissingDeviceWarning(message))
        return;
    if (previousHandler)
        previousHandler(type, context, message);
    else
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

} // namespace

void EffectSoundPlayer::silenceMissingDeviceWarnings()
{
    QLoggingCategory::setFilterRules(QStringLiteral("qt.multimedia*=false"));
    if (!previousHandler)
        previousHandler = qInstallMessageHandler(filterMissingDevice);
}

QSoundEffect *EffectSoundPlayer::effectFor(const QString &name)
{
    const QString key = name.toLower();
    if (auto found = m_effects.constFind(key); found != m_effects.constEnd())
        return found.value();
    const QString path = resourcePath(key);
    // An unknown name costs nothing on later calls either.
    QSoundEffect *effect = nullptr;
    if (QFile::exists(path)) {
        effect = new QSoundEffect(this);
        effect->setSource(QUrl(QStringLiteral("qrc") + path));
    }
    m_effects.insert(key, effect);
    return effect;
}

void EffectSoundPlayer::play(const QString &name)
{
    QSoundEffect *effect = effectFor(name);
    if (!effect)
        return;
    if (m_current && m_current != effect)
        m_current->stop();
    m_current = effect;
    // play() only schedules: with no audio device the effect stays silent.
    effect->stop();
    effect->play();
}
