#include "windows/HttpDownload.h"

#include <QIODevice>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace {
// Gives up on a server that sends nothing for this long.
constexpr int TransferTimeoutMs = 30000;
constexpr int MaxRedirects = 10;
constexpr int FirstErrorStatus = 400;
} // namespace

HttpDownload::HttpDownload(QObject *parent) : QObject(parent)
{
    m_manager.setProxy(QNetworkProxy::NoProxy);
    m_manager.setRedirectPolicy(QNetworkRequest::NoLessSafeRedirectPolicy);
}

HttpDownload::~HttpDownload()
{
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
        delete m_reply;
    }
}

void HttpDownload::get(const QUrl &url, QIODevice *receiveStream)
{
    if (m_reply)
        return;
    m_stream = receiveStream;
    m_documentBytes = 0;
    m_headersReported = false;
    m_bodyBegun = false;
    m_aborted = false;
    m_writeError.clear();

    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::UserAgentHeader, QByteArray(Agent));
    request.setRawHeader("Accept", Accept);
    // Caches may answer: no "Pragma: no-cache" is sent.
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::PreferNetwork);
    request.setMaximumRedirectsAllowed(MaxRedirects);
    request.setTransferTimeout(TransferTimeoutMs);

    m_reply = m_manager.get(request);
    connect(m_reply, &QNetworkReply::metaDataChanged, this, &HttpDownload::onMetaData);
    connect(m_reply, &QNetworkReply::redirected, this, [this] { m_headersReported = false; });
    connect(m_reply, &QIODevice::readyRead, this, &HttpDownload::onReadyRead);
    connect(m_reply, &QNetworkReply::finished, this, &HttpDownload::onFinished);
}

void HttpDownload::abort()
{
    if (!m_reply)
        return;
    m_aborted = true;
    m_reply->abort();
}

int HttpDownload::statusCode() const
{
    return m_reply ? m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() : 0;
}

void HttpDownload::onMetaData()
{
    if (m_headersReported || m_reply->rawHeaderPairs().isEmpty())
        return;
    m_headersReported = true;
    for (const auto &[name, value] : m_reply->rawHeaderPairs())
        emit headerData(name, value);
}

void HttpDownload::onReadyRead()
{
    const QByteArray piece = m_reply->readAll();
    // An error page is not the document: nothing of it goes into the stream.
    if (statusCode() >= FirstErrorStatus || !m_writeError.isEmpty())
        return;
    if (!m_bodyBegun) {
        m_bodyBegun = true;
        emit docBegin();
    }
    if (!m_stream || m_stream->write(piece) != piece.size()) {
        m_writeError = m_stream ? m_stream->errorString() : QStringLiteral("no stream");
        m_reply->abort();
        return;
    }
    m_documentBytes += piece.size();
    emit docData();
}

void HttpDownload::onFinished()
{
    if (m_reply->bytesAvailable() > 0)
        onReadyRead();
    const int status = statusCode();
    bool ok = false;
    int reportedStatus = FailureStatus;
    QString reason;
    if (m_aborted) {
        reason = QString::fromLatin1(AbortReason);
    } else if (!m_writeError.isEmpty()) {
        reason = QStringLiteral("can't write: ") + m_writeError;
    } else if (status >= FirstErrorStatus) {
        reportedStatus = status;
        reason = m_reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();
    } else if (m_reply->error() != QNetworkReply::NoError) {
        reason = m_reply->errorString();
    } else {
        ok = true;
        reportedStatus = status;
    }
    m_reply->disconnect(this);
    m_reply->deleteLater();
    m_reply = nullptr;
    m_stream = nullptr;
    // Callers may start the next request from their handler; let this one unwind first.
    QMetaObject::invokeMethod(
        this, [this, ok, reportedStatus, reason] { emit finished(ok, reportedStatus, reason); },
        Qt::QueuedConnection);
}
