#include "widgets/TURL.h"

#include <QUrl>

TURL::TURL(QObject *parent) : QObject(parent)
{ }

QString TURL::prefix(LinkType type)
{
    switch (type) {
    case LinkType::WebPage:
        return QStringLiteral("http://");
    case LinkType::File:
        return QStringLiteral("file://");
    case LinkType::Ftp:
        return QStringLiteral("ftp://");
    case LinkType::Gopher:
        return QStringLiteral("gopher://");
    case LinkType::Https:
        return QStringLiteral("https://");
    case LinkType::Mailto:
        return QStringLiteral("mailto:");
    case LinkType::News:
        return QStringLiteral("news:");
    case LinkType::Telnet:
        return QStringLiteral("telnet:");
    case LinkType::Wais:
        return QStringLiteral("wais:");
    case LinkType::None:
        break;
    }
    return {};
}

bool TURL::execute()
{
    if (m_address.isEmpty())
        return false;
    const QUrl url(target());
    if (!url.isValid() || !m_shell.openUrl)
        return false;
    return m_shell.openUrl(url);
}
