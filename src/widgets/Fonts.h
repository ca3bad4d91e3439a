// Fonts of the window designs. The designs name Windows faces; we map them to
// the faces a desktop has (a sans face for "MS Sans Serif" and "Arial", a serif
// face for "Times New Roman") and keep the designed pixel sizes.
#pragma once

#include <QFont>
#include <QSize>
#include <QString>

enum class FontFace { Sans, Serif };

QFont uiFont(int pixelSize, bool bold = false, FontFace face = FontFace::Sans);

// The largest pixel size not above font's own that fits text into width pixels
// on one line; never below minimumPixelSize. Fixed-size designs use it so a
// wider desktop face does not clip a caption.
QFont fittedFont(const QFont &font, const QString &text, int width, int minimumPixelSize = 9);

// The same for word-wrapped text that must fit into a box of size pixels.
QFont fittedWrappedFont(const QFont &font, const QString &text, QSize size,
                        int minimumPixelSize = 9);
