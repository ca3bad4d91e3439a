// Colours as they travel in chat messages and the settings file: a standard
// colour's name ("clBlack") or "$" and eight hex digits of the value 0x00BBGGRR.
#pragma once

#include <QString>

#include <optional>

namespace Protocol {

// A colour by its red, green and blue parts (0 to 255 each). Plain data, so the
// host and the stored files need no drawing library; views convert it.
struct Rgb
{
    constexpr Rgb() = default;
    constexpr Rgb(int r, int g, int b) : red(r), green(g), blue(b) { }

    // "#rrggbb", as colour pickers and failure messages show it.
    QString name() const;
    friend constexpr bool operator==(const Rgb &, const Rgb &) = default;

    int red = 0;
    int green = 0;
    int blue = 0;
};

QString colourToText(Rgb colour);
// Names are read without regard to case; "$" hexadecimal and decimal numbers too.
std::optional<Rgb> colourFromText(const QString &text);

} // namespace Protocol
