// The single-instance check: the first copy of the program started by a user
// holds a local server; a later copy tells it to come to the front and ends.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

class QLocalServer;

class PreviousInstance : public QObject
{
    Q_OBJECT

public:
    // key names the meeting place; by default "22nroz" and the user id, in
    // XDG_RUNTIME_DIR (else the temporary folder).
    explicit PreviousInstance(const QString &key = defaultKey(), QObject *parent = nullptr);
    ~PreviousInstance() override;

    static QString defaultKey();

    // True for the first copy, which keeps listening for later copies. A later
    // copy asks the first to restore its window and gets false. The socket
    // file of a copy that ended without removing it is replaced only when
    // nothing answers on it, and copies started together take turns here.
    bool claim();

    // The window a later copy brings back: restored when minimised, else raised.
    void setWindow(QWidget *window) { m_window = window; }

    // Brings the window back; what a request of a later copy runs.
    void restoreWindow();

signals:
    void restoreRequested();

private:
    enum class Answer { Restoring, Busy, Nobody };
    // Asks a copy listening on the key to restore its window.
    Answer askFirstCopy() const;
    void onNewConnection();

    QString m_key;
    QLocalServer *m_server = nullptr;
    QPointer<QWidget> m_window;
};
