#include "client/GameWidgets.h"

#include "protocol/Messages.h"
#include "widgets/Pictures.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {
const QColor OffLetterColour(0xD0, 0x30, 0x00);
} // namespace

AnswerEdit::AnswerEdit(int tag, QWidget *parent) : QLineEdit(parent), m_tag(tag)
{
    connect(this, &QLineEdit::textChanged, this, &AnswerEdit::markOffLetter);
}

void AnswerEdit::setLetter(QChar letter)
{
    m_letter = letter.toUpper();
    markOffLetter();
}

void AnswerEdit::markOffLetter()
{
    const QChar initial = Protocol::answerInitial(text());
    const bool off = !m_letter.isNull() && !initial.isNull() && initial != m_letter;
    if (off == m_offLetter)
        return;
    m_offLetter = off;
    // A locked box keeps the usual disabled look, warning or not.
    const QPalette usual = QApplication::palette(this);
    QPalette colours = palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        colours.setColor(group, QPalette::Text,
                         off ? OffLetterColour : usual.color(group, QPalette::Text));
    }
    colours.setColor(QPalette::Disabled, QPalette::Text,
                     usual.color(QPalette::Disabled, QPalette::Text));
    setPalette(colours);
    setToolTip(off ? QStringLiteral("This answer does not start with %1.").arg(m_letter)
                   : QString());
}

void AnswerEdit::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        emit enterPressed(m_tag);
        return;
    }
    QLineEdit::keyPressEvent(event);
}

namespace GamePictures {
namespace {

QPixmap loaded(const QString &path)
{
    return Pictures::load(path);
}

// A rounded, shaded button face as used by the drawn stand-ins.
void drawFace(QPainter &p, const QRectF &r, QColor base, bool pressed)
{
    QLinearGradient shade(r.topLeft(), r.bottomLeft());
    shade.setColorAt(0, pressed ? base.darker(130) : base.lighter(140));
    shade.setColorAt(1, pressed ? base.darker(105) : base.darker(120));
    p.setPen(QPen(base.darker(180), 1));
    p.setBrush(shade);
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
}

QPixmap drawnLetter(int letterIndex)
{
    QPixmap picture = Pictures::canvas(QSize(LetterWidth, LetterHeight));
    const QRect area(0, 0, LetterWidth, LetterHeight);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    drawFace(p, area, QColor(0xF0, 0xA0, 0x20), false);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(84);
    font.setBold(true);
    p.setFont(font);
    const QString text(QLatin1Char(Protocol::Letters[letterIndex]));
    p.setPen(QColor(0x60, 0x20, 0x00));
    p.drawText(area.translated(2, 2), Qt::AlignCenter, text);
    p.setPen(Qt::white);
    p.drawText(area, Qt::AlignCenter, text);
    return picture;
}

QPixmap drawnVote(Vote kind, bool pressed)
{
    QPixmap picture = Pictures::canvas(QSize(VoteWidth, VoteHeight));
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor base = kind == Vote::Decline ? QColor(0xC8, 0x20, 0x20) : QColor(0x20, 0xA0, 0x30);
    drawFace(p, QRect(0, 0, VoteWidth, VoteHeight), base, pressed);
    p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    const QPointF c(VoteWidth / 2.0, VoteHeight / 2.0);
    if (kind == Vote::Decline) {
        p.drawEllipse(c, 6, 6);
        p.drawLine(c + QPointF(-4, 4), c + QPointF(4, -4));
    } else if (kind == Vote::Accept) {
        p.drawPolyline(QPolygonF({c + QPointF(-6, 0), c + QPointF(-2, 5), c + QPointF(6, -5)}));
    } else {
        QPainterPath star;
        for (int i = 0; i < 10; ++i) {
            const double radius = i % 2 ? 3.0 : 7.5;
            const double angle = -M_PI / 2 + i * M_PI / 5;
            const QPointF point = c + QPointF(radius * std::cos(angle), radius * std::sin(angle));
            i ? star.lineTo(point) : star.moveTo(point);
        }
        star.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xFF, 0xE0, 0x40));
        p.drawPath(star);
    }
    return picture;
}

} // namespace

QPixmap letter(int letterIndex)
{
    if (letterIndex < 0 || letterIndex >= Protocol::LetterCount)
        return {};
    const QPixmap picture = loaded(QStringLiteral(":/pictures/letters/%1.png")
                                       .arg(QLatin1Char(Protocol::Letters[letterIndex])));
    return picture.isNull() ? drawnLetter(letterIndex) : picture;
}

QPixmap vote(Vote kind, bool pressed)
{
    const char *name = kind == Vote::Decline ? "decline"
        : kind == Vote::Accept               ? "accept"
                                             : "favourite";
    const QPixmap picture
        = loaded(QStringLiteral(":/pictures/vote/%1%2.png")
                     .arg(QLatin1String(name), pressed ? QStringLiteral("_down") : QString()));
    return picture.isNull() ? drawnVote(kind, pressed) : picture;
}

QPixmap startButton(bool pressed)
{
    QPixmap picture = loaded(pressed ? QStringLiteral(":/pictures/buttons/start_down.png")
                                     : QStringLiteral(":/pictures/buttons/start.png"));
    if (!picture.isNull())
        return picture;
    const QRect area(0, 0, 120, 32);
    picture = Pictures::canvas(area.size());
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    drawFace(p, area, QColor(0x20, 0x80, 0xD0), pressed);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(18);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(area.translated(pressed ? 1 : 0, pressed ? 1 : 0), Qt::AlignCenter,
               QStringLiteral("START"));
    return picture;
}

QPixmap timeBar()
{
    QPixmap picture = loaded(QStringLiteral(":/pictures/timebar.png"));
    if (!picture.isNull())
        return picture;
    picture = Pictures::canvas(QSize(TimeBarWidth, TimeBarHeight));
    QPainter p(&picture);
    QLinearGradient shade(0, 0, TimeBarWidth, 0);
    shade.setColorAt(0, QColor(0xD0, 0x20, 0x20));
    shade.setColorAt(0.5, QColor(0xF0, 0xC0, 0x20));
    shade.setColorAt(1, QColor(0x30, 0xB0, 0x30));
    p.fillRect(QRect(0, 0, TimeBarWidth, TimeBarHeight), shade);
    return picture;
}

QPixmap opening(QSize size)
{
    QPixmap picture = loaded(QStringLiteral(":/pictures/first.png"));
    if (!picture.isNull())
        return picture;
    picture = Pictures::canvas(size);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(56);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(0x20, 0x60, 0xA0));
    p.drawText(QRect(QPoint(), size), Qt::AlignCenter, QStringLiteral("Lexiburst"));
    return picture;
}

} // namespace GamePictures
