#include "payouts/actual_payouts_screen.h"

#include "payouts/actual_payout_entry.h"
#include "payouts/default_amounts_input.h"
#include "payouts/payout_defaults_screen.h"
#include "payouts/prize_category.h"
#include "ui/date_picker.h"
#include "ui/file_guard.h"
#include "ui/main_view.h"
#include "ui/screen_parts.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace numbrava {

ActualPayoutsScreen::ActualPayoutsScreen(MainView& mainWindow)
    : SecondaryScreen(mainWindow.asWidget()), main_(mainWindow),
      game_(mainWindow.context().state.selectedGame) {
    setObjectName(QStringLiteral("payouts"));
    setWindowTitle(QStringLiteral("Add Payout Data for ") + gameInfo(game_).name);
    buildUi();
    // Opens on today's date and shows what is stored for it.
    date_->setValue(main_.context().clock.today());
    showStoredTable();
    connect(date_, &DatePicker::changed, this, &ActualPayoutsScreen::showStoredTable);
}

void ActualPayoutsScreen::buildUi() {
    auto* dateLabel = new QLabel(QStringLiteral("Select Date of Draw"));
    dateLabel->setObjectName(QStringLiteral("Label10"));
    date_ = new DatePicker;
    date_->setObjectName(QStringLiteral("DTPicker1"));
    dateLabel->setBuddy(date_);

    auto* add = namedButton("Command1", QStringLiteral("Add Payout"));
    add->setToolTip(
        QStringLiteral("Use this to add the displayed payouts to the file for the selected date."));
    auto* clear = namedButton("Command3", QStringLiteral("Clear"));
    clear->setToolTip(QStringLiteral("Use this to clear the payout amounts from the display. It "
                                     "does not affect stored data in the file."));
    auto* addDefaults = namedButton("Command4", QStringLiteral("Add Defaults"));
    addDefaults->setToolTip(
        QStringLiteral("Use this to add the default payouts to the list on the right."));
    auto* changeDefaults = namedButton("Command5", QStringLiteral("Change Defaults"));
    changeDefaults->setToolTip(QStringLiteral("Use this change the default payouts in the file."));
    auto* closeButton = namedButton("Command2", QStringLiteral("Close"));
    closeButton->setToolTip(
        QStringLiteral("Use this to close this form and return to the main program screen."));
    connect(add, &QPushButton::clicked, this, &ActualPayoutsScreen::addPayout);
    connect(clear, &QPushButton::clicked, this, &ActualPayoutsScreen::clearBoxes);
    connect(addDefaults, &QPushButton::clicked, this, &ActualPayoutsScreen::addDefaults);
    connect(changeDefaults, &QPushButton::clicked, this, &ActualPayoutsScreen::changeDefaults);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);

    // Date, type and buttons on the left; the amounts on the right.
    auto* left = new QVBoxLayout;
    left->addWidget(dateLabel);
    left->addWidget(date_);
    left->addWidget(buildPayoutType());
    for (QPushButton* b : {add, clear, addDefaults, changeDefaults})
        left->addWidget(b);
    left->addStretch();
    left->addWidget(closeButton);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addWidget(buildAmounts(), 1);

    for (size_t i = 1; i < boxes_.size(); ++i)
        setTabOrder(boxes_[i - 1], boxes_[i]);
    date_->setFocus();
}

QWidget* ActualPayoutsScreen::buildAmounts() {
    auto* frame = new QGroupBox(QStringLiteral("Add Payout Data for Draw Date"));
    frame->setObjectName(QStringLiteral("Frame1"));
    auto* grid = new QGridLayout(frame);
    for (int category = 1; category <= kPrizeCategories; ++category) {
        const auto i = static_cast<size_t>(category - 1);
        auto* label = new QLabel(payoutCategoryLabel(game_, category));
        label->setObjectName(QStringLiteral("Label%1").arg(category));
        boxes_[i] = new QLineEdit;
        boxes_[i]->setObjectName(QStringLiteral("Text%1").arg(category));
        boxes_[i]->setAlignment(Qt::AlignRight);
        boxes_[i]->setMinimumWidth(110);
        label->setBuddy(boxes_[i]);
        // Enter in a box adds, as the default button of a dialog would.
        connect(boxes_[i], &QLineEdit::returnPressed, this, &ActualPayoutsScreen::addPayout);
        grid->addWidget(label, category - 1, 0);
        grid->addWidget(boxes_[i], category - 1, 1);
    }
    return frame;
}

