#include "ui/http_client.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace numbrava {

namespace {
// Qt's error codes from 200 to 299 and from 400 to 499 stand for an HTTP
// status the server sent: the response itself came back whole.
bool isHttpStatusError(QNetworkReply::NetworkError error) {
    const int code = static_cast<int>(error);
    return (code >= 200 && code < 300) || (code >= 400 && code < 500);
}
} // namespace

QtHttpClient::QtHttpClient(int quietTimeoutMs)
    : manager_(new QNetworkAccessManager(this)), quietTimeoutMs_(quietTimeoutMs) {}

QtHttpClient::~QtHttpClient() {
    dropReply();
}

void QtHttpClient::get(const QUrl& url) {
    dropReply();
    headersReported_ = false;
    QNetworkRequest request(url);
    request.setTransferTimeout(quietTimeoutMs_);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);
    // The body as the server stores it, so its length is the one announced.
    request.setRawHeader("Accept-Encoding", "identity");
    QNetworkReply* reply = manager_->get(request);
    reply_ = reply;
    connect(reply, &QNetworkReply::metaDataChanged, this, [this] {
        // A redirection is followed: the response is the one it leads to.
        const int status = statusCode();
        if (headersReported_ || (status >= 300 && status < 400))
            return;
        headersReported_ = true;
        emit stateChanged(HttpState::ReceivingResponse);
    });
    connect(reply, &QNetworkReply::readyRead, this, &HttpClient::bodyArrived);
    connect(reply, &QNetworkReply::finished, this, &QtHttpClient::onFinished);
    emit stateChanged(HttpState::SendingRequest);
}

void QtHttpClient::abort() {
    if (!reply_ || !reply_->isRunning())
        return;
    dropReply();
    emit stateChanged(HttpState::Error);
}

int QtHttpClient::statusCode() const {
    return reply_ ? reply_->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() : 0;
}

QByteArray QtHttpClient::header(const QByteArray& name) const {
    return reply_ && reply_->hasRawHeader(name) ? reply_->rawHeader(name) : QByteArray();
}

QByteArray QtHttpClient::readBody(qint64 maxBytes) {
    return reply_ ? reply_->read(maxBytes) : QByteArray();
}

void QtHttpClient::dropReply() {
    if (!reply_)
        return;
    QNetworkReply* old = reply_;
    reply_ = nullptr;
    old->disconnect(this);
    // Deleting a reply ends its transfer. QNetworkReply::abort() would end it
    // a second time when the reply's own error (an HTTP error status, a
    // dropped line) is already on its way from the network thread.
    old->deleteLater();
}

void QtHttpClient::onFinished() {
    if (!reply_)
        return;
    const QNetworkReply::NetworkError error = reply_->error();
    if (error == QNetworkReply::NoError || isHttpStatusError(error)) {
        emit stateChanged(HttpState::ResponseReceived);
        emit stateChanged(HttpState::Completed);
    } else {
        emit stateChanged(HttpState::Error);
    }
}

} // namespace numbrava
