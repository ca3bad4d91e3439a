// The main window's own look: its font, the tiled client area, the board's
// frames and headings and the flat picture buttons.
#pragma once

#include "widgets/Pictures.h"

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QToolButton>
#include <QWidget>

namespace BoardLook {

inline const QColor FormColour(0xEC, 0xF1, 0xBE);

inline QFont arial(int pixelSize, bool bold = false)
{
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

// The window's client area: the tiled background picture under the board.
class FormBackground : public QWidget
{
public:
    explicit FormBackground(QWidget *parent) : QWidget(parent)
    {
        m_tile = Pictures::load(QStringLiteral(":/pictures/background.jpg"));
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        if (m_tile.isNull())
            painter.fillRect(rect(), FormColour);
        else
            painter.drawTiledPixmap(rect(), m_tile);
    }

private:
    QPixmap m_tile;
};

// The board: transparent, with soft frames behind the seats and the chat so
// both read as areas of their own over the background.
class BoardPanel : public QWidget
{
public:
    explicit BoardPanel(QWidget *parent) : QWidget(parent) { }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(0x6B, 0x8E, 0x7A), 1));
        painter.setBrush(QColor(255, 255, 255, 150));
        painter.drawRoundedRect(QRectF(2.5, 298.5, 232, 195), 6, 6);
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRectF(237.5, 319.5, 521, 205), 4, 4);
        painter.setPen(QColor(0x30, 0x50, 0x40));
        painter.setFont(arial(11, true));
        painter.drawText(QRect(10, 301, 121, 16), Qt::AlignVCenter | Qt::AlignLeft,
                         QStringLiteral("Player"));
        painter.drawText(QRect(137, 301, 40, 16), Qt::AlignVCenter | Qt::AlignLeft,
                         QStringLiteral("Score"));
        painter.drawText(QRect(179, 301, 40, 16), Qt::AlignVCenter | Qt::AlignLeft,
                         QStringLiteral("Bonus"));
        painter.setPen(QColor(0x6B, 0x8E, 0x7A, 120));
        painter.drawLine(QPointF(8, 317.5), QPointF(229, 317.5));
    }
};

inline QToolButton *flatButton(QWidget *parent, const QString &name, const QString &picture,
                               const QRect &bounds)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(name);
    button->setAutoRaise(true);
    button->setIcon(QIcon(picture));
    button->setIconSize(bounds.size());
    button->setGeometry(bounds);
    button->setCursor(Qt::PointingHandCursor);
    button->setFocusPolicy(Qt::NoFocus);
    button->setStyleSheet(QStringLiteral("QToolButton { border: none; padding: 0; }"
                                         "QToolButton:hover { background: rgba(255,255,255,110); }"
                                         "QToolButton:pressed { padding-top: 1px; }"));
    return button;
}

} // namespace BoardLook
