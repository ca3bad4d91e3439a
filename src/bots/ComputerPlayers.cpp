#include "bots/ComputerPlayers.h"

#include "bots/BotPlayer.h"
#include "protocol/GameFacts.h"

ComputerPlayers::ComputerPlayers(const AnswerBank &bank, GameRandom &random, int secondMs,
                                 QObject *parent)
    : QObject(parent), m_bank(bank), m_random(random), m_secondMs(secondMs)
{ }

ComputerPlayers::~ComputerPlayers()
{
    qDeleteAll(m_players);
}

void ComputerPlayers::setHost(const QString &address, quint16 port)
{
    m_address = address;
    m_port = port;
}

void ComputerPlayers::setSpeed(BotSpeed speed)
{
    m_speed = speed;
    for (BotPlayer *player : std::as_const(m_players))
        player->setSpeed(speed);
}

int ComputerPlayers::skillOfPlayer(int index) const
{
    return m_skillChoice == MixedSkill ? BotProfile::MinSkill + index % BotProfile::MaxSkill
                                       : m_skillChoice;
}

void ComputerPlayers::setSkill(int choice)
{
    m_skillChoice = choice;
    for (int i = 0; i < count(); ++i)
        m_players.at(i)->setSkill(skillOfPlayer(i));
}

bool ComputerPlayers::add()
{
    if (count() >= MaxPlayers)
        return false;
    BotSettings settings;
    settings.profile.speed = m_speed;
    settings.profile.skill = skillOfPlayer(count());
    settings.secondMs = m_secondMs;
    settings.namesOfOthers = m_namesOfOthers;
    settings.shared = &m_shared;
    settings.saidLately = &m_saidLately;
    auto *player = new BotPlayer(m_bank, m_random, settings);
    // Refused by a full host, or the host stopped: the player is gone.
    connect(&player->connection(), &HostConnection::closed, this,
            [this, player] { forget(player); });
    connect(&player->connection(), &HostConnection::connectFailed, this,
            [this, player] { forget(player); });
    // Only the spectator seat was free: a computer player that cannot play leaves.
    connect(&player->connection(), &HostConnection::signedIn, this, [this, player](int seat) {
        if (seat > GameFacts::SeatCount)
            leave(player);
    });
    m_players.append(player);
    player->connection().connectTo(m_address, m_port);
    emit countChanged(count());
    return true;
}

bool ComputerPlayers::removeOne()
{
    if (m_players.isEmpty())
        return false;
    // Deleting the player closes its socket; the host frees the seat and tells the
    // others, whose boards leave the seat's hint name without a line.
    leave(m_players.last());
    return true;
}

void ComputerPlayers::leave(BotPlayer *player)
{
    forget(player);
    player->connection().close();
}

void ComputerPlayers::forget(BotPlayer *player)
{
    if (!m_players.removeOne(player))
        return;
    // Later: this may run inside the player's own handler.
    player->deleteLater();
    emit countChanged(count());
}

BotSpeed botSpeedFromMenuTag(int tag)
{
    if (tag == GameFacts::BotSpeeds[0])
        return BotSpeed::Slow;
    if (tag == GameFacts::BotSpeeds[2])
        return BotSpeed::Fast;
    return BotSpeed::Normal;
}
