// What the windows ask of the desktop: open a document or address with its
// default application, or start a program. Windows hold a copy and tests swap
// in functions that record the request and answer as they like.
#pragma once

#include <QString>
#include <QUrl>

#include <functional>

struct DesktopShell
{
    // Opens url with the desktop's default action; answers whether it was accepted.
    std::function<bool(const QUrl &url)> openUrl;
    // Starts program detached, without arguments; answers whether it started.
    std::function<bool(const QString &program)> startProgram;

    // The real desktop (QDesktopServices and QProcess).
    static DesktopShell system();
};
