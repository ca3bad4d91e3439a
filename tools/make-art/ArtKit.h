#pragma once
// Shared palette and drawing helpers of the game's artwork.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QString>

class QPainter;

namespace Art {

// A warm party palette: deep indigo and teal, gold and orange accents, cream tiles.
namespace Palette {
inline const QColor Indigo {0x2b, 0x26, 0x70};
inline const QColor IndigoLight {0x4a, 0x43, 0xb5};
inline const QColor IndigoDark {0x1b, 0x17, 0x4d};
inline const QColor Teal {0x1a, 0x9b, 0x94};
inline const QColor TealDark {0x0f, 0x5f, 0x5b};
inline const QColor Gold {0xff, 0xc9, 0x3c};
inline const QColor Orange {0xf0, 0x7d, 0x22};
inline const QColor OrangeDark {0xb3, 0x52, 0x0c};
inline const QColor Cream {0xff, 0xf8, 0xe6};
inline const QColor CreamDeep {0xf6, 0xe0, 0xa8};
inline const QColor Red {0xe0, 0x3c, 0x31};
inline const QColor RedDark {0x9c, 0x1e, 0x17};
inline const QColor Green {0x3c, 0xb0, 0x4a};
inline const QColor GreenDark {0x1e, 0x6e, 0x28};
inline const QColor Ink {0x3a, 0x26, 0x05};
// The windows' own ground colour; the background tile is built around it.
inline const QColor WindowGround {0xec, 0xf1, 0xbe};
} // namespace Palette

// Pictures are drawn in logical pixels; at a scale of 2 every image has twice
// as many pixels each way (device pixel ratio 2), for high-density screens.
void setPictureScale(int scale);
int pictureScale();

// A transparent ARGB image of the given logical size at the picture scale.
QImage blankImage(QSize size);

// The size of image in logical pixels.
QSize logicalSize(const QImage &image);

// A painter with anti-aliasing for shapes, text and scaled images.
void prepare(QPainter &painter);

// The bold face used for all lettering (DejaVu Sans Bold, loaded from the font file so
// the result does not depend on the font configuration).
QFont boldFont(qreal pixelSize);

// Outline of text in the bold face with its baseline at the origin.
QPainterPath textPath(const QString &text, qreal pixelSize);

// Path moved and scaled so that its bounding box is centred in box and fits inside it.
QPainterPath fitPath(const QPainterPath &path, const QRectF &box);

// Soft shadow of the layer's opaque parts: its alpha blurred by radius (in logical
// pixels) and tinted.
QImage shadowOf(const QImage &layer, int radius, const QColor &colour);

// The layer over its own soft shadow, shifted by offset.
QImage withShadow(const QImage &layer, QPointF offset, int radius, const QColor &colour);

// Vertical two-stop gradient brush over rect.
QBrush verticalGradient(const QRectF &rect, const QColor &top, const QColor &bottom);

// Five-pointed star centred at centre.
QPainterPath starPath(QPointF centre, qreal outerRadius, qreal innerRadius, qreal turnDegrees = 0);

// Sunburst of rays around centre.
QPainterPath burstPath(QPointF centre, qreal outerRadius, qreal innerRadius, int rays);

// Heart whose bounding box is rect.
QPainterPath heartPath(const QRectF &rect);

// Loads the bold font file; false when it is missing.
bool loadFonts();

} // namespace Art
