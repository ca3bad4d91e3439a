#include "host/RoundDraw.h"

#include "protocol/GameRandom.h"

void RoundDraw::startGame()
{
    m_lettersLeft.clear();
    m_categoriesPlayed.clear();
}

int RoundDraw::drawLetter(GameRandom &random, int count)
{
    if (m_lettersLeft.isEmpty()) {
        for (int letter = 0; letter < count; ++letter)
            m_lettersLeft.append(letter);
    }
    return m_lettersLeft.takeAt(random.bounded(int(m_lettersLeft.size())));
}

QString RoundDraw::key(const QString &category)
{
    return category.simplified().toCaseFolded();
}

QStringList RoundDraw::drawCategories(GameRandom &random, const QStringList &table, int count)
{
    QSet<QString> thisRound;
    const auto pileOf = [&] {
        QStringList pile;
        for (const QString &category : table) {
            const QString k = key(category);
            if (!m_categoriesPlayed.contains(k) && !thisRound.contains(k))
                pile.append(category);
        }
        return pile;
    };
    QStringList pile = pileOf();
    QStringList drawn;
    while (drawn.size() < count) {
        if (pile.isEmpty()) {
            // The table is used up: it is played again from the start, but
            // nothing twice in one round.
            m_categoriesPlayed.clear();
            pile = pileOf();
            if (pile.isEmpty())
                break;
        }
        const QString category = pile.takeAt(random.bounded(int(pile.size())));
        const QString k = key(category);
        drawn.append(category);
        thisRound.insert(k);
        m_categoriesPlayed.insert(k);
        pile.removeIf([&k](const QString &other) { return key(other) == k; });
    }
    return drawn;
}
