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

QFont fittedWrappedFont(const QFont &font, const QString &text, QSize size, int minimumPixelSize)
{
    QFont fitted = font;
    int pixelSize = font.pixelSize() > 0 ? font.pixelSize() : QFontMetrics(font).height();
    for (; pixelSize > minimumPixelSize; --pixelSize) {
        fitted.setPixelSize(pixelSize);
        const QRect needed = QFontMetrics(fitted).boundingRect(
            QRect(0, 0, size.width(), 100000), Qt::TextWordWrap | Qt::AlignLeft, text);
        if (needed.width() <= size.width() && needed.height() <= size.height())
            return fitted;
    }
    fitted.setPixelSize(minimumPixelSize);
    return fitted;
}
