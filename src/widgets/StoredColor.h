// Colours are kept as the stored integer values of the window designs: the low
// byte is red, then green, then blue (0x00BBGGRR).
#pragma once

#include <QColor>

inline QColor storedColor(quint32 value)
{
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}
