#include "widgets/TClickLabel.h"

#include <QMouseEvent>

TClickLabel::TClickLabel(QWidget *parent) : TClickLabel(QString(), parent)
{ }

TClickLabel::TClickLabel(const QString &text, QWidget *parent) : QLabel(text, parent)
{
    setCursor(Qt::PointingHandCursor);
}

void TClickLabel::setPictures(const QPixmap &up, const QPixmap &down)
{
    m_up = up;
    m_down = down;
    setPixmap(m_up);
}

void TClickLabel::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    if (m_pressed && !m_down.isNull())
        setPixmap(m_down);
    QLabel::mousePressEvent(event);
}

// Fires on release inside the label, like a button, so a press dragged away cancels.
void TClickLabel::mouseReleaseEvent(QMouseEvent *event)
{
    const bool wasPressed = m_pressed;
    m_pressed = false;
    if (wasPressed && !m_up.isNull())
        setPixmap(m_up);
    QLabel::mouseReleaseEvent(event);
    if (wasPressed && event->button() == Qt::LeftButton
        && rect().contains(event->position().toPoint()))
        emit clicked();
}
