#include "entries/file_deletion_screen.h"

#include "entries/entry_file_deletion.h"
#include "entries/file_browser_parts.h"
#include "ui/file_guard.h"
#include "ui/main_view.h"
#include "ui/screen_parts.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace numbrava {

namespace {
const QString kPattern = QStringLiteral("*.lot");
} // namespace

FileDeletionScreen::FileDeletionScreen(MainView& mainWindow)
    : SecondaryScreen(mainWindow.asWidget()), main_(mainWindow) {
    setObjectName(QStringLiteral("Form8"));
    setWindowTitle(QStringLiteral("File Deletion"));
    buildUi();
    refresh();
    onFileChosen(files_, this, [this] { viewandcreate(); });
}

void FileDeletionScreen::buildUi() {
    auto* help = new QLabel(QStringLiteral("Click on the file to view it. Use the Delete button if "
                                           "you want to delete the displayed file."));
    help->setObjectName(QStringLiteral("Label1"));
    help->setWordWrap(true);
    files_ = newFileList();
    help->setBuddy(files_); // the list's name for screen readers
    contents_ = newContentsList();
    contents_->setToolTip(QStringLiteral("List of your selections for the draw."));

    auto* deleteButton = namedButton("Command3", QStringLiteral("Delete"));
    deleteButton->setToolTip(QStringLiteral("Use this to delete the selected file."));
    auto* closeButton = namedButton("Command1", QStringLiteral("Close"));
    closeButton->setToolTip(QStringLiteral("Closes the file deletion form."));
    connect(deleteButton, &QPushButton::clicked, this, &FileDeletionScreen::deleteChosenFile);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);

    auto* grid = new QGridLayout;
    grid->addWidget(newContentsLabel(contents_), 0, 1);
    grid->addWidget(files_, 1, 0);
    grid->addWidget(contents_, 1, 1);
    grid->setColumnStretch(0, 2);
    grid->setColumnStretch(1, 3);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(help);
    layout->addLayout(grid, 1);
    layout->addLayout(buttonRow({deleteButton, closeButton}));
    resize(520, 380);
}

void FileDeletionScreen::refresh() {
    // Each game's screen lists its own entry files only; the games of
    // 2002-2005 keep listing every entry file but today's games' own.
    const GameCode game = main_.gameOfOptions();
    refreshFileList(files_, main_.context().state.installFolder, kPattern,
                    [game](const QString& name) { return isEntryFileOfGame(game, name); });
}

void FileDeletionScreen::viewandcreate() {
    contents_->clear();
    const QString name = chosenFileName(files_);
    if (name.isEmpty())
        return; // the choice was taken back
    Dialogs& dialogs = main_.context().dialogs;
    QStringList lines;
    if (!guardFileOperation(dialogs, [&] {
            lines = viewEntryFile(main_.context().state.installFolder + QLatin1Char('/') + name);
        })) {
        refresh(); // the file may have gone since the list was made
        return;
    }
    showContents(contents_, lines);
}

void FileDeletionScreen::deleteChosenFile() {
    const AppState& state = main_.context().state;
    Dialogs& dialogs = main_.context().dialogs;
    const QString name = chosenFileName(files_);
    if (const auto refusal =
            entryFileDeletionRefusal(state.installFolder, name, state.currentEntryFile)) {
        dialogs.message(*refusal);
        return;
    }
    if (!dialogs.askAbout(entryFileDeletionQuestion(), name))
        return;
    guardFileOperation(dialogs,
                       [&] { deleteEntryFile(state.installFolder + QLatin1Char('/') + name); });
    {
        const QSignalBlocker quiet(files_);
        files_->setCurrentRow(-1);
    }
    refresh();
    contents_->clear();
}

} // namespace numbrava
