#include "widgets/TLbBackground.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWidget>

TLbBackground::TLbBackground(QWidget *window) : QObject(window), m_window(window)
{
    m_window->installEventFilter(this);
}

void TLbBackground::setPicture(const QPixmap &picture)
{
    m_picture = picture;
    m_window->update();
}

bool TLbBackground::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window && event->type() == QEvent::Paint && !m_picture.isNull()) {
        QPainter painter(m_window);
        const QRect dirty = static_cast<QPaintEvent *>(event)->rect();
        painter.setClipRect(dirty);
        // Tiles start at the window's corner whatever part is repainted, so they stay seamless.
        painter.drawTiledPixmap(m_window->rect(), m_picture);
    }
    return QObject::eventFilter(watched, event);
}
