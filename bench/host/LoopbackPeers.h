// What the host benches share: a bounded wait, a player on a loopback socket
// and a lexiburst-host process on a free port, with its peak memory.
#pragma once

#include "TestPorts.h"
#include "protocol/Framing.h"
#include "protocol/Messages.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>

#include <functional>

template<typename Condition>
bool waitFor(Condition condition, int boundMs = 20000)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition() && timer.elapsed() < boundMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return condition();
}

// Peak resident memory of a running process in MiB; -1 once it is gone.
inline double peakMiB(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return -1;
}

// A player on a loopback connection that signs in and hands on what it reads.
class Peer
{
public:
    Peer(const QString &name, quint16 port) : m_name(name)
    {
        QObject::connect(&socket, &QTcpSocket::readyRead, [this] {
            if (!reading)
                return;
            for (const QByteArray &m : m_splitter.feed(socket.readAll())) {
                if (m.startsWith("CMD_sendlogininfo+")) {
                    seat = m.mid(18).toInt();
                    socket.write(Protocol::Msg::logininfo(
                        seat, QString::fromLatin1(Protocol::Version), m_name));
                } else if (onMessage) {
                    onMessage(m);
                }
            }
        });
        socket.connectToHost(QHostAddress::LocalHost, port);
    }

    void stopReading()
    {
        reading = false;
        socket.setReadBufferSize(1);
    }

    QTcpSocket socket;
    int seat = 0;
    bool reading = true;
    std::function<void(const QByteArray &)> onMessage;

private:
    QString m_name;
    Protocol::FrameSplitter m_splitter;
};

// A lexiburst-host process on its own port.
class HostProcess
{
public:
    explicit HostProcess(const QString &program) : port(freePort())
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("LEXIBURST_HOME"), m_home.path());
        m_process.setProcessEnvironment(environment);
        QObject::connect(&m_process, &QProcess::readyReadStandardError,
                         [this] { log += m_process.readAllStandardError(); });
        m_process.start(program, {QStringLiteral("--port"), QString::number(port)});
        waitFor([this] { return log.contains("listening on port"); });
    }

    ~HostProcess()
    {
        m_process.terminate();
        m_process.waitForFinished(5000);
    }

    double peakMiB() const { return ::peakMiB(m_process.processId()); }

    quint16 port;
    QByteArray log;

private:
    QTemporaryDir m_home;
    QProcess m_process;
};
