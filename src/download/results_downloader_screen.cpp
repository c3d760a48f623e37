#include "download/results_downloader_screen.h"

#include "data/draw_history_file.h"
#include "data/file_error.h"
#include "download/download_files.h"
#include "download/download_services.h"
#include "download/downloaded_history.h"
#include "download/inet_states.h"
#include "download/results_transfer.h"
#include "ui/close_during_run.h"
#include "ui/file_guard.h"
#include "ui/main_view.h"
#include "ui/screen_parts.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QVBoxLayout>
#include <algorithm>

namespace numbrava {

namespace {
template <typename W> W* named(W* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QGroupBox* frame(const char* name, const QString& caption, QWidget* content) {
    auto* box = named(new QGroupBox(caption), name);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(content);
    return box;
}
} // namespace

ResultsDownloaderScreen::ResultsDownloaderScreen(MainView& mainWindow, DownloadServices& services)
    : SecondaryScreen(mainWindow.asWidget()), main_(mainWindow), services_(services),
      transfer_(new ResultsTransfer(services.http, services.transferDeadline)) {
    transfer_->setParent(this);
    setObjectName(QStringLiteral("RDL"));
    setWindowTitle(QStringLiteral("Results Downloader"));
    buildUi();
    connect(transfer_, &ResultsTransfer::stateReported, this, &ResultsDownloaderScreen::showState);
    connect(transfer_, &ResultsTransfer::progressed, progress_, &QProgressBar::setValue);
    setRunning(false);
}

void ResultsDownloaderScreen::buildUi() {
    auto* menuBar = new QMenuBar;
    QMenu* checkMenu = menuBar->addMenu(QStringLiteral("Check Before Overwriting"));
    checkMenu->menuAction()->setObjectName(QStringLiteral("mnuCBO"));
    auto* choice = new QActionGroup(this);
    askFirst_ = named(checkMenu->addAction(QStringLiteral("Yes")), "mnuYes");
    QAction* replaceAtOnce = named(checkMenu->addAction(QStringLiteral("No")), "mnuNo");
    for (QAction* item : {askFirst_, replaceAtOnce}) {
        item->setCheckable(true);
        choice->addAction(item);
    }
    askFirst_->setChecked(true);

    auto* games = named(new QGroupBox(QStringLiteral("Select/Deselect Result(s) To Be Downloaded")),
                        "Frame3");
    auto* gamesLayout = new QVBoxLayout(games);
    for (size_t i = 0; i < gameBoxes_.size(); ++i) {
        const GameCode game = allGames()[i];
        auto* box = new QCheckBox(gameInfo(game).name);
        box->setObjectName(QStringLiteral("Check%1").arg(i + 1));
        // Today's games are fetched only when the player ticks them.
        box->setChecked(!isTodaysGame(game));
        gamesLayout->addWidget(box);
        gameBoxes_[i] = box;
    }

    hangUpBox_ = named(new QCheckBox(QStringLiteral("Disconnect Dial Modem when done")), "Check8");
    hangUpBox_->setVisible(services_.dialup.available());

    downloadingText_ = named(new QLineEdit, "Text1");
    downloadingText_->setReadOnly(true);
    downloadingText_->setFocusPolicy(Qt::NoFocus);
    progress_ = named(new QProgressBar, "ProgressBar1");
    progress_->setRange(0, 100);
    progress_->setValue(0);
    status_ = named(new QLabel, "Label1");
    status_->setWordWrap(true);
    status_->setMinimumHeight(status_->fontMetrics().height() * 2);
    status_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    downloadButton_ = namedButton("Command1", QStringLiteral("Download Results"));
    cancelButton_ = namedButton("Command2", QStringLiteral("Cancel"));
    closeButton_ = namedButton("Command3", QStringLiteral("Close"));
    downloadButton_->setDefault(true);
    connect(downloadButton_, &QPushButton::clicked, this,
            &ResultsDownloaderScreen::downloadResults);
    connect(cancelButton_, &QPushButton::clicked, transfer_, &ResultsTransfer::cancel);
    connect(closeButton_, &QPushButton::clicked, this, &QWidget::close);

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menuBar);
    layout->addWidget(games);
    layout->addWidget(hangUpBox_);
    layout->addWidget(frame("Frame1", QStringLiteral("Downloading"), downloadingText_));
    layout->addWidget(frame("Frame4", QStringLiteral("Progress"), progress_));
    layout->addWidget(frame("Frame2", QStringLiteral("Status"), status_));
    layout->addLayout(buttonRow({downloadButton_, cancelButton_, closeButton_}));
    setMinimumWidth(460);
}

void ResultsDownloaderScreen::closeEvent(QCloseEvent* event) {
    if (putOffCloseDuringRun(event, running_, closeAfterRun_, stopRequested_)) {
        transfer_->cancel();
        return;
    }
    SecondaryScreen::closeEvent(event);
}

void ResultsDownloaderScreen::endRun() {
    setRunning(false);
    if (closeAfterRun_)
        close();
}

void ResultsDownloaderScreen::setRunning(bool running) {
    running_ = running;
    downloadButton_->setEnabled(!running);
    closeButton_->setEnabled(!running);
    cancelButton_->setEnabled(running);
}

void ResultsDownloaderScreen::showState(int state) {
    status_->setText(describeInetState(state));
}

void ResultsDownloaderScreen::downloadResults() {
    stopRequested_ = false;
    setRunning(true);
    if (std::none_of(gameBoxes_.begin(), gameBoxes_.end(),
                     [](const QCheckBox* box) { return box->isChecked(); })) {
        main_.context().dialogs.message(QStringLiteral("Nothing selected for download!"));
        setRunning(false);
        return;
    }
    const DialupService::Connection connection = services_.dialup.attemptConnect();
    if (!connection.connected) {
        if (connection.usable) {
            status_->setText(QStringLiteral(
                "Download Failed or Was Cancelled. Results may not have been updated."));
            setRunning(false);
            return;
        }
        // No service to ask: the machine may still reach the server.
        hangUpBox_->hide();
    }
    bool failureNoted = false;
    for (size_t i = 0; i < gameBoxes_.size(); ++i)
        if (gameBoxes_[i]->isChecked() &&
            (stopRequested_ || !downloadAndReport(allGames()[i], failureNoted))) {
            endRun();
            return;
        }
    finishRun(failureNoted);
}

bool ResultsDownloaderScreen::downloadAndReport(GameCode game, bool& failureNoted) {
    const QString& name = gameInfo(game).name;
    // A failed game asks whether to go on; a No (or a close) ends the run.
    auto goOnAfter = [&](const QString& failure, const QString& stopText) {
        failureNoted = true;
        if (!stopRequested_ &&
            main_.context().dialogs.ask(
                failure + name +
                QStringLiteral(" Do you want to continue downloading the other results?")))
            return true;
        status_->setText(stopText);
        return false;
    };
    switch (downloadGame(game)) {
    case GameOutcome::Kept:
        return true;
    case GameOutcome::Declined:
        status_->setText(QStringLiteral("You cancelled the update for ") + name);
        return true;
    case GameOutcome::Failed:
        return goOnAfter(
            QStringLiteral("The download failed or was cancelled for "),
            QStringLiteral(
                "Download Failed or Was Cancelled. Some results may not have been updated."));
    case GameOutcome::Corrupt:
        return goOnAfter(
            QStringLiteral("The download was corrupt for "),
            QStringLiteral("Download Failed. Some results may not have been updated."));
    }
    return true;
}

ResultsDownloaderScreen::GameOutcome ResultsDownloaderScreen::downloadGame(GameCode game) {
    Dialogs& dialogs = main_.context().dialogs;
    const QString folder = main_.context().state.installFolder;
    const int localCount = localDrawCount(historyFilePath(folder, game));
    progress_->setValue(0);
    if (!guardFileOperation(dialogs, [&] { backUpHistory(folder, game); }))
        return GameOutcome::Failed;

    downloadingText_->setText(QStringLiteral("Downloading ") + gameInfo(game).name);
    const TransferOutcome transfer = transfer_->run(resultsFileUrl(services_.resultsServer, game),
                                                    downloadedFilePath(folder, game));
    GameOutcome outcome = GameOutcome::Failed;
    if (!transfer_->writeFailure().isEmpty())
        dialogs.message(transfer_->writeFailure());
    if (transfer == TransferOutcome::Completed)
        outcome = judgeDownload(game, localCount);
    else if (transfer == TransferOutcome::ErrorPage)
        outcome = GameOutcome::Corrupt; // an error page is no history
    if (!guardFileOperation(dialogs,
                            [&] { settleDownload(folder, game, outcome == GameOutcome::Kept); }))
        return GameOutcome::Failed;
    return outcome;
}

ResultsDownloaderScreen::GameOutcome ResultsDownloaderScreen::judgeDownload(GameCode game,
                                                                            int localCount) {
    const QString folder = main_.context().state.installFolder;
    const DownloadedHistory downloaded = inspectDownloadedHistory(
        downloadedFilePath(folder, game), game, main_.context().clock.today());
    if (downloaded.corrupt)
        return GameOutcome::Corrupt;
    if (!askFirst_->isChecked())
        return GameOutcome::Kept;
    return main_.context().dialogs.ask(replaceQuestion(game, localCount, downloaded))
               ? GameOutcome::Kept
               : GameOutcome::Declined;
}

void ResultsDownloaderScreen::finishRun(bool failureNoted) {
    Dialogs& dialogs = main_.context().dialogs;
    bool hangUp = false;
    if (failureNoted) {
        status_->setText(QStringLiteral("Some Selected Results Failed to Download."));
        hangUp = hangUpBox_->isChecked() &&
                 dialogs.ask(QStringLiteral("Would you still like to disconnect the modem?"));
    } else {
        status_->setText(QStringLiteral("All Selected Results Downloaded Successfully."));
        hangUp = hangUpBox_->isChecked() && !hangUpBox_->isHidden();
    }
    if (hangUp && !services_.dialup.hangUp())
        dialogs.message(QStringLiteral("Cannot auto disconnect. Please disconnect manually"));
    endRun();
}

} // namespace numbrava
