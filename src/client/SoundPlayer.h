// Playing the game's wave sounds: one at a time, never blocking, silent when
// the machine has no audio output.
#pragma once

#include <QHash>
#include <QObject>
#include <QString>

class QSoundEffect;

class SoundPlayer
{
public:
    virtual ~SoundPlayer() = default;
    // Starts the sound `:/sounds/<name>.wav` (name compared without regard to
    // case) and cuts off the one that is playing. Returns at once.
    virtual void play(const QString &name) = 0;
};

class EffectSoundPlayer : public QObject, public SoundPlayer
{
    Q_OBJECT

public:
    explicit EffectSoundPlayer(QObject *parent = nullptr);
    ~EffectSoundPlayer() override;

    void play(const QString &name) override;

    // Resource path of a sound name, e.g. "Tick" -> ":/sounds/tick.wav".
    static QString resourcePath(const QString &name);

    // Drops the per-effect warnings the multimedia layer prints when there is
    // no audio device; installed once by the program.
    static void silenceMissingDeviceWarnings();

private:
    QSoundEffect *effectFor(const QString &name);

    QHash<QString, QSoundEffect *> m_effects;
    QSoundEffect *m_current = nullptr;
};
