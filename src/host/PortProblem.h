// What a player reads when the host cannot open its port: the cause in plain
// words and the way out.
#pragma once

#include <QString>

// systemError is the errno of the refused call (0 when unknown); fallback is
// the socket's own message, used when the system gave no reason.
QString portProblem(quint16 port, int systemError, const QString &fallback = QString());
