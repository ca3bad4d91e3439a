// What a round is played with: a letter and categories drawn from the
// seedable generator without repeats within a game. A letter comes back only
// once every letter was played, a category only once the whole table was,
// where categories that differ only in capitals or blanks count as one. A new
// game starts afresh.
#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

class GameRandom;

class RoundDraw
{
public:
    // Forgets what the last game played.
    void startGame();
    // A letter index from 0 to count - 1.
    int drawLetter(GameRandom &random, int count);
    // `count` categories of `table`, none of them twice; fewer only when the
    // table holds fewer different ones.
    QStringList drawCategories(GameRandom &random, const QStringList &table, int count);

    // How a category is told apart from the others.
    static QString key(const QString &category);

private:
    QList<int> m_lettersLeft;
    QSet<QString> m_categoriesPlayed;
};
