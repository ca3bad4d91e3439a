// A flat panel: a plain face (or none, when transparent) inside a one-pixel
// border of two colours, the highlight on the top and left edges and the shadow
// on the bottom and right. The same colour twice gives a plain frame.
#pragma once

#include <QColor>
#include <QWidget>

class TFlatPanel : public QWidget
{
    Q_OBJECT
public:
    explicit TFlatPanel(QWidget *parent = nullptr);

    QColor color() const { return m_color; }
    void setColor(const QColor &color);

    // A transparent panel draws only its border and lets the parent's
    // background (for example a tiled picture) show through.
    bool isTransparent() const { return m_transparent; }
    void setTransparent(bool transparent);

    // Both edges in one colour.
    void setBorderColor(const QColor &color);
    void setBorderColors(const QColor &highlight, const QColor &shadow);
    QColor highlightColor() const { return m_highlight; }
    QColor shadowColor() const { return m_shadow; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_color = Qt::white;
    QColor m_highlight = Qt::black;
    QColor m_shadow = Qt::black;
    bool m_transparent = false;
};
