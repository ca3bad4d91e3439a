// Renders every side window of this folder to PNG files for the screenshot tool.
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// Writes one "<window name>.png" per side window into dir (created if missing);
// answers the files written. Needs a QApplication; works on the offscreen platform.
QStringList renderSideWindows(const QString &dir);

// How windows are grabbed: by default each window alone, as Qt paints it; when
// framed, each window is shown on screen and read back from the screen with
// the frame the window manager drew around it (a run under a window manager).
void setFramedGrabs(bool framed);
// Saves window to path as setFramedGrabs() says; false when it cannot be written.
bool grabWindowTo(QWidget &window, const QString &path);
