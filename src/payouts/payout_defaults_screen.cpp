#include "payouts/payout_defaults_screen.h"

#include "payouts/default_amounts_input.h"
#include "payouts/payout_files.h"
#include "payouts/prize_category.h"
#include "ui/file_guard.h"
#include "ui/screen_parts.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace numbrava {

namespace {
const QString kCloseTip =
    QStringLiteral("Use this to close this form and return to the main program screen.");
} // namespace

PayoutDefaultsScreen::PayoutDefaultsScreen(QWidget* opener, AppContext& context)
    : SecondaryScreen(opener), ctx_(context), game_(context.state.selectedGame) {
    setObjectName(QStringLiteral("defaults"));
    setWindowTitle(gameInfo(game_).payoutDefaultsCaption);
    buildUi();
    showStoredAmounts();
}

void PayoutDefaultsScreen::buildUi() {
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("<b>Match</b>")), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("<b>Prize in whole dollars</b>")), 0, 1);
    for (int category = 1; category <= kPrizeCategories; ++category) {
        const auto i = static_cast<size_t>(category - 1);
        labels_[i] = new QLabel(payoutCategoryLabel(game_, category));
        labels_[i]->setObjectName(QStringLiteral("Label%1").arg(category));
        boxes_[i] = new QLineEdit;
        boxes_[i]->setObjectName(QStringLiteral("Text%1").arg(category));
        boxes_[i]->setAlignment(Qt::AlignRight);
        labels_[i]->setBuddy(boxes_[i]);
        grid->addWidget(labels_[i], category, 0);
        grid->addWidget(boxes_[i], category, 1);
    }
    // The jackpot has no default: its box only says so.
    boxes_[0]->setText(QStringLiteral("No Default"));
    boxes_[0]->setReadOnly(true);
    boxes_[0]->setFocusPolicy(Qt::NoFocus);

    update_ = new QPushButton(QStringLiteral("Update"));
    update_->setObjectName(QStringLiteral("Command2"));
    cancel_ = new QPushButton(QStringLiteral("Cancel"));
    cancel_->setObjectName(QStringLiteral("Command1"));
    for (QPushButton* b : {update_, cancel_})
        b->setToolTip(kCloseTip);
    update_->setDefault(true);
    connect(update_, &QPushButton::clicked, this, &PayoutDefaultsScreen::update);
    connect(cancel_, &QPushButton::clicked, this, &QWidget::close);
    // Enter in any amount box stores, as the default button would in a dialog.
    for (size_t i = 1; i < boxes_.size(); ++i)
        connect(boxes_[i], &QLineEdit::returnPressed, this, &PayoutDefaultsScreen::update);

    auto* buttons = buttonRow({update_, cancel_});
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch();
    layout->addLayout(buttons);

    for (size_t i = 1; i + 1 < boxes_.size(); ++i)
        setTabOrder(boxes_[i], boxes_[i + 1]);
    setTabOrder(boxes_.back(), update_);
    setTabOrder(update_, cancel_);
    boxes_[1]->setFocus();
    setMinimumWidth(280);
}

void PayoutDefaultsScreen::showStoredAmounts() {
    DefaultAmounts amounts{};
    guardFileOperation(ctx_.dialogs, [&] {
        amounts =
            DefaultPayoutFile::readAmounts(defaultPayoutFilePath(ctx_.state.installFolder, game_));
    });
    for (size_t i = 0; i < amounts.size(); ++i)
        boxes_[i + 1]->setText(defaultAmountText(amounts[i]));
}

void PayoutDefaultsScreen::update() {
    QStringList texts;
    for (size_t i = 1; i < boxes_.size(); ++i)
        texts << boxes_[i]->text();
    const auto input = defaultAmountsFromText(texts);
    if (const auto* refusal = std::get_if<QString>(&input)) {
        ctx_.dialogs.message(*refusal);
        return;
    }
    const bool stored = guardFileOperation(ctx_.dialogs, [&] {
        DefaultPayoutFile::writeAmounts(defaultPayoutFilePath(ctx_.state.installFolder, game_),
                                        std::get<DefaultAmounts>(input));
    });
    if (stored)
        close();
}

} // namespace numbrava
