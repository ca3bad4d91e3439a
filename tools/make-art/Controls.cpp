#include "Controls.h"

#include "ArtKit.h"
#include "Smileys.h"

#include <QPainter>

namespace Art {

namespace {

const QSize VoteSize(29, 20);
const QSize ChatButtonSize(25, 19);
const QSize BoxSize(36, 30);
const QSize EyesSize(18, 10);
const QSize TimeBarSize(173, 10);

// A raised button shows a darker ledge below its face; pressed, the face sinks onto it.
constexpr qreal LedgeHeight = 2;

struct ButtonColours
{
    QColor top;
    QColor bottom;
    QColor edge;
};

ButtonColours pressed(ButtonColours colours)
{
    return {colours.top.darker(118), colours.bottom.darker(112), colours.edge};
}

// Draws a raised (or pressed) rounded face inside area and returns the face rectangle.
QRectF drawRaisedFace(QPainter &p, const QRectF &area, qreal radius, const ButtonColours &colours,
                      ButtonState state)
{
    const QRectF ledge = area.adjusted(0, LedgeHeight, 0, 0);
    const QRectF face = state == ButtonState::Up ? area.adjusted(0, 0, 0, -LedgeHeight)
                                                 : area.adjusted(0, LedgeHeight, 0, 0);
    p.setPen(Qt::NoPen);
    p.setBrush(colours.edge);
    p.drawRoundedRect(ledge, radius, radius);
    p.setBrush(verticalGradient(face, colours.top, colours.bottom));
    p.setPen(QPen(colours.edge, 1));
    p.drawRoundedRect(face, radius, radius);
    // Gloss on the upper half.
    const QRectF gloss = face.adjusted(1.5, 1.2, -1.5, -face.height() * 0.5);
    p.setPen(Qt::NoPen);
    p.setBrush(verticalGradient(gloss, QColor(255, 255, 255, state == ButtonState::Up ? 150 : 80),
                                QColor(255, 255, 255, 10)));
    p.drawRoundedRect(gloss, radius - 1, radius - 1);
    return face;
}

QPen markPen(qreal width, const QColor &colour = Qt::white)
{
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

const ButtonColours RedButton {QColor(0xff, 0x7a, 0x66), QColor(0xd0, 0x2a, 0x1e),
                               QColor(0x86, 0x14, 0x0e)};
const ButtonColours GreenButton {QColor(0x7c, 0xe0, 0x6e), QColor(0x2c, 0x9c, 0x38),
                                 QColor(0x15, 0x5c, 0x1e)};
const ButtonColours OrangeButton {QColor(0xff, 0xd2, 0x58), QColor(0xf0, 0x7a, 0x1e),
                                  QColor(0x8a, 0x42, 0x08)};

} // namespace

QImage voteButton(VoteMark mark, ButtonState state)
{
    QImage image = blankImage(VoteSize);
    QPainter p(&image);
    prepare(p);
    const ButtonColours colours = mark == VoteMark::Decline ? RedButton : GreenButton;
    const QRectF face
        = drawRaisedFace(p, QRectF(1.5, 1.5, 26, 17), 5,
                         state == ButtonState::Up ? colours : pressed(colours), state);
    const QPointF centre = face.center();
    // Marks get a thin dark outline so they stay crisp on the glossy face.
    const QColor shade = colours.edge;
    switch (mark) {
    case VoteMark::Decline: {
        const qreal r = 5.2;
        const QPointF a = centre + QPointF(-r * 0.7, r * 0.7);
        const QPointF b = centre + QPointF(r * 0.7, -r * 0.7);
        p.setBrush(Qt::NoBrush);
        p.setPen(markPen(3.6, shade));
        p.drawEllipse(centre, r, r);
        p.drawLine(a, b);
        p.setPen(markPen(2.0));
        p.drawEllipse(centre, r, r);
        p.drawLine(a, b);
        break;
    }
    case VoteMark::Accept: {
        QPainterPath tick(centre + QPointF(-5.5, 0.2));
        tick.lineTo(centre + QPointF(-1.8, 3.8));
        tick.lineTo(centre + QPointF(5.5, -4.2));
        p.setBrush(Qt::NoBrush);
        p.setPen(markPen(4.2, shade));
        p.drawPath(tick);
        p.setPen(markPen(2.4));
        p.drawPath(tick);
        break;
    }
    case VoteMark::Favourite:
        p.setPen(QPen(shade, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(verticalGradient(face, QColor(0xff, 0xf6, 0xb0), Palette::Gold));
        p.drawPath(starPath(centre + QPointF(0, 0.4), 6.8, 2.9));
        break;
    }
    return image;
}

QImage startButton(QSize size, const QString &caption, ButtonState state)
{
    QImage layer = blankImage(size);
    QPainter p(&layer);
    prepare(p);
    const QRectF area(1.5, 1.5, size.width() - 4, size.height() - 4.5);
    const qreal radius = (area.height() - LedgeHeight) / 2;
    const ButtonColours colours = state == ButtonState::Up ? OrangeButton : pressed(OrangeButton);
    const QRectF face = drawRaisedFace(p, area, radius, colours, state);
    const QPainterPath text = fitPath(
        textPath(caption, 40), face.adjusted(10, face.height() * 0.28, -10, -face.height() * 0.28));
    QPainterPathStroker stroker;
    stroker.setWidth(2.4);
    stroker.setJoinStyle(Qt::RoundJoin);
    const QPainterPath rim = stroker.createStroke(text).united(text);
    p.fillPath(rim.translated(0, 1), QColor(0x6a, 0x30, 0x04, 140));
    p.fillPath(rim, OrangeButton.edge);
    p.fillPath(text, Qt::white);
    p.end();
    if (state == ButtonState::Down)
        return layer;
    return withShadow(layer, QPointF(0.8, 1.5), 2, QColor(40, 20, 0, 90));
}

QImage phraseButton(int number)
{
    QImage image = blankImage(ChatButtonSize);
    QPainter p(&image);
    prepare(p);
    const QRectF bubble(2.5, 1.5, 20, 13);
    QPainterPath shape;
    shape.addRoundedRect(bubble, 5, 5);
    QPainterPath tail(QPointF(6, 13));
    tail.lineTo(4.5, 17.5);
    tail.lineTo(11, 13);
    tail.closeSubpath();
    shape = shape.united(tail);
    p.setPen(QPen(Palette::Indigo, 1.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(verticalGradient(bubble, Qt::white, QColor(0xdd, 0xf1, 0xef)));
    p.drawPath(shape);
    if (number > 0) {
        const QPainterPath digit
            = fitPath(textPath(QString::number(number), 40),
                      QRectF(bubble.center().x() - 4, bubble.top() + 2.5, 8, 8));
        p.fillPath(digit, Palette::Indigo);
    } else {
        p.setPen(Qt::NoPen);
        p.setBrush(Palette::Indigo);
        for (const qreal x : {-5.0, 0.0, 5.0})
            p.drawEllipse(QPointF(bubble.center().x() + x, bubble.center().y()), 1.4, 1.4);
    }
    return image;
}

QImage soundsButton()
{
    QImage image = blankImage(ChatButtonSize);
    QPainter p(&image);
    prepare(p);
    QPainterPath speaker(QPointF(4, 7));
    speaker.lineTo(7.5, 7);
    speaker.lineTo(12, 3);
    speaker.lineTo(12, 16);
    speaker.lineTo(7.5, 12);
    speaker.lineTo(4, 12);
    speaker.closeSubpath();
    p.setPen(QPen(Palette::IndigoDark, 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(verticalGradient(QRectF(4, 3, 8, 13), Palette::IndigoLight, Palette::Indigo));
    p.drawPath(speaker);
    p.setBrush(Qt::NoBrush);
    const QPointF centre(12, 9.5);
    int i = 0;
    for (const qreal r : {3.5, 6.5, 9.5}) {
        p.setPen(QPen(i == 2 ? Palette::Orange : Palette::Teal, 1.5, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r), -45 * 16, 90 * 16);
        ++i;
    }
    return image;
}

QImage smileysButton()
{
    QImage image = blankImage(ChatButtonSize);
    QPainter p(&image);
    prepare(p);
    p.drawImage(QPointF(4, 1), smiley(0, 17));
    return image;
}

QImage optionBox(bool ticked)
{
    QImage layer = blankImage(BoxSize);
    QPainter p(&layer);
    prepare(p);
    const QRectF box(6.5, 6.5, 21, 20);
    p.setPen(QPen(Palette::Indigo, 1.6));
    p.setBrush(verticalGradient(box, QColor(0xe9, 0xe4, 0xd2), Qt::white));
    p.drawRoundedRect(box, 4, 4);
    // Inner shade along the top so the box reads as sunken.
    p.setPen(QPen(QColor(0, 0, 0, 40), 1.5));
    p.drawLine(QPointF(box.left() + 3, box.top() + 2), QPointF(box.right() - 3, box.top() + 2));
    if (ticked) {
        QPainterPath tick(QPointF(10.5, 15.5));
        tick.lineTo(16.5, 23);
        tick.cubicTo(QPointF(20, 14), QPointF(25, 8), QPointF(32, 2.5));
        p.setBrush(Qt::NoBrush);
        p.setPen(markPen(6, Palette::GreenDark));
        p.drawPath(tick);
        p.setPen(markPen(3.6, Palette::Green));
        p.drawPath(tick);
        p.setPen(markPen(1.2, QColor(255, 255, 255, 120)));
        p.drawPath(tick.translated(-0.6, -0.8));
    }
    p.end();
    return withShadow(layer, QPointF(0.8, 1.2), 2, QColor(0, 0, 0, 70));
}

QImage eyes()
{
    QImage image = blankImage(EyesSize);
    QPainter p(&image);
    prepare(p);
    for (const qreal x : {4.5, 13.0}) {
        p.setPen(QPen(Palette::IndigoDark, 1));
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(x, 5), 3.9, 4.3);
        p.setPen(Qt::NoPen);
        p.setBrush(Palette::Indigo);
        p.drawEllipse(QPointF(x + 1.3, 5.4), 2.0, 2.2);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(x + 0.8, 4.6), 0.6, 0.6);
    }
    return image;
}

QImage timeBar()
{
    QImage image = blankImage(TimeBarSize);
    QPainter p(&image);
    prepare(p);
    const QRectF bar(0, 0, TimeBarSize.width(), TimeBarSize.height());
    p.fillRect(bar, verticalGradient(bar, QColor(0xff, 0xe2, 0x78), Palette::Orange));
    p.fillRect(QRectF(0, 1, bar.width(), 3.5), QColor(255, 255, 255, 110));
    p.setPen(QPen(Palette::OrangeDark, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(bar.adjusted(0.5, 0.5, -0.5, -0.5));
    return image;
}

} // namespace Art
