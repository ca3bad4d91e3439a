#include "Assets.h"

#include <algorithm>

namespace Assets {

namespace {

const QString Letters = QStringLiteral("ABCDEFGHIJKLMNOPRSTW");

bool isSoundNameCharacter(QChar c)
{
    return (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
        || (c >= QLatin1Char('0') && c <= QLatin1Char('9'));
}

} // namespace

QString letterPicture(int letterIndex)
{
    if (letterIndex < 0 || letterIndex >= LetterCount)
        return {};
    return QStringLiteral(":/pictures/letters/%1.png").arg(Letters.at(letterIndex));
}

QString smileyPicture(int index)
{
    if (index < 0 || index >= SmileyCount)
        return {};
    return QStringLiteral(":/pictures/smileys/%1.png").arg(index);
}

QString phraseButtonPicture(int number)
{
    if (number < 1 || number > PhraseButtonCount)
        return {};
    return QStringLiteral(":/pictures/buttons/phrase%1.png").arg(number);
}

QString soundResource(const QString &name)
{
    const QString lower = name.toLower();
    // A name arrives from the network: keep it from reaching outside the sound folder.
    if (lower.isEmpty() || !std::all_of(lower.begin(), lower.end(), isSoundNameCharacter))
        return {};
    return QStringLiteral(":/sounds/%1.wav").arg(lower);
}

} // namespace Assets