QWidget* ActualPayoutsScreen::buildPayoutType() {
    auto* frame = new QGroupBox(QStringLiteral("Type of Payout"));
    frame->setObjectName(QStringLiteral("Frame2"));
    confirmed_ = new QRadioButton(QStringLiteral("Confirmed"));
    confirmed_->setObjectName(QStringLiteral("Option1"));
    confirmed_->setToolTip(
        QStringLiteral("Select this to mark the payments as confirmed for the selected date."));
    provisional_ = new QRadioButton(QStringLiteral("Provisional"));
    provisional_->setObjectName(QStringLiteral("Option2"));
    provisional_->setToolTip(
        QStringLiteral("Select this to mark the payments as provisional for the selected date."));
    auto* group = new QButtonGroup(frame);
    group->addButton(confirmed_);
    group->addButton(provisional_);
    auto* column = new QVBoxLayout(frame);
    column->addWidget(confirmed_);
    column->addWidget(provisional_);
    return frame;
}

void ActualPayoutsScreen::showStoredTable() {
    std::optional<PayoutTable> table;
    try {
        table = storedActualTable(main_.context().state.installFolder, game_, date_->value());
    } catch (const FileError& error) {
        main_.reportFileError(error);
    }
    if (!table) {
        // The confirmed/provisional choice stays as it was.
        clearBoxes();
        return;
    }
    for (int category = 1; category <= kPrizeCategories; ++category)
        boxes_[static_cast<size_t>(category - 1)]->setText(
            defaultAmountText(table->amount(category).value_or(0)));
    (table->isConfirmed() ? confirmed_ : provisional_)->setChecked(true);
}

void ActualPayoutsScreen::addPayout() {
    ActualPayoutEntry entry;
    entry.game = game_;
    entry.drawDate = date_->value();
    for (QLineEdit* box : boxes_)
        entry.boxes << box->text();
    if (confirmed_->isChecked() || provisional_->isChecked())
        entry.confirmed = confirmed_->isChecked();
    Dialogs& dialogs = main_.context().dialogs;
    std::optional<QString> outcome;
    if (!guardFileOperation(dialogs, [&] {
            outcome =
                addActualPayout(main_.context().state.installFolder, entry,
                                [&](const QString& question) { return dialogs.ask(question); });
        }))
        return;
    // The boxes keep what was typed, stored or not.
    if (outcome)
        dialogs.message(*outcome);
}

void ActualPayoutsScreen::clearBoxes() {
    for (QLineEdit* box : boxes_)
        box->clear();
}

void ActualPayoutsScreen::addDefaults() {
    AppContext& ctx = main_.context();
    guardFileOperation(ctx.dialogs, [&] {
        const auto defaults = defaultsForActualTable(ctx.state.installFolder, game_);
        if (const auto* refusal = std::get_if<QString>(&defaults)) {
            ctx.dialogs.message(*refusal);
            return;
        }
        // The jackpot has no default: its box is left as it is.
        const DefaultAmounts& amounts = std::get<DefaultAmounts>(defaults);
        for (size_t i = 0; i < amounts.size(); ++i)
            boxes_[i + 1]->setText(defaultAmountText(amounts[i]));
    });
}

void ActualPayoutsScreen::changeDefaults() {
    defaults_ = new PayoutDefaultsScreen(this, main_.context());
    defaults_->openScreen();
}

void ActualPayoutsScreen::onClosing() {
    // The defaults screen stands over this one and goes with it.
    if (defaults_)
        defaults_->close();
}

} // namespace numbrava
