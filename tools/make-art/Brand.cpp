#include "Brand.h"

#include "ArtKit.h"
#include "Letters.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QRadialGradient>
#include <QSvgGenerator>
#include <QtMath>

#include <array>

namespace Art {

namespace {

const QString GameName = QStringLiteral("Lexiburst");
const QString Tagline = QStringLiteral("One letter. Eight categories. Think fast!");

constexpr int TileSize = 128;

// The word mark: each letter tilted and lifted a little, alternately, for a playful bounce.
QPainterPath wordmarkPath(bool bounce)
{
    constexpr qreal Size = 100;
    constexpr qreal Tilt = 4;
    constexpr qreal Lift = 5;
    constexpr qreal Tracking = -1.5;
    const QFont font = boldFont(Size);
    const QFontMetricsF metrics(font);
    QPainterPath word;
    qreal x = 0;
    for (int i = 0; i < GameName.size(); ++i) {
        const QString glyph = GameName.mid(i, 1);
        QPainterPath letter;
        letter.addText(QPointF(x, 0), font, glyph);
        if (bounce) {
            const QRectF bounds = letter.boundingRect();
            const bool odd = i % 2 == 1;
            QTransform transform;
            transform.translate(bounds.center().x(), bounds.center().y() - (odd ? Lift : 0));
            transform.rotate(odd ? Tilt : -Tilt);
            transform.translate(-bounds.center().x(), -bounds.center().y());
            letter = transform.map(letter);
        }
        word.addPath(letter);
        x += metrics.horizontalAdvance(glyph) + Tracking;
    }
    return word;
}

// Draws the word mark into box: gold letters with an indigo outline and a white rim.
void drawWordmark(QPainter &p, const QRectF &box, bool bounce, qreal outline)
{
    const QPainterPath word = fitPath(wordmarkPath(bounce), box);
    const QRectF bounds = word.boundingRect();
    QPainterPathStroker stroker;
    stroker.setJoinStyle(Qt::RoundJoin);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setWidth(outline * 2 + outline * 1.3);
    p.fillPath(stroker.createStroke(word).united(word), Qt::white);
    stroker.setWidth(outline * 2);
    p.fillPath(stroker.createStroke(word).united(word), Palette::IndigoDark);
    p.fillPath(word.translated(0, outline * 0.5), Palette::OrangeDark);
    QLinearGradient fill(bounds.topLeft(), bounds.bottomLeft());
    fill.setColorAt(0, QColor(0xff, 0xf1, 0x9c));
    fill.setColorAt(0.45, Palette::Gold);
    fill.setColorAt(1, Palette::Orange);
    p.fillPath(word, fill);
}

void drawBurst(QPainter &p, QPointF centre, qreal outer, qreal inner, int rays, const QColor &light,
               const QColor &dark)
{
    QRadialGradient gradient(centre, outer);
    gradient.setColorAt(0, light);
    gradient.setColorAt(1, dark);
    p.setPen(QPen(Palette::IndigoDark, outer * 0.04, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(gradient);
    p.drawPath(burstPath(centre, outer, inner, rays));
}

// Light rays from a point over a dark card.
void drawRays(QPainter &p, QPointF centre, qreal length, int rays, const QColor &colour)
{
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    for (int i = 0; i < rays; ++i) {
        const qreal a0 = qDegreesToRadians(i * 360.0 / rays);
        const qreal a1 = qDegreesToRadians((i + 0.5) * 360.0 / rays);
        QPainterPath ray(centre);
        ray.lineTo(centre + QPointF(qCos(a0), qSin(a0)) * length);
        ray.lineTo(centre + QPointF(qCos(a1), qSin(a1)) * length);
        ray.closeSubpath();
        p.drawPath(ray);
    }
}

// A dark indigo card with soft rays, the ground of the large pictures.
void drawCard(QPainter &p, const QRectF &card, qreal radius, QPointF rayCentre)
{
    QPainterPath shape;
    shape.addRoundedRect(card, radius, radius);
    QRadialGradient ground(rayCentre, card.width() * 0.7);
    ground.setColorAt(0, QColor(0x4c, 0x44, 0xb8));
    ground.setColorAt(1, Palette::IndigoDark);
    p.fillPath(shape, ground);
    p.save();
    p.setClipPath(shape);
    drawRays(p, rayCentre, card.width() * 1.2, 24, QColor(255, 255, 255, 16));
    p.restore();
    p.setPen(QPen(Palette::Gold, 3));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shape);
}

// A letter tile at centre, scaled and turned.
void drawTile(QPainter &p, QChar letter, QPointF centre, qreal scale, qreal angle)
{
    static std::array<QImage, 26> cache;
    QImage &tile = cache[letter.toLatin1() - 'A'];
    if (tile.isNull() || tile.devicePixelRatio() != pictureScale())
        tile = letterTile(letter);
    p.save();
    p.translate(centre);
    p.rotate(angle);
    p.scale(scale, scale);
    p.drawImage(QPointF(-LetterWidth / 2.0, -LetterHeight / 2.0), tile);
    p.restore();
}

struct TilePlace
{
    char letter;
    qreal x;
    qreal y;
    qreal scale;
    qreal angle;
};

} // namespace

QImage backgroundTile()
{
    QImage image = blankImage(QSize(TileSize, TileSize));
    image.fill(Palette::WindowGround);
    QPainter p(&image);
    prepare(p);
    // A faint diagonal weave.
    p.setPen(QPen(QColor(255, 255, 255, 38), 10));
    for (int k = -1; k <= 1; ++k) {
        p.drawLine(QPointF(k * TileSize, 0), QPointF(k * TileSize + TileSize, TileSize));
        p.drawLine(QPointF(k * TileSize + TileSize / 2.0, 0),
                   QPointF(k * TileSize + TileSize * 1.5, TileSize));
    }
    p.setPen(QPen(QColor(0x9c, 0xa8, 0x5a, 26), 1.2));
    for (int k = -1; k <= 1; ++k) {
        p.drawLine(QPointF(k * TileSize + TileSize, 0), QPointF(k * TileSize, TileSize));
        p.drawLine(QPointF(k * TileSize + TileSize * 1.5, 0),
                   QPointF(k * TileSize + TileSize / 2.0, TileSize));
    }
    // Scattered letters, each drawn again across the edges so the tile repeats seamlessly.
    struct Glyph
    {
        const char *text;
        qreal x, y, size, angle;
    };
    const Glyph glyphs[] = {
        {"A", 22, 30, 26, -12}, {"W", 88, 18, 20, 10},  {"S", 60, 70, 24, 8},
        {"T", 110, 96, 22, -8}, {"E", 18, 104, 20, 14}, {"M", 74, 118, 18, -4},
    };
    for (const Glyph &glyph : glyphs) {
        const QPainterPath path
            = fitPath(textPath(QString::fromLatin1(glyph.text), 100),
                      QRectF(-glyph.size / 2, -glyph.size / 2, glyph.size, glyph.size));
        for (int dx = -1; dx <= 1; ++dx) {
            for (int dy = -1; dy <= 1; ++dy) {
                p.save();
                p.translate(glyph.x + dx * TileSize, glyph.y + dy * TileSize);
                p.rotate(glyph.angle);
                p.fillPath(path.translated(1, 1.5), QColor(255, 255, 255, 55));
                p.fillPath(path, QColor(0x7d, 0x8a, 0x3c, 20));
                p.restore();
            }
        }
    }
    return image;
}

QImage logo()
{
    QImage layer = blankImage(QSize(248, 80));
    QPainter p(&layer);
    prepare(p);
    drawBurst(p, QPointF(40, 40), 35, 23.5, 14, QColor(0x5f, 0xe0, 0xd6), Palette::Teal);
    drawWordmark(p, QRectF(12, 12, 226, 56), true, 3.2);
    p.end();
    return withShadow(layer, QPointF(1.5, 2.5), 3, QColor(20, 10, 40, 110));
}

QImage smallLogo()
{
    QImage layer = blankImage(QSize(202, 24));
    QPainter p(&layer);
    prepare(p);
    drawBurst(p, QPointF(12, 12), 11, 7.5, 12, QColor(0x5f, 0xe0, 0xd6), Palette::Teal);
    drawWordmark(p, QRectF(26, 2.5, 150, 18), false, 1.4);
    p.end();
    return withShadow(layer, QPointF(0.8, 1.2), 1, QColor(20, 10, 40, 100));
}

// The icon in 64 by 64 units, for any size and for the scalable picture.
static void paintAppIcon(QPainter &p)
{
    prepare(p);
    const QRectF card(2, 2, 59, 59);
    QPainterPath shape;
    shape.addRoundedRect(card, 13, 13);
    QRadialGradient ground(card.center(), 40);
    ground.setColorAt(0, QColor(0x55, 0x4c, 0xc8));
    ground.setColorAt(1, Palette::IndigoDark);
    p.fillPath(shape, ground);
    // The burst is cut to the card as a shape: a scalable picture keeps no
    // clipping, and its spikes would poke out of the frame.
    QRadialGradient burst(card.center(), 34);
    burst.setColorAt(0, QColor(0xff, 0xe6, 0x80));
    burst.setColorAt(1, Palette::Orange);
    p.setPen(QPen(Palette::IndigoDark, 34 * 0.04, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(burst);
    p.drawPath(burstPath(card.center(), 34, 20, 14).intersected(shape));
    p.setPen(QPen(Palette::Gold, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shape);
    // Shapes, not the tile's bitmap, so the scalable icon stays sharp; its
    // shadow is the outline, offset and translucent.
    p.save();
    p.translate(card.center() + QPointF(0, 1));
    p.rotate(-8);
    p.scale(0.36, 0.36);
    p.translate(-LetterWidth / 2.0, -LetterHeight / 2.0);
    p.fillPath(letterTileOutline().translated(2, 3.5), QColor(40, 25, 0, 90));
    paintLetterTile(p, QLatin1Char('L'));
    p.restore();
}

QImage appIcon()
{
    return appIconAt(AppIconUnits);
}

QImage appIconAt(int size)
{
    QImage layer = blankImage(QSize(size, size));
    QPainter p(&layer);
    const qreal scale = qreal(size) / AppIconUnits;
    p.scale(scale, scale);
    paintAppIcon(p);
    p.end();
    return withShadow(layer, QPointF(0.8, 1.5) * scale, qRound(2 * scale), QColor(0, 0, 0, 90));
}

bool writeAppIconSvg(const QString &path)
{
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(QSize(AppIconUnits, AppIconUnits));
    svg.setViewBox(QRect(0, 0, AppIconUnits, AppIconUnits));
    svg.setTitle(QStringLiteral("Lexiburst"));
    QPainter p;
    if (!p.begin(&svg))
        return false;
    paintAppIcon(p);
    return p.end();
}

QImage openingPicture()
{
    const QSize size(750, 257);
    QImage layer = blankImage(size);
    QPainter p(&layer);
    prepare(p);
    const QRectF card(3, 3, size.width() - 8, size.height() - 8);
    drawCard(p, card, 18, QPointF(card.center().x(), 95));
    const TilePlace tiles[] = {
        {'A', 70, 70, 0.62, -14}, {'B', 140, 160, 0.5, 9},   {'C', 58, 196, 0.44, -6},
        {'W', 680, 68, 0.6, 12},  {'S', 612, 168, 0.52, -9}, {'T', 700, 198, 0.42, 7},
    };
    for (const TilePlace &tile : tiles)
        drawTile(p, QLatin1Char(tile.letter), QPointF(tile.x, tile.y), tile.scale, tile.angle);
    drawBurst(p, QPointF(232, 92), 58, 40, 16, QColor(0x5f, 0xe0, 0xd6), Palette::Teal);
    drawWordmark(p, QRectF(205, 40, 340, 98), true, 4.5);
    const QPainterPath tagline = fitPath(textPath(Tagline, 40), QRectF(205, 170, 340, 22));
    p.fillPath(tagline.translated(0, 2), QColor(0, 0, 0, 120));
    p.fillPath(tagline, Palette::Cream);
    p.end();
    return withShadow(layer, QPointF(2, 3), 4, QColor(0, 0, 0, 90));
}

QImage lobbyBanner()
{
    const QSize size(436, 360);
    QImage image = blankImage(size);
    QPainter p(&image);
    prepare(p);
    const QRectF card(2, 2, size.width() - 4, size.height() - 4);
    drawCard(p, card, 16, QPointF(card.center().x(), 150));
    drawBurst(p, QPointF(105, 38), 32, 22, 14, QColor(0x5f, 0xe0, 0xd6), Palette::Teal);
    drawWordmark(p, QRectF(86, 10, 264, 56), true, 3.2);
    // A calm cream plaque for the notice that the window writes over the banner.
    const QRectF plaque(36, 70, 364, 28);
    p.setPen(QPen(Palette::OrangeDark, 2));
    p.setBrush(verticalGradient(plaque, Qt::white, Palette::CreamDeep));
    p.drawRoundedRect(plaque, 8, 8);
    const TilePlace tiles[] = {
        {'F', 104, 172, 0.8, -10},
        {'U', 218, 162, 0.86, 4},
        {'N', 332, 174, 0.8, 11},
    };
    for (const TilePlace &tile : tiles)
        drawTile(p, QLatin1Char(tile.letter), QPointF(tile.x, tile.y), tile.scale, tile.angle);
    const QPainterPath caption = fitPath(
        textPath(QStringLiteral("Play with friends near and far"), 40), QRectF(60, 248, 316, 22));
    p.fillPath(caption.translated(0, 2), QColor(0, 0, 0, 120));
    p.fillPath(caption, Palette::Cream);
    return image;
}

} // namespace Art
