#pragma once
// The letter tiles shown for the round's letter.

#include <QImage>
#include <QString>

namespace Art {

// The letters that can come up, in letter-index order.
inline const QString GameLetters = QStringLiteral("ABCDEFGHIJKLMNOPRSTW");

inline constexpr int LetterWidth = 114;
inline constexpr int LetterHeight = 108;

// A big bold letter on a cream tile with a gold rim and a soft drop shadow.
QImage letterTile(QChar letter);

} // namespace Art
