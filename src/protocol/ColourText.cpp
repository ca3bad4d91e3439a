#include "protocol/ColourText.h"

#include "protocol/FieldReader.h"

#include <algorithm>
#include <array>

namespace Protocol {

namespace {

struct NamedColour
{
    const char *name;
    quint32 value; // 0x00BBGGRR, or a system colour's value 0xFF0000nn
};

constexpr std::array<NamedColour, 16> BasicColours = {{
    {"clBlack", 0x000000},
    {"clMaroon", 0x000080},
    {"clGreen", 0x008000},
    {"clOlive", 0x008080},
    {"clNavy", 0x800000},
    {"clPurple", 0x800080},
    {"clTeal", 0x808000},
    {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},
    {"clLime", 0x00FF00},
    {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},
    {"clFuchsia", 0xFF00FF},
    {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF},
}};

// System colours are read as their usual appearance on a light desktop.
struct SystemColour
{
    const char *name;
    quint32 rgb; // 0x00BBGGRR
};

constexpr std::array<SystemColour, 10> SystemColours = {{
    {"clWindowText", 0x000000},
    {"clWindow", 0xFFFFFF},
    {"clBtnFace", 0xC0C0C0},
    {"clBtnText", 0x000000},
    {"clHighlight", 0x800000},
    {"clHighlightText", 0xFFFFFF},
    {"clGrayText", 0x808080},
    {"clCaptionText", 0xFFFFFF},
    {"clInfoBk", 0xE1FFFF},
    {"clNone", 0xFFFFFF},
}};

Rgb fromBgr(quint32 bgr)
{
    return Rgb(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

quint32 toBgr(Rgb c)
{
    return quint32(c.red & 0xFF) | (quint32(c.green & 0xFF) << 8) | (quint32(c.blue & 0xFF) << 16);
}

} // namespace

QString Rgb::name() const
{
    const quint32 rgb
        = (quint32(red & 0xFF) << 16) | (quint32(green & 0xFF) << 8) | quint32(blue & 0xFF);
    return u'#' + QStringLiteral("%1").arg(rgb, 6, 16, QLatin1Char('0'));
}

QString colourToText(Rgb colour)
{
    const quint32 bgr = toBgr(colour);
    for (const NamedColour &named : BasicColours) {
        if (named.value == bgr)
            return QString::fromLatin1(named.name);
    }
    return u'$' + QStringLiteral("%1").arg(bgr, 8, 16, QLatin1Char('0')).toUpper();
}

std::optional<Rgb> colourFromText(const QString &text)
{
    const QString trimmed = text.trimmed();
    for (const NamedColour &named : BasicColours) {
        if (trimmed.compare(QLatin1String(named.name), Qt::CaseInsensitive) == 0)
            return fromBgr(named.value);
    }
    for (const SystemColour &named : SystemColours) {
        if (trimmed.compare(QLatin1String(named.name), Qt::CaseInsensitive) == 0)
            return fromBgr(named.rgb);
    }
    if (trimmed.startsWith(u'$')) {
        // Hex digits only: the number reader would also take a sign, "0x" or blanks.
        constexpr qsizetype MaxHexDigits = 8;
        const QStringView digits = QStringView(trimmed).mid(1);
        const bool hexOnly = std::all_of(digits.begin(), digits.end(), [](QChar c) {
            return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
        });
        if (digits.isEmpty() || digits.size() > MaxHexDigits || !hexOnly)
            return std::nullopt;
        return fromBgr(quint32(digits.toULongLong(nullptr, 16)) & 0xFFFFFF);
    }
    if (const auto number = toInt(trimmed))
        return fromBgr(quint32(*number) & 0xFFFFFF);
    return std::nullopt;
}

} // namespace Protocol
