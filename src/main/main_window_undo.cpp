// Undo and Redo of the changes to the user's files.
#include "main/main_window.h"

#include "data/entry_file.h"
#include "ui/file_guard.h"
#include "ui/secondary_screen.h"

#include <QAction>
#include <QFileInfo>

namespace numbrava {

void MainWindow::setupUndoActions() {
    journal_.activate();
    ui_.mnuUndo->setShortcut(QKeySequence::Undo);
    ui_.mnuRedo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    connect(ui_.mnuUndo, &QAction::triggered, this, [this] { undoOrRedo(true); });
    connect(ui_.mnuRedo, &QAction::triggered, this, [this] { undoOrRedo(false); });
    updateUndoActions();
}

void MainWindow::updateUndoActions() {
    // A file name may hold "&", which a menu would take for a shortcut mark.
    auto menuText = [](QString text) {
        return text.replace(QLatin1Char('&'), QStringLiteral("&&"));
    };
    ui_.mnuUndo->setText(menuText(journal_.undoText()));
    ui_.mnuRedo->setText(menuText(journal_.redoText()));
    ui_.mnuUndo->setEnabled(journal_.canUndo());
    ui_.mnuRedo->setEnabled(journal_.canRedo());
}

void MainWindow::undoOrRedo(bool undo) {
    if (journal_.stepOpen())
        return;
    const bool done =
        guardFileOperation(ctx_.dialogs, [&] { undo ? journal_.undo() : journal_.redo(); });
    if (done) {
        lookUpDraw();
        reloadShownEntries();
    }
    updateUndoActions();
}

void MainWindow::runAsStep(const std::function<void()>& action) {
    {
        const FileStep step(journal_);
        action();
    }
    updateUndoActions();
}

void MainWindow::reloadShownEntries() {
    const QString shown = ctx_.state.currentEntryFile;
    const EntryKind kind = entryKindOf(shown);
    if (shown.isEmpty() || kind == EntryKind::Dated)
        loadDatedEntryFile();
    else if (!QFileInfo(shown).isFile()) // an Undo took the file away
        showDatedEntries();
    else
        showFixedEntryFile(shown, /*hideEntriesDate=*/kind == EntryKind::Wheel);
}

} // namespace numbrava
