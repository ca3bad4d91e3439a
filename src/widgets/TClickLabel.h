// A label that reacts to a left click, for pictures and addresses that open
// something. Shows the hand pointer.
#pragma once

#include <QLabel>

class TClickLabel : public QLabel
{
    Q_OBJECT
public:
    explicit TClickLabel(QWidget *parent = nullptr);
    explicit TClickLabel(const QString &text, QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_pressed = false;
};
