#include "wheels/wheel_screen.h"

#include "data/draw_history_file.h"
#include "data/entry_file.h"
#include "data/file_error.h"
#include "data/number_text.h"
#include "printing/list_printout.h"
#include "ui/busy_cursor.h"
#include "ui/file_guard.h"
#include "ui/main_view.h"
#include "ui/screen_parts.h"
#include "wheels/wheel_catalogue.h"
#include "wheels/wheel_cover_sheet.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFile>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

namespace numbrava {

namespace {
template <typename W> W* named(W* widget, const QString& name) {
    widget->setObjectName(name);
    return widget;
}

QLabel* wrappedLabel(const char* name, const QString& text) {
    auto* label = named(new QLabel(text), QString::fromLatin1(name));
    label->setWordWrap(true);
    return label;
}
} // namespace

WheelScreen::WheelScreen(MainView& main)
    : SecondaryScreen(main.asWidget()), main_(main), ctx_(main.context()),
      game_(ctx_.state.selectedGame) {
    setObjectName(QStringLiteral("Wheel5"));
    setWindowTitle(QStringLiteral("5 Wheel for ") + gameInfo(game_).name);
    buildUi();
    Command2->setEnabled(ctx_.state.printerAvailable);
    Option9->setChecked(true);
    guarantees_[0]->setChecked(true);
    proposeNumbers();
    setupwheeldata(1);

    for (int type = 1; type <= kWheelTypeCount; ++type)
        connect(guarantees_[static_cast<size_t>(type - 1)], &QRadioButton::toggled, this,
                [this, type](bool on) {
                    if (on)
                        setupwheeldata(type);
                });
    connect(Combo1, &QComboBox::currentIndexChanged, this, &WheelScreen::showGroupSize);
    connect(Command3, &QPushButton::clicked, this, &WheelScreen::saveWheel);
    connect(Command2, &QPushButton::clicked, this, &WheelScreen::printCover);
    connect(Command1, &QPushButton::clicked, this, &QWidget::close);
}

void WheelScreen::buildUi() {
    // The guarantees, under the labels of how many drawn numbers they need.
    auto* guaranteeRow = new QHBoxLayout;
    auto* choices = new QButtonGroup(this);
    QGroupBox* group = nullptr;
    for (const WheelKind& kind : wheelCatalogue()) {
        if (!group || group->title() != kind.groupLabel) {
            group = new QGroupBox(kind.groupLabel);
            new QVBoxLayout(group);
            guaranteeRow->addWidget(group, 0, Qt::AlignTop);
        }
        auto* option =
            named(new QRadioButton(kind.optionCaption), QStringLiteral("Option%1").arg(kind.type));
        choices->addButton(option);
        group->layout()->addWidget(option);
        guarantees_[static_cast<size_t>(kind.type - 1)] = option;
    }
    guaranteeRow->addStretch();

    Combo1 = named(new QComboBox, QStringLiteral("Combo1"));
    Text25 = named(new QLineEdit, QStringLiteral("Text25"));
    Text25->setReadOnly(true); // the catalogue's count, not the player's
    Text25->setAlignment(Qt::AlignRight);
    Text25->setFocusPolicy(Qt::ClickFocus);
    Text25->setMaximumWidth(70);
    auto* sizes = new QFormLayout;
    sizes->addRow(QStringLiteral("No of Balls"), Combo1);
    sizes->addRow(QStringLiteral("Entries Required"), Text25);

    auto* Frame2 = named(new QGroupBox(gameInfo(game_).bonusName), QStringLiteral("Frame2"));
    Option9 = named(new QRadioButton(QStringLiteral("Optimized")), QStringLiteral("Option9"));
    Option8 = named(new QRadioButton(QStringLiteral("Random")), QStringLiteral("Option8"));
    Option7 = named(new QRadioButton(QStringLiteral("Spread")), QStringLiteral("Option7"));
    auto* bonusRules = new QVBoxLayout(Frame2);
    for (QRadioButton* option : {Option9, Option8, Option7})
        bonusRules->addWidget(option);

    auto* settings = new QHBoxLayout;
    settings->addLayout(sizes);
    settings->addStretch();
    settings->addWidget(Frame2);

    auto* Frame1 =
        named(new QGroupBox(QStringLiteral("Select Group of Balls To Use for the Selected Wheel")),
              QStringLiteral("Frame1"));
    auto* grid = new QGridLayout(Frame1);
    const int width = fontMetrics().horizontalAdvance(QStringLiteral("000")) + 14;
    for (int i = 0; i < kWheelBoxCount; ++i) {
        auto* box = named(new QLineEdit, QStringLiteral("Text1_%1").arg(i));
        box->setMaxLength(2);
        box->setAlignment(Qt::AlignCenter);
        box->setFixedWidth(width);
        QSizePolicy policy = box->sizePolicy();
        policy.setRetainSizeWhenHidden(true); // the grid keeps its shape for any size
        box->setSizePolicy(policy);
        grid->addWidget(box, i / 8, i % 8);
        boxes_[static_cast<size_t>(i)] = box;
    }

    Command3 = namedButton("Command3", QStringLiteral("Save Wheel"));
    Command2 = namedButton("Command2", QStringLiteral("Print Cover"));
    Command1 = namedButton("Command1", QStringLiteral("Close"));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(guaranteeRow);
    layout->addLayout(settings);
    layout->addWidget(Frame1);
    layout->addWidget(
        wrappedLabel("Label8", QStringLiteral("All suggested entries are based on numbers "
                                              "most frequently drawn (using draw history). "
                                              "You may change any or all of the suggested "
                                              "numbers.")));
    layout->addWidget(wrappedLabel(
        "Label7", QStringLiteral(
                      "All guarantees are minimum. The actual number of matches may be greater.")));
    layout->addLayout(buttonRow({Command3, Command2, Command1}));
}

void WheelScreen::proposeNumbers() {
    const QString history = historyFilePath(ctx_.state.installFolder, game_);
    ctx_.state.currentHistoryFile = history;
    std::vector<DrawRecord> draws;
    guardFileOperation(ctx_.dialogs, [&] { draws = DrawHistoryFile::readAllDraws(history); });
    const int mainMax = gameFormat(game_, ctx_.clock.today()).mainMax;
    suggestedBalls_ = mostDrawnNumbers(draws, mainMax);
    if (suggestedBalls_.size() < static_cast<size_t>(kWheelBoxCount)) {
        ctx_.random.seed(ctx_.clock.secondsSinceMidnight());
        fillWithRandomNumbers(suggestedBalls_, mainMax, ctx_.random);
    }
}

void WheelScreen::clearsuggestedentries() {
    for (QLineEdit* box : boxes_)
        box->clear();
}

void WheelScreen::setupwheeldata(int forwheel) {
    const WheelKind* kind = findWheelKind(forwheel);
    if (!kind)
        return;
    clearsuggestedentries();
    wheelType_ = forwheel;
    const QSignalBlocker quiet(Combo1);
    Combo1->clear();
    for (const WheelSize& size : kind->sizes)
        Combo1->addItem(QString::number(size.groupSize));
    Combo1->setCurrentIndex(0);
    showGroupSize();
}

void WheelScreen::showGroupSize() {
    clearsuggestedentries();
    const int n = static_cast<int>(leadingNumber(Combo1->currentText()));
    if (const std::optional<int> lines = entriesRequired(wheelType_, n)) {
        groupSize_ = n;
        for (int i = 0; i < kWheelBoxCount; ++i)
            boxes_[static_cast<size_t>(i)]->setVisible(i < n);
        Text25->setText(QString::number(*lines));
    }
    const size_t count = std::min(static_cast<size_t>(groupSize_), suggestedBalls_.size());
    std::vector<int> shown(suggestedBalls_.begin(),
                           suggestedBalls_.begin() + static_cast<std::ptrdiff_t>(count));
    std::sort(shown.begin(), shown.end());
    for (size_t i = 0; i < shown.size(); ++i)
        boxes_[i]->setText(QString::number(shown[i]));
}

QStringList WheelScreen::shownBoxTexts() const {
    QStringList texts;
    for (int i = 0; i < groupSize_; ++i)
        texts << boxes_[static_cast<size_t>(i)]->text();
    return texts;
}

BonusRule WheelScreen::bonusRule() const {
    if (Option8->isChecked())
        return BonusRule::Random;
    return Option7->isChecked() ? BonusRule::Spread : BonusRule::Optimized;
}

QString WheelScreen::entryFileName() const {
    return wheelEntryFileName(game_, wheelType_);
}

void WheelScreen::saveWheel() {
    const QDate today = ctx_.clock.today();
    const WheelGroup group = readWheelGroup(shownBoxTexts(), gameFormat(game_, today).mainMax);
    if (!group.refusal.isEmpty()) {
        ctx_.dialogs.message(group.refusal);
        return;
    }
    // Every refusal comes before the stored wheel is touched, the overwrite
    // question included: a Yes must never leave a half-built wheel behind.
    WheelBuild build;
    {
        const BusyCursor busy;
        build = buildWheel(
            {ctx_.state.installFolder, game_, wheelType_, group.numbers, bonusRule(), today},
            ctx_.random);
    }
    if (!build.ok()) {
        ctx_.dialogs.message(build.refusal);
        return;
    }
    const QString path = ctx_.state.dataFile(entryFileName());
    int storedLines = 0;
    if (!guardFileOperation(ctx_.dialogs, [&] {
            storedLines = QFile::exists(path) ? EntryFile::countLines(path) : 0;
        }))
        return;
    if (storedLines > 0 && !ctx_.dialogs.ask(wheelOverwriteQuestion()))
        return;
    if (!guardFileOperation(ctx_.dialogs,
                            [&] { writeWheelEntryFile(path, build.lines, storedLines > 0); }))
        return;
    ctx_.dialogs.message(QStringLiteral("Done!"));
    if (ctx_.state.openWheelType == wheelType_)
        forgetShownWheel();
}

void WheelScreen::forgetShownWheel() {
    Form1Controls& ui = main_.controls();
    ctx_.state.openWheelType = 0;
    ui.List1->clear();
    main_.clearWinningLines();
    ui.Text2->setText(QStringLiteral("0"));
    ctx_.state.currentEntryFile.clear();
}

void WheelScreen::printCover() {
    const WheelKind* kind = findWheelKind(wheelType_);
    printDocument(ctx_, coverSheetLines({gameInfo(game_).name, kind->guaranteeLine, shownBoxTexts(),
                                         Combo1->currentText(), Text25->text(), entryFileName()}));
}

} // namespace numbrava
