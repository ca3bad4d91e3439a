#include "host/HostListener.h"

#include "sock/Sock.h"

#include <QHostAddress>
#include <QLoggingCategory>

namespace {
Q_LOGGING_CATEGORY(lcListener, "lexiburst.host")
}

HostListener::HostListener(QObject *owner, AcceptHandler onAccept)
    : m_socket(new TSock(owner)), m_onAccept(std::move(onAccept))
{
    m_socket->setObjectName(QStringLiteral("Sock1"));
    m_socket->setAutoAccept(false);
    m_socket->OnAccept = [this](TSock *) {
        accept();
    };
}

HostListener::~HostListener()
{
    // The accepted sockets are its children and go with it.
    m_socket->OnAccept = nullptr;
    delete m_socket;
}

bool HostListener::listen(quint16 port, const QString &bindAddress)
{
    m_errorString.clear();
    m_systemError = 0;
    try {
        m_socket->setPortName(QString::number(port));
        m_socket->setListenAddress(bindAddress);
        m_socket->setListen(true);
    } catch (const ESockException &e) {
        m_errorString = e.message();
        m_systemError = e.systemError();
        m_socket->Close();
        return false;
    }
    if (!m_socket->Listen()) {
        m_errorString = QStringLiteral("Listen - Error Starting Listen");
        return false;
    }
    return true;
}

void HostListener::stop()
{
    try {
        m_socket->setListen(false);
    } catch (const ESockException &e) {
        qCWarning(lcListener) << e.message();
    }
}

bool HostListener::isListening() const
{
    return m_socket->Listen();
}

void HostListener::accept()
{
    TSock *incoming = nullptr;
    try {
        if (!m_socket->Accept(incoming) || !incoming)
            return; // nothing was obtained: no seat is taken
    } catch (const ESockException &e) {
        qCWarning(lcListener) << e.message();
        return;
    }
    m_onAccept(incoming, QHostAddress(incoming->HostName()).isLoopback());
}
