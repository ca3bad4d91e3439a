#include "widgets/QrCodeView.h"

#include <QPainter>

#include <qrencode.h>

namespace {
// White modules around the code that readers need to find it.
constexpr int QuietModules = 4;
} // namespace

QrCodeView::QrCodeView(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void QrCodeView::setText(const QString &text)
{
    m_text = text;
    m_width = 0;
    m_dark.clear();
    const QByteArray bytes = text.toUtf8();
    if (!bytes.isEmpty()) {
        // Medium error correction survives a phone's glare on a screen.
        if (QRcode *code = QRcode_encodeString8bit(bytes.constData(), 0, QR_ECLEVEL_M)) {
            m_width = code->width;
            m_dark.resize(std::size_t(m_width) * std::size_t(m_width));
            for (std::size_t i = 0; i < m_dark.size(); ++i)
                m_dark[i] = code->data[i] & 1;
            QRcode_free(code);
        }
    }
    update();
}

void QrCodeView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (m_width == 0)
        return;
    const int side = std::min(width(), height());
    const int module = std::max(1, side / (m_width + 2 * QuietModules));
    const int drawn = module * m_width;
    const QPoint origin((width() - drawn) / 2, (height() - drawn) / 2);
    for (int y = 0; y < m_width; ++y) {
        for (int x = 0; x < m_width; ++x) {
            if (isDark(x, y))
                painter.fillRect(origin.x() + x * module, origin.y() + y * module, module, module,
                                 Qt::black);
        }
    }
}
