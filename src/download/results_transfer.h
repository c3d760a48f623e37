#pragma once

#include <QObject>
#include <chrono>

class QEventLoop;

namespace numbrava {

class HttpClient;

enum class TransferOutcome {
    Completed, // the whole file arrived
    ErrorPage, // the server answered with an HTTP error status
    Failed,    // connection error, time-out, unusable or broken response, write error
    Cancelled,
};

// Fetches one results file into a file of its own (never the history
// itself) and waits for the end while the interface keeps running, so
// Cancel works. A response must say its length, which must fit a history;
// a body that ends short of it or runs past it fails.
class ResultsTransfer : public QObject {
    Q_OBJECT
  public:
    ResultsTransfer(HttpClient& client, std::chrono::milliseconds deadline);

    TransferOutcome run(const QString& url, const QString& targetPath);
    void cancel();
    bool running() const { return loop_ != nullptr; }
    // Why the last run failed when the file was at fault, naming the file and
    // the system's reason; empty otherwise.
    const QString& writeFailure() const { return writeFailure_; }

    // The largest body that can be a history: every record a history can count, and one more.
    static qint64 largestBody();

  signals:
    void stateReported(int state);
    void progressed(int percent);

  private:
    void onState(int state);
    void onHeaders();
    void onBody();
    void onCompleted();
    void end(TransferOutcome outcome);
    void failWriting(int error);

    HttpClient& client_;
    QMetaObject::Connection stateConnection_;
    QMetaObject::Connection bodyConnection_;
    std::chrono::milliseconds deadline_;
    QString targetPath_;
    int target_ = -1;
    QString writeFailure_;
    QEventLoop* loop_ = nullptr;
    TransferOutcome outcome_ = TransferOutcome::Failed;
    bool ended_ = true;
    qint64 expected_ = -1;
    qint64 received_ = 0;
};

} // namespace numbrava
