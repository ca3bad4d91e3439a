#include "ArtKit.h"

#include <QBrush>
#include <QFontDatabase>
#include <QLinearGradient>
#include <QPainter>
#include <QtMath>

#include <algorithm>
#include <vector>

namespace Art {

namespace {

const char *const BoldFontFile = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";
QString boldFamily = QStringLiteral("DejaVu Sans");
int currentScale = 1;

// Three box-blur passes approximate a Gaussian.
constexpr int BlurPasses = 3;

void boxBlurLine(std::vector<float> &line, int radius)
{
    const int n = static_cast<int>(line.size());
    std::vector<float> prefix(n + 1, 0.0f);
    for (int i = 0; i < n; ++i)
        prefix[i + 1] = prefix[i] + line[i];
    const float width = static_cast<float>(2 * radius + 1);
    for (int i = 0; i < n; ++i) {
        const int lo = std::max(0, i - radius);
        const int hi = std::min(n, i + radius + 1);
        line[i] = (prefix[hi] - prefix[lo]) / width;
    }
}

void blur(std::vector<float> &alpha, int width, int height, int radius)
{
    const int passRadius = std::max(1, radius / 2);
    for (int pass = 0; pass < BlurPasses; ++pass) {
        std::vector<float> line;
        for (int y = 0; y < height; ++y) {
            line.assign(alpha.begin() + y * width, alpha.begin() + (y + 1) * width);
            boxBlurLine(line, passRadius);
            std::copy(line.begin(), line.end(), alpha.begin() + y * width);
        }
        line.resize(height);
        for (int x = 0; x < width; ++x) {
            for (int y = 0; y < height; ++y)
                line[y] = alpha[y * width + x];
            boxBlurLine(line, passRadius);
            for (int y = 0; y < height; ++y)
                alpha[y * width + x] = line[y];
        }
    }
}

} // namespace

bool loadFonts()
{
    const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(BoldFontFile));
    if (id < 0)
        return false;
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (!families.isEmpty())
        boldFamily = families.first();
    return true;
}

void setPictureScale(int scale)
{
    currentScale = std::max(1, scale);
}

int pictureScale()
{
    return currentScale;
}

QImage blankImage(QSize size)
{
    QImage image(size * currentScale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(currentScale);
    image.fill(Qt::transparent);
    return image;
}

QSize logicalSize(const QImage &image)
{
    return image.deviceIndependentSize().toSize();
}

void prepare(QPainter &painter)
{
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing
                           | QPainter::SmoothPixmapTransform);
}

QFont boldFont(qreal pixelSize)
{
    QFont font(boldFamily);
    font.setBold(true);
    font.setPixelSize(qMax(1, qRound(pixelSize)));
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

QPainterPath textPath(const QString &text, qreal pixelSize)
{
    QPainterPath path;
    path.addText(QPointF(0, 0), boldFont(pixelSize), text);
    return path;
}

QPainterPath fitPath(const QPainterPath &path, const QRectF &box)
{
    const QRectF bounds = path.boundingRect();
    if (bounds.isEmpty())
        return path;
    const qreal scale = std::min(box.width() / bounds.width(), box.height() / bounds.height());
    QTransform transform;
    transform.translate(box.center().x(), box.center().y());
    transform.scale(scale, scale);
    transform.translate(-bounds.center().x(), -bounds.center().y());
    return transform.map(path);
}

QImage shadowOf(const QImage &layer, int radius, const QColor &colour)
{
    const QImage source = layer.convertToFormat(QImage::Format_ARGB32);
    const int width = source.width();
    const int height = source.height();
    std::vector<float> alpha(static_cast<size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
        const QRgb *row = reinterpret_cast<const QRgb *>(source.constScanLine(y));
        for (int x = 0; x < width; ++x)
            alpha[y * width + x] = qAlpha(row[x]) / 255.0f;
    }
    if (radius > 0)
        blur(alpha, width, height, qRound(radius * source.devicePixelRatio()));
    QImage shadow(source.size(), QImage::Format_ARGB32);
    shadow.setDevicePixelRatio(source.devicePixelRatio());
    for (int y = 0; y < height; ++y) {
        QRgb *row = reinterpret_cast<QRgb *>(shadow.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const int a = qBound(0, qRound(alpha[y * width + x] * colour.alpha()), 255);
            row[x] = qRgba(colour.red(), colour.green(), colour.blue(), a);
        }
    }
    return shadow.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QImage withShadow(const QImage &layer, QPointF offset, int radius, const QColor &colour)
{
    QImage result = blankImage(logicalSize(layer));
    QPainter painter(&result);
    prepare(painter);
    painter.drawImage(offset, shadowOf(layer, radius, colour));
    painter.drawImage(QPointF(0, 0), layer);
    return result;
}

QBrush verticalGradient(const QRectF &rect, const QColor &top, const QColor &bottom)
{
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    return QBrush(gradient);
}

QPainterPath starPath(QPointF centre, qreal outerRadius, qreal innerRadius, qreal turnDegrees)
{
    constexpr int Points = 5;
    QPainterPath path;
    for (int i = 0; i < 2 * Points; ++i) {
        const qreal radius = (i % 2 == 0) ? outerRadius : innerRadius;
        const qreal angle = qDegreesToRadians(turnDegrees - 90.0 + i * 180.0 / Points);
        const QPointF point(centre.x() + radius * qCos(angle), centre.y() + radius * qSin(angle));
        if (i == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    path.closeSubpath();
    return path;
}

QPainterPath burstPath(QPointF centre, qreal outerRadius, qreal innerRadius, int rays)
{
    QPainterPath path;
    for (int i = 0; i < 2 * rays; ++i) {
        const qreal radius = (i % 2 == 0) ? outerRadius : innerRadius;
        const qreal angle = qDegreesToRadians(-90.0 + i * 180.0 / rays);
        const QPointF point(centre.x() + radius * qCos(angle), centre.y() + radius * qSin(angle));
        if (i == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    path.closeSubpath();
    return path;
}

QPainterPath heartPath(const QRectF &r)
{
    const qreal w = r.width();
    const qreal h = r.height();
    const qreal x = r.left();
    const qreal y = r.top();
    QPainterPath path;
    path.moveTo(x + w * 0.5, y + h * 0.28);
    path.cubicTo(x + w * 0.5, y - h * 0.05, x, y - h * 0.05, x, y + h * 0.32);
    path.cubicTo(x, y + h * 0.62, x + w * 0.35, y + h * 0.78, x + w * 0.5, y + h);
    path.cubicTo(x + w * 0.65, y + h * 0.78, x + w, y + h * 0.62, x + w, y + h * 0.32);
    path.cubicTo(x + w, y - h * 0.05, x + w * 0.5, y - h * 0.05, x + w * 0.5, y + h * 0.28);
    path.closeSubpath();
    return path;
}

} // namespace Art
