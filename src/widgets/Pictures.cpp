#include "widgets/Pictures.h"

#include <QFile>
#include <QGuiApplication>

namespace Pictures {

namespace {
// Qt reads the ratio of a file named "name@2x.png" from its name.
const QString TwinMark = QStringLiteral("@2x");

qreal screenRatio()
{
    return qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
}
} // namespace

QString fileFor(const QString &path, qreal devicePixelRatio)
{
    const qsizetype dot = path.lastIndexOf(u'.');
    if (devicePixelRatio <= 1.0 || dot <= path.lastIndexOf(u'/'))
        return path;
    QString twin = path;
    twin.insert(dot, TwinMark);
    return QFile::exists(twin) ? twin : path;
}

QPixmap load(const QString &path)
{
    return QPixmap(fileFor(path, screenRatio()));
}

QImage loadImage(const QString &path)
{
    return QImage(fileFor(path, screenRatio()));
}

QPixmap canvas(QSize size)
{
    const qreal ratio = screenRatio();
    QPixmap picture(size * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    return picture;
}

QPixmap fitted(const QPixmap &picture, QSize size)
{
    if (picture.isNull())
        return picture;
    const qreal ratio = picture.devicePixelRatio();
    QPixmap scaled = picture.scaled(size * ratio, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(ratio);
    return scaled;
}

} // namespace Pictures
