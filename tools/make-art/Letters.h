#pragma once
// The letter tiles shown for the round's letter.

#include <QImage>
#include <QPainterPath>
#include <QString>

class QPainter;

namespace Art {

// The letters that can come up, in letter-index order.
inline const QString GameLetters = QStringLiteral("ABCDEFGHIJKLMNOPRSTW");

inline constexpr int LetterWidth = 114;
inline constexpr int LetterHeight = 108;

// A big bold letter on a cream tile with a gold rim and a soft drop shadow.
QImage letterTile(QChar letter);

// The same tile as shapes only, without the shadow, in a
// LetterWidth x LetterHeight box at the painter's origin: for pictures that
// must stay sharp at every size (the scalable icon).
void paintLetterTile(QPainter &painter, QChar letter);
// The tile's rounded outline in the same box.
QPainterPath letterTileOutline();

} // namespace Art
