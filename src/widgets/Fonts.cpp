#include "widgets/Fonts.h"

#include <QFontMetrics>

QFont uiFont(int pixelSize, bool bold, FontFace face)
{
    QFont font(face == FontFace::Serif ? QStringLiteral("Serif") : QStringLiteral("Sans Serif"));
    font.setStyleHint(face == FontFace::Serif ? QFont::Serif : QFont::SansSerif);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QFont fittedFont(const QFont &font, const QString &text, int width, int minimumPixelSize)
{
    QFont fitted = font;
    int size = font.pixelSize() > 0 ? font.pixelSize() : QFontMetrics(font).height();
    while (size > minimumPixelSize) {
        fitted.setPixelSize(size);
        if (QFontMetrics(fitted).horizontalAdvance(text) <= width)
            return fitted;
        --size;
    }
    fitted.setPixelSize(minimumPixelSize);
    return fitted;
}
