// The maker's addresses, shown in the help and about windows.
#pragma once

#include <QString>

namespace MakerInfo {
inline QString webAddress()
{
    return QStringLiteral("www.zorn22.example");
}
inline QString networkPage()
{
    return QStringLiteral("www.zorn22.example/network");
}
inline QString mailAddress()
{
    return QStringLiteral("games@zorn22.example");
}
} // namespace MakerInfo
