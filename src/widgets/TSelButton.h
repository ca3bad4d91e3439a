// Our flat coloured button: a face of one colour inside a one-pixel border and
// a caption that changes colour under the pointer. The face keeps its colour
// when hovered or pressed; pressing nudges the caption instead.
#pragma once

#include <QAbstractButton>
#include <QColor>

class TSelButton : public QAbstractButton
{
    Q_OBJECT
public:
    explicit TSelButton(const QString &caption = QString(), QWidget *parent = nullptr);

    QColor faceColor() const { return m_face; }
    void setFaceColor(const QColor &color);
    QColor textColor() const { return m_text; }
    void setTextColor(const QColor &color);
    QColor hoverTextColor() const { return m_hoverText; }
    void setHoverTextColor(const QColor &color);
    QColor borderColor() const { return m_border; }
    void setBorderColor(const QColor &color);

    Qt::Alignment captionAlignment() const { return m_alignment; }
    void setCaptionAlignment(Qt::Alignment alignment);

    // A free integer the owner uses to tell buttons that share a handler apart.
    int tag() const { return m_tag; }
    void setTag(int tag) { m_tag = tag; }

    bool isHovered() const { return m_hovered; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    QColor m_face;
    QColor m_text;
    QColor m_hoverText = Qt::black;
    QColor m_border = Qt::black;
    Qt::Alignment m_alignment = Qt::AlignLeft | Qt::AlignVCenter;
    int m_tag = 0;
    bool m_hovered = false;
};
