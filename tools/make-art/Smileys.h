#pragma once
// The chat smileys, 17 by 17 pixels each.

#include <QImage>

class QPainter;

namespace Art {

inline constexpr int SmileyCount = 17;
inline constexpr int SmileySize = 17;

// Smiley number index (0 smile, 1 grin, 2 wink, 3 sad, 4 crying, 5 angry, 6 surprised,
// 7 tongue out, 8 cool, 9 in love, 10 kiss, 11 laughing, 12 confused, 13 sleepy,
// 14 devil, 15 angel, 16 thumbs up) at the given pixel size.
QImage smiley(int index, int size = SmileySize);

} // namespace Art
