// What a computer player answers and how it votes. Pure logic: the caller brings the
// round's letter and categories, the answers on show, and sends the results itself.
#pragma once

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

class AnswerBank;
class GameRandom;

// The "Bot Speed" menu's three choices.
enum class BotSpeed { Slow, Normal, Fast };

struct BotProfile
{
    static constexpr int MinSkill = 1;
    static constexpr int MaxSkill = 3;
    static constexpr int DefaultSkill = 2;

    int skill = DefaultSkill; // 1 weak, 2 fair, 3 strong
    BotSpeed speed = BotSpeed::Normal;
};

// One answer on show while a category is put to the vote.
struct OfferedAnswer
{
    int seat = 0;
    QString text;
    bool duplicate = false;
};

// The answers the computer players of one hosting copy have given in this game, by
// category, so that they do not copy each other. It only ever holds their own answers.
class SharedAnswers
{
public:
    // The players hear a game start one after another, a fast one maybe after its first
    // answers: each counts the games it heard, and only the first to reach a game's
    // number forgets the last game's answers.
    void startGame(int game);
    int game() const { return m_game; }
    bool isTaken(const QString &category, const QString &answer) const;
    void take(const QString &category, const QString &answer);

private:
    static QString key(const QString &category, const QString &answer);
    QSet<QString> m_taken;
    int m_game = 0;
};

class BotBrain
{
public:
    static constexpr int CategoriesPerRound = 8;

    BotBrain(const AnswerBank &bank, GameRandom &random, BotProfile profile = {});

    // Forgets the answers given so far. Within one game an answer comes back only when the
    // category offers nothing new but another player's answer.
    void startGame();
    // The answers of the other computer players of this copy: an answer one of them gave
    // for a category is only given again when the bank knows no other.
    void setShared(SharedAnswers *shared);

    // One answer per category, in order; an empty text leaves the category blank.
    // Every answer begins with the letter.
    QStringList answerRound(QChar letter, const QStringList &categories);

    // "All Scoring": the seats whose answers this player declines.
    QList<int> seatsToDecline(int ownSeat, QChar letter, const QString &category,
                              const QList<OfferedAnswer> &offered) const;
    // "One Winner Only": the seat of the answer to vote for, or 0 for none.
    int seatToFavour(int ownSeat, QChar letter, const QString &category,
                     const QList<OfferedAnswer> &offered);
    // How long, in game milliseconds (1000 a game second), this player looks at the
    // answers before voting. Always shorter than the shortest voting time.
    int voteDelay(int answerCount);
    // When, in game milliseconds from the start of an answer time of the given
    // seconds, this player is done typing: a strong one about halfway through,
    // a weak one near the end, never at once.
    qint64 answersDoneMs(int turnTime);

    // Whether an answer would pass this player's check: the letter; for a category the bank
    // knows well, its list; else that a word of it is a word of the language (unless the
    // category takes names) and that it does not fit another category instead.
    bool isValid(QChar letter, const QString &category, const QString &answer) const;

    const BotProfile &profile() const { return m_profile; }
    // "Bot Speed" and "Bot Skill" may change in the middle of a game.
    void setSpeed(BotSpeed speed) { m_profile.speed = speed; }
    void setSkill(int skill);

private:
    int fillCount();
    QString pickAnswer(const QString &category, const QStringList &candidates);
    QString nearMiss(QChar letter, const QStringList &categories, int index);

    const AnswerBank &m_bank;
    GameRandom &m_random;
    BotProfile m_profile;
    QSet<QString> m_usedAnswers;
    SharedAnswers *m_shared = nullptr;
    int m_game = 0; // games heard, counted from the shared answers' game at setShared()
};
