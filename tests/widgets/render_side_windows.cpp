// Writes PNG pictures of the side windows into the folder given as argument.
#include "windows/Screenshots.h"

#include <QApplication>
#include <QTextStream>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    const QString dir = args.size() > 1 ? args.at(1) : QStringLiteral("screenshots");
    const QStringList written = renderSideWindows(dir);
    QTextStream out(stdout);
    for (const QString &file : written)
        out << file << '\n';
    return written.isEmpty() ? 1 : 0;
}
