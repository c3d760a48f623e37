#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QUrl>

class QNetworkAccessManager;
class QNetworkReply;

namespace numbrava {

// The connection states a client reports, by the numbers the downloader's
// status texts use.
namespace HttpState {
constexpr int SendingRequest = 5;
constexpr int ReceivingResponse = 7;
constexpr int ResponseReceived = 8;
constexpr int Error = 11;
constexpr int Completed = 12;
} // namespace HttpState

// One HTTP GET at a time. It reports the states it can really observe: the
// request going out, the response headers arriving (ReceivingResponse), and
// the end: ResponseReceived then Completed when a whole response came back
// (an HTTP error status is a response too), Error when the connection failed,
// timed out or was aborted. Body bytes can be read as they arrive.
class HttpClient : public QObject {
    Q_OBJECT
  public:
    using QObject::QObject;

    // Starts a GET; a request still running is dropped first, unreported.
    virtual void get(const QUrl& url) = 0;
    // Ends the running request and reports Error.
    virtual void abort() = 0;
    // Of the current response: the status code (0 before the headers) and a
    // header (null when the response has none).
    virtual int statusCode() const = 0;
    virtual QByteArray header(const QByteArray& name) const = 0;
    // Body bytes that arrived and were not read yet, at most maxBytes.
    virtual QByteArray readBody(qint64 maxBytes) = 0;

  signals:
    void stateChanged(int state);
    void bodyArrived();
};

// The client on Qt's network access. A transfer that stays silent for
// quietTimeoutMs milliseconds ends with Error.
class QtHttpClient : public HttpClient {
    Q_OBJECT
  public:
    explicit QtHttpClient(int quietTimeoutMs = 30000);
    ~QtHttpClient() override;

    void get(const QUrl& url) override;
    void abort() override;
    int statusCode() const override;
    QByteArray header(const QByteArray& name) const override;
    QByteArray readBody(qint64 maxBytes) override;

  private:
    void dropReply();
    void onFinished();

    QNetworkAccessManager* manager_;
    QPointer<QNetworkReply> reply_;
    int quietTimeoutMs_;
    bool headersReported_ = false;
};

} // namespace numbrava
