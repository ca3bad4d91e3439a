// The host's listening socket: opens the game port and hands every accepted
// connection on with whether it comes from this machine.
#pragma once

#include <QString>

#include <functional>

class QObject;
class TSock;

class HostListener
{
public:
    using AcceptHandler = std::function<void(TSock *socket, bool fromThisMachine)>;

    HostListener(QObject *owner, AcceptHandler onAccept);
    ~HostListener();
    HostListener(const HostListener &) = delete;
    HostListener &operator=(const HostListener &) = delete;

    // False, with errorString() set to the socket's message (e.g. "Listen -
    // Error Binding Socket") and systemError() to its errno, when it fails.
    bool listen(quint16 port, const QString &bindAddress);
    void stop();
    bool isListening() const;
    QString errorString() const { return m_errorString; }
    int systemError() const { return m_systemError; }

private:
    void accept();

    TSock *m_socket;
    AcceptHandler m_onAccept;
    QString m_errorString;
    int m_systemError = 0;
};
