// A label that reacts to a left click, for pictures and addresses that open
// something, and picture buttons that look pressed while the button is held.
// Shows the hand pointer.
#pragma once

#include <QLabel>
#include <QPixmap>

class TClickLabel : public QLabel
{
    Q_OBJECT
public:
    explicit TClickLabel(QWidget *parent = nullptr);
    explicit TClickLabel(const QString &text, QWidget *parent = nullptr);
    // Shows `up`, and `down` while the left button is held on the label.
    void setPictures(const QPixmap &up, const QPixmap &down);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_pressed = false;
    QPixmap m_up;
    QPixmap m_down;
};
