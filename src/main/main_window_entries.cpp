// Adding, editing and deleting entry lines.
#include "main/main_window.h"

#include "data/dates.h"
#include "data/entry_file.h"
#include "data/file_error.h"
#include "data/number_text.h"
#include "entries/add_entries_screen.h"
#include "entries/edit_entry_screen.h"
#include "entries/entry_texts.h"
#include "entries/line_deletion.h"
#include "ui/busy_cursor.h"
#include "ui/date_picker.h"
#include "ui/file_guard.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <algorithm>
#include <optional>
#include <vector>

namespace numbrava {

namespace {

// The selection of the n items the count box speaks of (never past the list).
std::vector<bool> shownSelection(Form1Controls& ui) {
    const double shown = roundHalfEven(leadingNumber(ui.Text2->text()));
    const int n = static_cast<int>(qBound(0.0, shown, static_cast<double>(ui.List1->count())));
    std::vector<bool> selected(static_cast<size_t>(n));
    // One pass over the selection: asking each item costs a pass over the
    // selection per item when thousands of lines were picked one by one.
    for (const QModelIndex& index : ui.List1->selectionModel()->selectedIndexes())
        if (index.row() < n)
            selected[static_cast<size_t>(index.row())] = true;
    return selected;
}

int countSelected(const std::vector<bool>& selected) {
    return static_cast<int>(std::count(selected.begin(), selected.end(), true));
}

bool noLinesShown(Form1Controls& ui) {
    return leadingNumber(ui.Text2->text()) == 0;
}

bool isWheelEntry(const AppState& state) {
    return entryKindOf(state.currentEntryFile) == EntryKind::Wheel;
}

void openAddEntries(MainWindow& main) {
    AppContext& ctx = main.context();
    const EntryKind kind = entryKindOf(ctx.state.currentEntryFile);
    const QDate date = main.controls().DTPicker2->value();
    if (kind == EntryKind::Dated && !isDrawDay(ctx.state.selectedGame, date) &&
        !ctx.dialogs.ask(entriesNotDrawDayQuestion(ctx.state.selectedGame, date)))
        return;
    if (kind == EntryKind::Wheel && !ctx.dialogs.ask(wheelModifyQuestion()))
        return;
    main.openSecondary(
        new AddEntriesScreen(main, addScreenCaption(kind, ctx.state.selectedGame, date)));
}

// The refusals Edit and Delete share, in their order: no lines shown, the
// wheel question, nothing selected. Returns the selection when they pass.
struct SelectionRefusals {
    QString noLines;
    QString wheelQuestion;
    QString noneSelected;
};

std::optional<std::vector<bool>> selectionToChange(MainWindow& main,
                                                   const SelectionRefusals& refusals) {
    AppContext& ctx = main.context();
    Form1Controls& ui = main.controls();
    if (noLinesShown(ui)) {
        ctx.dialogs.message(refusals.noLines);
        return std::nullopt;
    }
    if (isWheelEntry(ctx.state) && !ctx.dialogs.ask(refusals.wheelQuestion))
        return std::nullopt;
    std::vector<bool> selected = shownSelection(ui);
    if (countSelected(selected) == 0) {
        ctx.dialogs.message(refusals.noneSelected);
        return std::nullopt;
    }
    return selected;
}

void editSelectedEntry(MainWindow& main) {
    AppContext& ctx = main.context();
    const auto chosen = selectionToChange(
        main, {QStringLiteral("There are no entries displayed to edit."), wheelEditQuestion(),
               QStringLiteral("You have not selected an entry to edit.")});
    if (!chosen)
        return;
    const std::vector<bool>& selected = *chosen;
    const int s = countSelected(selected);
    if (s > 1) {
        ctx.dialogs.message(QStringLiteral("You have more than one entry selected. You must only "
                                           "select one entry at a time for editing."));
        return;
    }
    const int lineNumber =
        static_cast<int>(std::find(selected.begin(), selected.end(), true) - selected.begin()) + 1;
    EntryLine line;
    const bool read = guardFileOperation(ctx.dialogs, [&] {
        const auto lines = EntryFile::readLines(ctx.state.currentEntryFile);
        if (lineNumber > static_cast<int>(lines.size()))
            throw FileError(QStringLiteral("The entry file no longer holds the line selected; "
                                           "choose the entry again to see what it holds."));
        line = lines[static_cast<size_t>(lineNumber - 1)];
    });
    if (read)
        main.openSecondary(new EditEntryScreen(main, lineNumber, line));
}

// Takes the deleted lines out of the list, a run of neighbours at a time:
// one removal per line would cost a pass over the list for each.
void removeDeletedItems(QListWidget* list, const std::vector<bool>& deleted) {
    // The selected lines are the ones going; dropping the selection first
    // spares each removal a pass over it.
    list->clearSelection();
    for (int end = static_cast<int>(deleted.size()); end > 0;) {
        if (!deleted[static_cast<size_t>(end - 1)]) {
            --end;
            continue;
        }
        int begin = end - 1;
        while (begin > 0 && deleted[static_cast<size_t>(begin - 1)])
            --begin;
        list->model()->removeRows(begin, end - begin);
        end = begin;
    }
}

void deleteSelectedEntries(MainWindow& main) {
    AppContext& ctx = main.context();
    Form1Controls& ui = main.controls();
    const auto chosen = selectionToChange(
        main, {QStringLiteral("There are no entries to delete"), wheelModifyQuestion(),
               QStringLiteral("You have not selected any entries for deletion.")});
    if (!chosen)
        return;
    const std::vector<bool>& selected = *chosen;
    const int s = countSelected(selected);
    if (!ctx.dialogs.ask(deleteQuestion(s)))
        return;
    main.clearWinningLines();
    bool allGone = false;
    guardFileOperation(ctx.dialogs, [&] {
        // Gone before a refusal is shown: the message box gets the usual pointer.
        const BusyCursor busy;
        const LinesDeleted result = deleteSelectedLines(ctx.state.currentEntryFile, selected);
        removeDeletedItems(ui.List1, selected);
        ui.Text2->setText(asWritten(result.remaining));
        allGone = result.allGone;
    });
    if (allGone)
        ctx.dialogs.message(QStringLiteral("Done"));
}

} // namespace

void MainWindow::setupEntryActions() {
    connect(ui_.Command4, &QPushButton::clicked, this, [this] { openAddEntries(*this); });
    connect(ui_.Command6, &QPushButton::clicked, this, [this] { editSelectedEntry(*this); });
    connect(ui_.Command5, &QPushButton::clicked, this,
            [this] { runAsStep([this] { deleteSelectedEntries(*this); }); });
    // The Delete key in the list does what the Delete button does.
    auto* deleteKey =
        new QShortcut(QKeySequence::Delete, ui_.List1, nullptr, nullptr, Qt::WidgetShortcut);
    connect(deleteKey, &QShortcut::activated, ui_.Command5, &QPushButton::click);
    connect(ui_.Command3, &QPushButton::clicked, this, &MainWindow::showDatedEntries);
}

void MainWindow::showFixedEntryFile(const QString& path, bool hideEntriesDate) {
    ui_.Command3->setVisible(true);
    if (hideEntriesDate)
        ui_.DTPicker2->setVisible(false);
    clearWinningLines();
    ui_.List1->clear();
    ui_.Text2->setText(QStringLiteral("0"));
    EntryFile::deleteEmptyEntryFile(ctx_.state.currentEntryFile);
    ctx_.state.currentEntryFile = path;
    ui_.Frame5->setTitle(fixedEntriesCaption(ctx_.state.selectedGame, path));
    listEntryFile(path);
}

void MainWindow::showDatedEntries() {
    ctx_.state.openWheelType = 0;
    ui_.Command3->hide();
    loadDatedEntryFile();
    ui_.DTPicker2->setVisible(true);
}

} // namespace numbrava
