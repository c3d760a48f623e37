#include "main/add_result_screen.h"

#include "data/draw_history_file.h"
#include "data/number_text.h"
#include "main/draw_result_validation.h"
#include "ui/accessibility.h"
#include "ui/date_picker.h"
#include "ui/file_guard.h"
#include "ui/main_view.h"
#include "ui/screen_parts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace numbrava {

namespace {
QLineEdit* numberBox(const QString& name) {
    auto* box = new QLineEdit;
    box->setObjectName(name);
    box->setAlignment(Qt::AlignCenter);
    box->setMaximumWidth(48);
    return box;
}
} // namespace

AddResultScreen::AddResultScreen(MainView& mainWindow)
    : SecondaryScreen(mainWindow.asWidget()), main_(mainWindow) {
    setObjectName(QStringLiteral("Form2"));
    const DatePicker* resultDate = main_.controls().DTPicker1;
    setWindowTitle(captionFor(resultDate->day(), resultDate->month(), resultDate->year()));
    buildUi();
    bonusLabel_->setText(gameInfo(main_.context().state.selectedGame).tag);
}

QString AddResultScreen::captionFor(int day, int month, int year) {
    return QStringLiteral("Draw Result for ") + withLeadingBlank(month) + QLatin1Char('/') +
           withLeadingBlank(day) + QLatin1Char('/') + withLeadingBlank(year);
}

void AddResultScreen::buildUi() {
    auto* numbers = new QHBoxLayout;
    for (size_t i = 0; i < mainBoxes_.size(); ++i) {
        mainBoxes_[i] = numberBox(QStringLiteral("Text%1").arg(i + 1));
        numbers->addWidget(mainBoxes_[i]);
    }
    numbers->addSpacing(12);
    bonusLabel_ = new QLabel;
    bonusLabel_->setObjectName(QStringLiteral("Label1"));
    bonusBox_ = numberBox(QStringLiteral("Text6"));
    bonusLabel_->setBuddy(bonusBox_);
    numbers->addWidget(bonusLabel_);
    numbers->addWidget(bonusBox_);

    addButton_ = new QPushButton(QStringLiteral("Add"));
    addButton_->setObjectName(QStringLiteral("Command1"));
    addButton_->setDefault(true);
    addButton_->setAutoDefault(true);
    cancelButton_ = new QPushButton(QStringLiteral("Cancel"));
    cancelButton_->setObjectName(QStringLiteral("Command2"));
    connect(addButton_, &QPushButton::clicked, this, &AddResultScreen::addResult);
    connect(cancelButton_, &QPushButton::clicked, this, &QWidget::close);
    // Enter in any box adds, as the default button would.
    for (QLineEdit* box : mainBoxes_)
        connect(box, &QLineEdit::returnPressed, this, &AddResultScreen::addResult);
    connect(bonusBox_, &QLineEdit::returnPressed, this, &AddResultScreen::addResult);

    auto* buttons = buttonRow({addButton_, cancelButton_});

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(numbers);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    const std::array<QWidget*, 8> tabOrder = {mainBoxes_[0], mainBoxes_[1], mainBoxes_[2],
                                              mainBoxes_[3], mainBoxes_[4], bonusBox_,
                                              addButton_,    cancelButton_};
    for (size_t i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
    mainBoxes_[0]->setFocus();
    nameBallBoxes(mainBoxes_, 5);
}

void AddResultScreen::addResult() {
    std::array<QString, 5> mainTexts;
    for (size_t i = 0; i < mainBoxes_.size(); ++i)
        mainTexts[i] = mainBoxes_[i]->text();
    AppContext& ctx = main_.context();
    const TypedDrawCheck check = checkTypedDraw(
        ctx.state.selectedGame, main_.controls().DTPicker1->value(), mainTexts, bonusBox_->text());
    if (!check.accepted()) {
        // The boxes keep what was typed so it can be corrected.
        ctx.dialogs.message(check.message);
        return;
    }
    if (!storeDraw(check.balls, check.bonus))
        return;
    for (int slot = 0; slot < 5; ++slot)
        main_.showDrawBall(slot, check.balls[static_cast<size_t>(slot)]);
    main_.showDrawBall(5, check.bonus);
    // The new draw's record is looked up again when a delete needs it.
    ctx.state.displayedDrawRecord = 0;
    close();
}

bool AddResultScreen::storeDraw(const std::array<std::int16_t, 5>& balls, std::int16_t bonus) {
    AppContext& ctx = main_.context();
    const DatePicker* resultDate = main_.controls().DTPicker1;
    const QString path = historyFilePath(ctx.state.installFolder, ctx.state.selectedGame);
    return guardFileOperation(ctx.dialogs, [&] {
        DrawHistoryFile::insertDraw(path, balls, bonus, resultDate->day(), resultDate->month(),
                                    resultDate->year());
    });
}

} // namespace numbrava
