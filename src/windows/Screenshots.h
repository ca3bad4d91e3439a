// Renders every side window of this folder to PNG files for the screenshot tool.
#pragma once

#include <QString>
#include <QStringList>

// Writes one "<window name>.png" per side window into dir (created if missing);
// answers the files written. Needs a QApplication; works on the offscreen platform.
QStringList renderSideWindows(const QString &dir);
