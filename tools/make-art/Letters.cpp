#include "Letters.h"

#include "ArtKit.h"

#include <QPainter>

namespace Art {

namespace {

// The tile leaves room right and below for its shadow.
const QRectF TileRect(4.5, 3.5, 103, 97);
constexpr qreal TileCorner = 16;
constexpr qreal RimWidth = 3;
// Letters share one cap height so that every tile looks alike; wide ones shrink to fit.
constexpr qreal CapHeight = 62;
constexpr qreal MaxLetterWidth = 80;

QPainterPath letterShape(QChar letter)
{
    const QPainterPath raw = textPath(QString(letter), 100);
    const QRectF bounds = raw.boundingRect();
    const qreal scale = std::min(CapHeight / bounds.height(), MaxLetterWidth / bounds.width());
    QTransform transform;
    // Optical centre sits a little above the geometric one.
    transform.translate(TileRect.center().x(), TileRect.center().y() - 1.5);
    transform.scale(scale, scale);
    transform.translate(-bounds.center().x(), -bounds.center().y());
    return transform.map(raw);
}

} // namespace

void paintLetterTile(QPainter &painter, QChar letter)
{
    QPainterPath tile;
    tile.addRoundedRect(TileRect, TileCorner, TileCorner);
    painter.fillPath(tile,
                     verticalGradient(TileRect, QColor(0xff, 0xfc, 0xf2), Palette::CreamDeep));

    // Soft glow along the top edge, like light on a glazed tile.
    const QRectF gloss = TileRect.adjusted(6, 5, -6, -TileRect.height() * 0.55);
    QPainterPath glossPath;
    glossPath.addRoundedRect(gloss, 11, 11);
    painter.fillPath(glossPath,
                     verticalGradient(gloss, QColor(255, 255, 255, 170), QColor(255, 255, 255, 0)));

    painter.setPen(QPen(QColor(0xe3, 0x95, 0x24), RimWidth));
    painter.drawPath(tile);
    painter.setPen(QPen(QColor(255, 255, 255, 160), 1.2));
    painter.drawRoundedRect(TileRect.adjusted(3.5, 3.5, -3.5, -3.5), TileCorner - 4,
                            TileCorner - 4);

    const QPainterPath shape = letterShape(letter);
    // An embossed edge: warm shade below, light above, then the letter itself.
    painter.fillPath(shape.translated(0, 2.5), QColor(0xd9, 0xa4, 0x48, 200));
    painter.fillPath(shape.translated(0, -1), QColor(255, 255, 255, 200));
    const QRectF letterBounds = shape.boundingRect();
    painter.fillPath(shape,
                     verticalGradient(letterBounds, Palette::IndigoLight, Palette::IndigoDark));
}

QPainterPath letterTileOutline()
{
    QPainterPath tile;
    tile.addRoundedRect(TileRect, TileCorner, TileCorner);
    return tile;
}

QImage letterTile(QChar letter)
{
    QImage layer = blankImage(QSize(LetterWidth, LetterHeight));
    QPainter painter(&layer);
    prepare(painter);
    paintLetterTile(painter, letter);
    painter.end();

    return withShadow(layer, QPointF(1.5, 2.5), 4, QColor(40, 25, 0, 110));
}

} // namespace Art
