// Tiles one picture over a window's background. It attaches to the window and
// paints the tiles before the window's own painting, so labels and transparent
// panels lie on top of the picture. Without a picture the window paints as usual.
#pragma once

#include <QObject>
#include <QPixmap>

class QWidget;

class TLbBackground : public QObject
{
    Q_OBJECT
public:
    explicit TLbBackground(QWidget *window);

    QPixmap picture() const { return m_picture; }
    void setPicture(const QPixmap &picture);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_window;
    QPixmap m_picture;
};
