#include "widgets/TFlatPanel.h"

#include <QPainter>

TFlatPanel::TFlatPanel(QWidget *parent) : QWidget(parent)
{ }

void TFlatPanel::setColor(const QColor &color)
{
    m_color = color;
    update();
}

void TFlatPanel::setTransparent(bool transparent)
{
    m_transparent = transparent;
    update();
}

void TFlatPanel::setBorderColor(const QColor &color)
{
    setBorderColors(color, color);
}

void TFlatPanel::setBorderColors(const QColor &highlight, const QColor &shadow)
{
    m_highlight = highlight;
    m_shadow = shadow;
    update();
}

void TFlatPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect area = rect();
    if (!m_transparent)
        painter.fillRect(area, m_color);
    if (area.width() < 1 || area.height() < 1)
        return;
    const int right = area.right();
    const int bottom = area.bottom();
    painter.setPen(m_highlight);
    painter.drawLine(0, 0, right, 0);
    painter.drawLine(0, 0, 0, bottom);
    painter.setPen(m_shadow);
    painter.drawLine(0, bottom, right, bottom);
    painter.drawLine(right, 0, right, bottom);
}
