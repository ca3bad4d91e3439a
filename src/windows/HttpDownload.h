// Fetches one document over HTTP into a stream while the event loop keeps
// running. Sends the lobby site's fixed request headers, follows relocations,
// and ends every request with one finished() signal, delivered from the event
// loop (never from inside get() or abort()).
#pragma once

#include <QNetworkAccessManager>
#include <QObject>
#include <QPointer>
#include <QUrl>

class QIODevice;
class QNetworkReply;

class HttpDownload : public QObject
{
    Q_OBJECT
public:
    static constexpr char Agent[] = "Mozilla/3.0 (compatible)";
    static constexpr char Accept[] = "image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, */*";
    // Status and reason of a request that did not reach an HTTP answer.
    static constexpr int FailureStatus = 404;
    static constexpr char AbortReason[] = "Connection aborted on request";

    explicit HttpDownload(QObject *parent = nullptr);
    ~HttpDownload() override;

    bool isRunning() const { return m_reply != nullptr; }
    // Body bytes written to the stream in the current (or last) request.
    qint64 documentBytes() const { return m_documentBytes; }

    // Starts a GET of url writing the body into receiveStream, which must stay
    // open until finished(). Ignored while a request runs.
    void get(const QUrl &url, QIODevice *receiveStream);
    // Ends the running request; it finishes as failed with AbortReason.
    void abort();

signals:
    // One header line of an answer arrived.
    void headerData(const QByteArray &name, const QByteArray &value);
    // The body of the final answer begins.
    void docBegin();
    // A piece of body was written; documentBytes() is up to date.
    void docData();
    // The request is over. ok: a complete answer with a status below 400 was
    // written. Otherwise status is the HTTP status of 400 or more, or
    // FailureStatus for network failures, with the reason text.
    void finished(bool ok, int status, const QString &reason);

private:
    void onMetaData();
    void onReadyRead();
    void onFinished();
    int statusCode() const;

    QNetworkAccessManager m_manager;
    QNetworkReply *m_reply = nullptr;
    QPointer<QIODevice> m_stream;
    qint64 m_documentBytes = 0;
    bool m_headersReported = false;
    bool m_bodyBegun = false;
    bool m_aborted = false;
    QString m_writeError;
};
