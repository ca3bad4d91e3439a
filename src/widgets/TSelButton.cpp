#include "widgets/TSelButton.h"

#include <QEnterEvent>
#include <QPainter>

namespace {
// Room between the border and a left- or right-aligned caption.
constexpr int CaptionPadding = 5;
// How far the caption moves while the button is held down.
constexpr int PressedShift = 1;
} // namespace

TSelButton::TSelButton(const QString &caption, QWidget *parent)
    : QAbstractButton(parent), m_face(0, 204, 26), m_text(0, 102, 0)
{
    setText(caption);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus); // a click does not leave a focus frame behind
    setAttribute(Qt::WA_Hover);
}

void TSelButton::setFaceColor(const QColor &color)
{
    m_face = color;
    update();
}

void TSelButton::setTextColor(const QColor &color)
{
    m_text = color;
    update();
}

void TSelButton::setHoverTextColor(const QColor &color)
{
    m_hoverText = color;
    update();
}

void TSelButton::setBorderColor(const QColor &color)
{
    m_border = color;
    update();
}

void TSelButton::setCaptionAlignment(Qt::Alignment alignment)
{
    m_alignment = alignment;
    update();
}

QSize TSelButton::sizeHint() const
{
    const QFontMetrics metrics(font());
    return {metrics.horizontalAdvance(text()) + 4 * CaptionPadding,
            metrics.height() + 2 * CaptionPadding};
}

void TSelButton::enterEvent(QEnterEvent *event)
{
    m_hovered = true;
    update();
    QAbstractButton::enterEvent(event);
}

void TSelButton::leaveEvent(QEvent *event)
{
    m_hovered = false;
    update();
    QAbstractButton::leaveEvent(event);
}

void TSelButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect area = rect();
    painter.fillRect(area, m_face);
    painter.setPen(m_border);
    painter.drawRect(area.adjusted(0, 0, -1, -1));

    QRect captionArea = area.adjusted(CaptionPadding, 1, -CaptionPadding, -1);
    if (isDown())
        captionArea.translate(PressedShift, PressedShift);
    QColor caption = m_hovered ? m_hoverText : m_text;
    if (!isEnabled())
        caption = palette().color(QPalette::Disabled, QPalette::WindowText);
    painter.setFont(font());
    painter.setPen(caption);
    painter.drawText(captionArea, int(m_alignment) | Qt::TextSingleLine, text());

    if (hasFocus()) {
        QPen dotted(m_border, 1, Qt::DotLine);
        painter.setPen(dotted);
        painter.drawRect(area.adjusted(2, 2, -3, -3));
    }
}
