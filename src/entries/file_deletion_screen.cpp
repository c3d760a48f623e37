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
    // A click makes the row current before it selects it: the file is shown
    // once it is chosen, not when it merely becomes current.
    connect(files_, &QListWidget::itemSelectionChanged, this, &FileDeletionScreen::viewandcreate);
}

void FileDeletionScreen::buildUi() {
    auto* help = new QLabel(QStringLiteral("Click on the file to view it. Use the Delete button if "
                                           "you want to delete the displayed file."));
    help->setObjectName(QStringLiteral("Label1"));
    help->setWordWrap(true);
    files_ = newFileList();
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
    Dialogs& dialogs = main_.context().dialogs;
    if (name.isEmpty()) {
        dialogs.message(QStringLiteral("You have not selected a file"));
        return;
    }
    QStringList lines;
    if (!guardFileOperation(dialogs, [&] {
            lines = viewEntryFile(main_.context().state.installFolder + QLatin1Char('/') + name);
        })) {
        refresh(); // the file may have gone since the list was made
        return;
    }
    contents_->addItems(lines);
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
    if (!dialogs.ask(entryFileDeletionQuestion()))
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
