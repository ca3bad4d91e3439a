// The game's pictures at the density of the screen. Every picture resource has
// a twin drawn at twice the size beside it ("name@2x.png"); on a screen with a
// device pixel ratio above 1 the twin is read, so pictures stay sharp instead
// of being blown up. Loading by file name alone never picks the twin.
#pragma once

#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace Pictures {

// The file to read for path at devicePixelRatio: its "@2x" twin above 1 when
// the twin exists, else path itself.
QString fileFor(const QString &path, qreal devicePixelRatio);

// The picture at the application's device pixel ratio (the twin's ratio is 2,
// so it covers the same logical size); null when it cannot be read.
QPixmap load(const QString &path);
QImage loadImage(const QString &path);

// A transparent picture of logical size at the application's device pixel
// ratio, for pictures drawn in code: a painter on it works in logical pixels.
QPixmap canvas(QSize size);

// picture scaled to fit into logical size, keeping its proportions and its density.
QPixmap fitted(const QPixmap &picture, QSize size);

} // namespace Pictures
