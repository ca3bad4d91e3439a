// Colours are kept as the stored integer values of the window designs: the low
// byte is red, then green, then blue (0x00BBGGRR).
#pragma once

#include "protocol/ColourText.h"

#include <QColor>

inline QColor storedColor(quint32 value)
{
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

inline QColor toQColor(Protocol::Rgb colour)
{
    return QColor(colour.red, colour.green, colour.blue);
}

inline Protocol::Rgb toRgb(const QColor &colour)
{
    return Protocol::Rgb(colour.red(), colour.green(), colour.blue());
}
