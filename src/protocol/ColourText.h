// Colours as they travel in chat messages and the settings file: a standard
// colour's name ("clBlack") or "$" and eight hex digits of the value 0x00BBGGRR.
#pragma once

#include <QColor>
#include <QString>

#include <optional>

namespace Protocol {

QString colourToText(const QColor &colour);
// Names are read without regard to case; "$" hexadecimal and decimal numbers too.
std::optional<QColor> colourFromText(const QString &text);

} // namespace Protocol
