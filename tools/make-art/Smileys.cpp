#include "Smileys.h"

#include "ArtKit.h"

#include <QPainter>
#include <QRadialGradient>

#include <functional>

namespace Art {

namespace {

// Faces are drawn on a 100 by 100 grid and scaled to the picture size, so every line
// width below is in hundredths of the picture.
constexpr qreal Grid = 100;
constexpr qreal Line = 7.5; // about 1.3 pixels at 17 pixels
const QColor FeatureColour(0x3a, 0x24, 0x00);
const QColor OutlineColour(0x96, 0x5c, 0x00);
const QColor TearColour(0x2e, 0x9b, 0xf0);
const QColor TongueColour(0xf2, 0x5c, 0x7c);
const QColor HeartColour(0xe8, 0x22, 0x3a);

struct Face
{
    QPointF centre {50, 50};
    qreal radius = 46;
    QColor light {0xff, 0xf4, 0x9c};
    QColor middle {0xff, 0xd0, 0x2e};
    QColor dark {0xee, 0x9c, 0x00};
    QColor outline = OutlineColour;
};

void drawFace(QPainter &p, const Face &face)
{
    QRadialGradient gradient(face.centre + QPointF(-face.radius * 0.3, -face.radius * 0.4),
                             face.radius * 1.5);
    gradient.setColorAt(0, face.light);
    gradient.setColorAt(0.45, face.middle);
    gradient.setColorAt(1, face.dark);
    p.setBrush(gradient);
    p.setPen(QPen(face.outline, 6));
    p.drawEllipse(face.centre, face.radius - 3, face.radius - 3);
}

QPen featurePen(qreal width = Line, const QColor &colour = FeatureColour)
{
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void dotEyes(QPainter &p, qreal dy = 0, qreal size = 1)
{
    p.setPen(Qt::NoPen);
    p.setBrush(FeatureColour);
    p.drawEllipse(QPointF(34, 37 + dy), 6.5 * size, 9.5 * size);
    p.drawEllipse(QPointF(66, 37 + dy), 6.5 * size, 9.5 * size);
}

void curve(QPainter &p, QPointF from, QPointF control, QPointF to, const QPen &pen = featurePen())
{
    QPainterPath path(from);
    path.quadTo(control, to);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

void smileMouth(QPainter &p, qreal dy = 0)
{
    curve(p, QPointF(27, 58 + dy), QPointF(50, 84 + dy), QPointF(73, 58 + dy));
}

void frownMouth(QPainter &p)
{
    curve(p, QPointF(30, 76), QPointF(50, 56), QPointF(70, 76));
}

// Open laughing mouth: flat top, round bottom, with tongue or teeth.
QPainterPath openMouth(qreal top, qreal depth)
{
    QPainterPath mouth(QPointF(24, top));
    mouth.lineTo(76, top);
    mouth.cubicTo(QPointF(74, top + depth * 1.2), QPointF(26, top + depth * 1.2), QPointF(24, top));
    mouth.closeSubpath();
    return mouth;
}

void closedHappyEyes(QPainter &p)
{
    curve(p, QPointF(25, 42), QPointF(34, 27), QPointF(43, 42));
    curve(p, QPointF(57, 42), QPointF(66, 27), QPointF(75, 42));
}

void drawSmile(QPainter &p)
{
    drawFace(p, {});
    dotEyes(p);
    smileMouth(p);
}

void drawGrin(QPainter &p)
{
    drawFace(p, {});
    dotEyes(p, -2);
    const QPainterPath mouth = openMouth(55, 28);
    p.setPen(Qt::NoPen);
    p.setBrush(FeatureColour);
    p.drawPath(mouth);
    p.save();
    p.setClipPath(mouth);
    p.fillRect(QRectF(20, 55, 60, 10), Qt::white);
    p.restore();
    p.setPen(featurePen(5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(mouth);
}

void drawWink(QPainter &p)
{
    drawFace(p, {});
    p.setPen(Qt::NoPen);
    p.setBrush(FeatureColour);
    p.drawEllipse(QPointF(34, 37), 6.5, 9.5);
    curve(p, QPointF(56, 40), QPointF(66, 32), QPointF(76, 40));
    curve(p, QPointF(27, 60), QPointF(52, 84), QPointF(74, 54));
}

void drawSad(QPainter &p)
{
    drawFace(p, {});
    dotEyes(p, 2);
    frownMouth(p);
}

void drawCrying(QPainter &p)
{
    drawFace(p, {});
    curve(p, QPointF(24, 40), QPointF(34, 46), QPointF(44, 40));
    curve(p, QPointF(56, 40), QPointF(66, 46), QPointF(76, 40));
    frownMouth(p);
    p.setPen(QPen(QColor(0x10, 0x60, 0xb0), 2.5));
    p.setBrush(TearColour);
    for (const qreal x : {28.0, 72.0}) {
        QPainterPath tear(QPointF(x, 44));
        tear.cubicTo(QPointF(x - 9, 58), QPointF(x - 7, 68), QPointF(x, 68));
        tear.cubicTo(QPointF(x + 7, 68), QPointF(x + 9, 58), QPointF(x, 44));
        p.drawPath(tear);
    }
}

void drawAngry(QPainter &p)
{
    Face face;
    face.light = QColor(0xff, 0xb0, 0x80);
    face.middle = QColor(0xf6, 0x64, 0x3c);
    face.dark = QColor(0xc8, 0x28, 0x18);
    face.outline = QColor(0x80, 0x12, 0x0a);
    drawFace(p, face);
    p.setPen(featurePen(8));
    p.drawLine(QPointF(22, 26), QPointF(44, 36));
    p.drawLine(QPointF(78, 26), QPointF(56, 36));
    dotEyes(p, 6, 0.85);
    curve(p, QPointF(32, 76), QPointF(50, 62), QPointF(68, 76));
}

void drawSurprised(QPainter &p)
{
    drawFace(p, {});
    p.setPen(featurePen(5));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(34, 36), 10, 12);
    p.drawEllipse(QPointF(66, 36), 10, 12);
    p.setPen(Qt::NoPen);
    p.setBrush(FeatureColour);
    p.drawEllipse(QPointF(34, 37), 5, 6);
    p.drawEllipse(QPointF(66, 37), 5, 6);
    p.drawEllipse(QPointF(50, 70), 9, 12);
}

void drawTongue(QPainter &p)
{
    drawFace(p, {});
    dotEyes(p, -2);
    QPainterPath tongue(QPointF(38, 62));
    tongue.lineTo(62, 62);
    tongue.cubicTo(QPointF(64, 90), QPointF(36, 90), QPointF(38, 62));
    p.setPen(QPen(QColor(0x9a, 0x1e, 0x3c), 4));
    p.setBrush(TongueColour);
    p.drawPath(tongue);
    p.setPen(featurePen(3, QColor(0x9a, 0x1e, 0x3c)));
    p.drawLine(QPointF(50, 66), QPointF(50, 76));
    curve(p, QPointF(24, 60), QPointF(50, 68), QPointF(76, 60));
}

void drawCool(QPainter &p)
{
    drawFace(p, {});
    QPainterPath glasses;
    glasses.addRoundedRect(QRectF(16, 28, 31, 20), 7, 7);
    glasses.addRoundedRect(QRectF(53, 28, 31, 20), 7, 7);
    glasses.addRect(QRectF(44, 30, 12, 5));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x18, 0x14, 0x30));
    p.drawPath(glasses);
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawEllipse(QPointF(24, 33), 4, 3);
    p.drawEllipse(QPointF(61, 33), 4, 3);
    curve(p, QPointF(32, 66), QPointF(54, 80), QPointF(72, 60));
}

void drawLove(QPainter &p)
{
    drawFace(p, {});
    p.setPen(QPen(QColor(0x8a, 0x08, 0x18), 2.5));
    p.setBrush(HeartColour);
    p.drawPath(heartPath(QRectF(19, 25, 30, 26)));
    p.drawPath(heartPath(QRectF(51, 25, 30, 26)));
    smileMouth(p, 2);
}

void drawKiss(QPainter &p)
{
    drawFace(p, {});
    curve(p, QPointF(25, 38), QPointF(34, 46), QPointF(43, 38));
    dotEyes(p, 0, 0);
    p.setPen(Qt::NoPen);
    p.setBrush(FeatureColour);
    p.drawEllipse(QPointF(66, 37), 6.5, 9.5);
    QPainterPath lips;
    lips.addEllipse(QPointF(48, 66), 8, 6);
    lips.addEllipse(QPointF(48, 76), 8, 6);
    p.setPen(QPen(QColor(0x8a, 0x08, 0x18), 2.5));
    p.setBrush(QColor(0xe8, 0x3a, 0x5a));
    p.drawPath(lips.simplified());
    p.setBrush(HeartColour);
    p.drawPath(heartPath(QRectF(64, 58, 22, 20)));
}

void drawLaughing(QPainter &p)
{
    drawFace(p, {});
    closedHappyEyes(p);
    const QPainterPath mouth = openMouth(52, 34);
    p.setPen(Qt::NoPen);
    p.setBrush(FeatureColour);
    p.drawPath(mouth);
    p.save();
    p.setClipPath(mouth);
    p.setBrush(TongueColour);
    p.drawEllipse(QPointF(50, 84), 16, 10);
    p.restore();
    p.setPen(featurePen(5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(mouth);
}

void drawConfused(QPainter &p)
{
    drawFace(p, {});
    p.setPen(featurePen(6));
    p.drawLine(QPointF(24, 22), QPointF(42, 26));
    p.setPen(Qt::NoPen);
    p.setBrush(FeatureColour);
    p.drawEllipse(QPointF(34, 38), 6, 8.5);
    p.drawEllipse(QPointF(66, 40), 5, 6.5);
    QPainterPath wave(QPointF(27, 70));
    wave.cubicTo(QPointF(36, 60), QPointF(42, 78), QPointF(50, 69));
    wave.cubicTo(QPointF(58, 60), QPointF(64, 78), QPointF(73, 66));
    p.setPen(featurePen());
    p.setBrush(Qt::NoBrush);
    p.drawPath(wave);
}

void drawSleepy(QPainter &p)
{
    drawFace(p, {});
    curve(p, QPointF(24, 42), QPointF(34, 48), QPointF(44, 42));
    curve(p, QPointF(56, 42), QPointF(66, 48), QPointF(76, 42));
    p.setPen(Qt::NoPen);
    p.setBrush(FeatureColour);
    p.drawEllipse(QPointF(50, 70), 7, 6);
    QPainterPath z;
    z.moveTo(64, 4);
    z.lineTo(86, 4);
    z.lineTo(66, 24);
    z.lineTo(88, 24);
    p.setPen(QPen(Qt::white, 11, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(z);
    p.setPen(QPen(Palette::IndigoLight, 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(z);
}

void drawDevil(QPainter &p)
{
    Face face;
    face.centre = QPointF(50, 56);
    face.radius = 42;
    face.light = QColor(0xe6, 0x9c, 0xff);
    face.middle = QColor(0xa2, 0x4c, 0xdc);
    face.dark = QColor(0x5e, 0x1c, 0x96);
    face.outline = QColor(0x3a, 0x0a, 0x60);
    p.setPen(QPen(face.outline, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(face.middle);
    for (const int side : {-1, 1}) {
        QPainterPath horn(QPointF(50 + side * 18, 22));
        horn.quadTo(QPointF(50 + side * 44, 14), QPointF(50 + side * 44, 0));
        horn.quadTo(QPointF(50 + side * 48, 24), QPointF(50 + side * 34, 32));
        horn.closeSubpath();
        p.drawPath(horn);
    }
    drawFace(p, face);
    p.setPen(featurePen(7, QColor(0x20, 0x00, 0x30)));
    p.drawLine(QPointF(26, 38), QPointF(44, 46));
    p.drawLine(QPointF(74, 38), QPointF(56, 46));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x20, 0x00, 0x30));
    p.drawEllipse(QPointF(37, 52), 5, 6);
    p.drawEllipse(QPointF(63, 52), 5, 6);
    curve(p, QPointF(30, 68), QPointF(50, 88), QPointF(70, 68),
          featurePen(7, QColor(0x20, 0x00, 0x30)));
}

void drawAngel(QPainter &p)
{
    Face face;
    face.centre = QPointF(50, 57);
    face.radius = 42;
    drawFace(p, face);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0xb8, 0x80, 0x00), 9));
    p.drawEllipse(QPointF(50, 9), 27, 7);
    p.setPen(QPen(QColor(0xff, 0xf3, 0x80), 5));
    p.drawEllipse(QPointF(50, 9), 27, 7);
    p.translate(0, 7);
    closedHappyEyes(p);
    curve(p, QPointF(30, 62), QPointF(50, 80), QPointF(70, 62));
}

void drawThumbsUp(QPainter &p)
{
    const QColor skin(0xff, 0xcc, 0x3a);
    const QPen outline(OutlineColour, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    // Sleeve.
    p.setPen(QPen(Palette::IndigoDark, 4));
    p.setBrush(verticalGradient(QRectF(6, 44, 20, 50), Palette::IndigoLight, Palette::Indigo));
    p.drawRoundedRect(QRectF(6, 46, 20, 48), 4, 4);
    // Fist with the thumb raised.
    QPainterPath hand(QPointF(26, 48));
    hand.lineTo(40, 44);
    hand.lineTo(44, 14);
    hand.cubicTo(QPointF(45, 4), QPointF(60, 4), QPointF(60, 16));
    hand.lineTo(58, 40);
    hand.lineTo(84, 40);
    hand.cubicTo(QPointF(96, 40), QPointF(96, 56), QPointF(86, 56));
    hand.cubicTo(QPointF(96, 58), QPointF(94, 72), QPointF(84, 72));
    hand.cubicTo(QPointF(92, 74), QPointF(90, 86), QPointF(80, 86));
    hand.cubicTo(QPointF(86, 90), QPointF(82, 96), QPointF(74, 96));
    hand.lineTo(26, 94);
    hand.closeSubpath();
    p.setPen(outline);
    QRadialGradient gradient(QPointF(50, 40), 70);
    gradient.setColorAt(0, QColor(0xff, 0xf0, 0x9a));
    gradient.setColorAt(1, skin.darker(115));
    p.setBrush(gradient);
    p.drawPath(hand);
    p.setPen(QPen(OutlineColour, 3.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(62, 56), QPointF(84, 56));
    p.drawLine(QPointF(62, 72), QPointF(82, 72));
}

const std::function<void(QPainter &)> Painters[SmileyCount] = {
    drawSmile,     drawGrin,   drawWink,  drawSad,   drawCrying,   drawAngry,
    drawSurprised, drawTongue, drawCool,  drawLove,  drawKiss,     drawLaughing,
    drawConfused,  drawSleepy, drawDevil, drawAngel, drawThumbsUp,
};

} // namespace

QImage smiley(int index, int size)
{
    QImage image = blankImage(QSize(size, size));
    if (index < 0 || index >= SmileyCount)
        return image;
    QPainter painter(&image);
    prepare(painter);
    painter.scale(size / Grid, size / Grid);
    Painters[index](painter);
    return image;
}

} // namespace Art
