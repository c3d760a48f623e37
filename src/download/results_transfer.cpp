#include "download/results_transfer.h"

#include "data/draw_record.h"
#include "data/file_error.h"
#include "data/record_file.h"
#include "data/safe_file.h"
#include "ui/http_client.h"

#include <QEventLoop>
#include <QFile>
#include <QTimer>
#include <QUrl>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace numbrava {

namespace {
constexpr qint64 kPieceSize = 64 * 1024;
} // namespace

ResultsTransfer::ResultsTransfer(HttpClient& client, std::chrono::milliseconds deadline)
    : client_(client), deadline_(deadline) {}

qint64 ResultsTransfer::largestBody() {
    return static_cast<qint64>(kMaxRecords + 1) * kRecordSize;
}

TransferOutcome ResultsTransfer::run(const QString& url, const QString& targetPath) {
    writeFailure_.clear();
    targetPath_ = targetPath;
    // The target is a working file: made afresh, never written through a link.
    try {
        removeWorkingFile(targetPath);
    } catch (const FileError& error) {
        writeFailure_ = error.message();
        return TransferOutcome::Failed;
    }
    target_ = ::open(QFile::encodeName(targetPath).constData(),
                     O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (target_ < 0) {
        writeFailure_ = fileFailure(targetPath, "written", systemReason(errno)).message();
        return TransferOutcome::Failed;
    }
    ended_ = false;
    outcome_ = TransferOutcome::Failed;
    expected_ = -1;
    received_ = 0;

    QEventLoop loop;
    loop_ = &loop;
    stateConnection_ =
        connect(&client_, &HttpClient::stateChanged, this, &ResultsTransfer::onState);
    bodyConnection_ = connect(&client_, &HttpClient::bodyArrived, this, &ResultsTransfer::onBody);
    QTimer deadline;
    deadline.setSingleShot(true);
    connect(&deadline, &QTimer::timeout, this, [this] { end(TransferOutcome::Failed); });
    deadline.start(deadline_);

    client_.get(QUrl(url));
    if (!ended_)
        loop.exec();

    loop_ = nullptr;
    if (::close(target_) != 0 && outcome_ == TransferOutcome::Completed)
        failWriting(errno);
    target_ = -1;
    return outcome_;
}

void ResultsTransfer::cancel() {
    end(TransferOutcome::Cancelled);
}

void ResultsTransfer::onState(int state) {
    emit stateReported(state);
    if (state == HttpState::ReceivingResponse)
        onHeaders();
    else if (state == HttpState::Completed)
        onCompleted();
    else if (state == HttpState::Error || state > HttpState::Completed || state < 0)
        end(TransferOutcome::Failed);
}

void ResultsTransfer::onHeaders() {
    const int status = client_.statusCode();
    if (status < 200 || status > 299) {
        end(TransferOutcome::ErrorPage);
        return;
    }
    // Without a length (a chunked body) the end of the file cannot be told
    // from a broken connection.
    bool ok = false;
    expected_ = client_.header("Content-Length").trimmed().toLongLong(&ok);
    if (!ok || expected_ < 0 || expected_ > largestBody())
        end(TransferOutcome::Failed);
}

void ResultsTransfer::onBody() {
    if (ended_)
        return;
    for (QByteArray piece = client_.readBody(kPieceSize); !piece.isEmpty();
         piece = client_.readBody(kPieceSize)) {
        if (expected_ < 0 || received_ + piece.size() > expected_) {
            end(TransferOutcome::Failed);
            return;
        }
        if (const int error = writeAt(target_, received_, piece)) {
            failWriting(error);
            return;
        }
        received_ += piece.size();
    }
    if (expected_ > 0)
        emit progressed(static_cast<int>(received_ * 100 / expected_));
}

void ResultsTransfer::onCompleted() {
    onBody();
    if (ended_)
        return;
    if (received_ != expected_) {
        end(TransferOutcome::Failed);
        return;
    }
    // The file's bytes on the disk itself before it may replace a history.
    if (const int error = syncToDisk(target_)) {
        failWriting(error);
        return;
    }
    emit progressed(100);
    end(TransferOutcome::Completed);
}

void ResultsTransfer::failWriting(int error) {
    writeFailure_ = fileFailure(targetPath_, "written", systemReason(error)).message();
    end(TransferOutcome::Failed);
    outcome_ = TransferOutcome::Failed;
}

void ResultsTransfer::end(TransferOutcome outcome) {
    if (ended_)
        return;
    ended_ = true;
    outcome_ = outcome;
    // What the client reports after this (its error state for an abort) is
    // not this transfer's story any more.
    disconnect(stateConnection_);
    disconnect(bodyConnection_);
    client_.abort();
    if (loop_)
        loop_->quit();
}

} // namespace numbrava
