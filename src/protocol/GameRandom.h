// The one source of chance: the host draws letters and categories from it, computer
// players their answers and votes.
#pragma once

#include <QtGlobal>

#include <random>

// A seeded generator with exactly uniform draws. The engine and the rejection
// step are fully specified, so one seed gives the same letters and categories
// on every platform; tests seed it, the program seeds it once from the clock.
//
// A round start draws, in this order: the letter with bounded(letters not yet
// played in the game), then for category 1 to 8 one position in the pile of
// categories not yet played with bounded(pile size).
class GameRandom
{
public:
    explicit GameRandom(quint32 seed) : m_engine(seed) { }
    static GameRandom fromClock();

    // A uniformly drawn integer from 0 to count - 1; count must be at least 1.
    int bounded(int count);

private:
    std::mt19937 m_engine;
};
