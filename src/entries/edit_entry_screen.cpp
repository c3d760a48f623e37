#include "entries/edit_entry_screen.h"

#include "data/entry_file.h"
#include "entries/entries_ranges.h"
#include "entries/line_boxes.h"
#include "entries/typed_line.h"
#include "ui/file_guard.h"
#include "ui/main_view.h"
#include "ui/screen_parts.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace numbrava {

EditEntryScreen::EditEntryScreen(MainView& main, int lineNumber, const EntryLine& line)
    : SecondaryScreen(main.asWidget()), main_(main), ctx_(main.context()),
      editLineNumber_(lineNumber) {
    setObjectName(QStringLiteral("editEntry"));
    setWindowTitle(QStringLiteral("Edit Entry"));

    auto* Frame1 = new QGroupBox(QStringLiteral("Selected Entry"));
    Frame1->setObjectName(QStringLiteral("Frame1"));
    lineBoxes_ = new LineBoxes(ctx_.state.selectedGame, "Label1");
    lineBoxes_->showLine(line);
    auto* frameLayout = new QVBoxLayout(Frame1);
    frameLayout->addWidget(lineBoxes_);

    auto* Command6 = new QPushButton(QStringLiteral("Change"));
    Command6->setObjectName(QStringLiteral("Command6"));
    auto* Command5 = new QPushButton(QStringLiteral("Cancel"));
    Command5->setObjectName(QStringLiteral("Command5"));
    auto* buttons = buttonRow({Command6, Command5});

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addLayout(buttons);
    setTabOrder(lineBoxes_->box(5), Command6);
    setTabOrder(Command6, Command5);
    lineBoxes_->box(0)->setFocus();

    connect(lineBoxes_, &LineBoxes::submitted, Command6, &QPushButton::click);
    connect(Command6, &QPushButton::clicked, this, &EditEntryScreen::change);
    connect(Command5, &QPushButton::clicked, this, &QWidget::close);
}

void EditEntryScreen::change() {
    const TypedLine typed =
        readTypedLine(lineBoxes_->texts(), currentEntriesLimits(main_, LowBonus::NotANumber));
    if (typed.error != LineError::None) {
        ctx_.dialogs.message(lineErrorMessage(typed.error));
        return;
    }
    // A line that cannot be written leaves the screen open with what was typed.
    if (!guardFileOperation(ctx_.dialogs, [&] {
            EntryFile::replaceLine(ctx_.state.currentEntryFile, editLineNumber_, typed.line);
        }))
        return;

    QListWidget* list = main_.controls().List1;
    const int row = editLineNumber_ - 1;
    delete list->takeItem(row);
    list->insertItem(row, entryDisplayLine(ctx_.state.selectedGame, typed.line));
    list->clearSelection();
    list->setCurrentRow(row, QItemSelectionModel::NoUpdate);
    list->item(row)->setSelected(true);
    close();
}

} // namespace numbrava
