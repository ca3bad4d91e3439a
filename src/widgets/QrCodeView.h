// A QR code of a short text (a link to share), drawn black on white with its
// quiet zone, as large as whole pixels per module allow.
#pragma once

#include <QWidget>

#include <vector>

class QrCodeView : public QWidget
{
    Q_OBJECT

public:
    explicit QrCodeView(QWidget *parent = nullptr);

    // An empty text, or one too long for a code, shows a blank square.
    void setText(const QString &text);
    QString text() const { return m_text; }
    // Modules per side, 0 when nothing is shown.
    int modules() const { return m_width; }
    bool isDark(int x, int y) const { return m_dark[std::size_t(y * m_width + x)]; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_text;
    int m_width = 0;
    std::vector<bool> m_dark;
};
