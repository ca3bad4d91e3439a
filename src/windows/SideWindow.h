// Shared set-up of the side windows: fixed client size, the designed
// background colour, and the tiled background picture of the game.
#pragma once

#include <QColor>
#include <QPixmap>
#include <QSize>
#include <QString>

class QWidget;
class QLabel;
class QFont;
class QRect;
class TFlatPanel;

namespace SideWindow {

// The background colour most side windows share (stored value 12513772).
QColor defaultBackgroundColor();

// The game's tile for every window background; null when the picture is not
// linked into the program (the windows then show their plain colour).
QPixmap backgroundPicture();

// Caption, fixed client size and background colour of a side window.
void setupFixed(QWidget *window, const QString &caption, QSize clientSize,
                const QColor &background);

// Window managers cut a title that does not fit the frame's title bar. A
// fixed window too narrow for its title grows to fit it, its content kept in
// the middle; call it once the window's children are placed.
void fitTitle(QWidget *window);

// A label at a designed place; size -1 keeps the label's own size hint.
QLabel *placeLabel(QWidget *parent, const char *name, const QString &text, const QFont &font,
                   const QColor &color, int left, int top, int width = -1, int height = -1);

// A label filling place with its text aligned; a wrapped text gets the largest
// font size (down from font's) at which it fits the place.
QLabel *placeTextLabel(QWidget *parent, const char *name, const QString &text, const QRect &place,
                       const QFont &font, const QColor &color, Qt::Alignment alignment,
                       bool wrap = false);

// A white flat panel with the side windows' frame colour at a designed place.
TFlatPanel *placePanel(QWidget *parent, const char *name, const QRect &place);

// Moves window to the centre of the available area of the screen it is on.
void centreOnScreen(QWidget *window);

// Moves window so that its centre lies on the centre of anchor's frame.
void centreOver(QWidget *window, const QWidget *anchor);

} // namespace SideWindow
