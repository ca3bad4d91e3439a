// A link component: an address and its link type. Opening it joins the type's
// prefix with the address and hands the result to the desktop.
#pragma once

#include "widgets/DesktopShell.h"

#include <QObject>
#include <QString>

class TURL : public QObject
{
    Q_OBJECT
public:
    enum class LinkType { WebPage, File, Ftp, Gopher, Https, Mailto, News, Telnet, Wais, None };
    Q_ENUM(LinkType)

    explicit TURL(QObject *parent = nullptr);

    QString address() const { return m_address; }
    void setAddress(const QString &address) { m_address = address; }
    LinkType linkType() const { return m_type; }
    void setLinkType(LinkType type) { m_type = type; }

    static QString prefix(LinkType type);
    // The text handed to the desktop: prefix and address joined.
    QString target() const { return prefix(m_type) + m_address; }

    // Opens the link; answers whether the desktop accepted it. An empty
    // address does nothing. Failures are not shown to the user.
    bool execute();

    void setShell(const DesktopShell &shell) { m_shell = shell; }

private:
    QString m_address;
    LinkType m_type = LinkType::WebPage;
    DesktopShell m_shell = DesktopShell::system();
};
