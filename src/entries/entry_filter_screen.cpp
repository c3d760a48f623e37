#include "entries/entry_filter_screen.h"

#include "data/file_error.h"
#include "data/number_text.h"
#include "entries/entry_filter.h"
#include "printing/list_printout.h"
#include "ui/busy_cursor.h"
#include "ui/file_guard.h"
#include "ui/list_font.h"
#include "ui/main_view.h"
#include "ui/screen_parts.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>
#include <initializer_list>
#include <optional>

namespace numbrava {

namespace {
template <typename W> W* named(W* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QGroupBox* frame(const char* name, const QString& caption) {
    return named(new QGroupBox(caption), name);
}

QLineEdit* totalBox(const char* name) {
    auto* box = named(new QLineEdit, name);
    box->setReadOnly(true);
    box->setAlignment(Qt::AlignRight);
    box->setMaximumWidth(80);
    box->setFocusPolicy(Qt::ClickFocus);
    return box;
}

int shownNumber(const QLineEdit* box) {
    return static_cast<int>(roundHalfEven(leadingNumber(box->text())));
}
} // namespace

EntryFilterScreen::EntryFilterScreen(MainView& main)
    : SecondaryScreen(main.asWidget()), main_(main), ctx_(main.context()) {
    setObjectName(QStringLiteral("Form10"));
    setWindowTitle(QStringLiteral("Filter"));
    buildUi();
    Command4->setEnabled(ctx_.state.printerAvailable);
    connect(Slider1, &QSlider::valueChanged, this, &EntryFilterScreen::showSumWindow);
    connect(Command1, &QPushButton::clicked, this, &EntryFilterScreen::runFilter);
    connect(List1, &QListWidget::itemChanged, this, &EntryFilterScreen::tickedByHand);
    connect(Command2, &QPushButton::clicked, this, &EntryFilterScreen::removeCheckedItems);
    connect(Command4, &QPushButton::clicked, this, &EntryFilterScreen::printList);
    connect(Command3, &QPushButton::clicked, this, &QWidget::close);
}

void EntryFilterScreen::buildUi() {
    auto* Frame3 = frame("Frame3", QStringLiteral("Filtered Entries"));
    List1 = named(new QListWidget, "List1");
    List1->setFont(fixedListFont());
    List1->setUniformItemSizes(true);
    List1->setMinimumWidth(
        QFontMetrics(List1->font()).horizontalAdvance(QString(24, QLatin1Char('0'))) + 60);
    Command4 = namedButton("Command4", QStringLiteral("Print"));
    Command2 = namedButton("Command2", QStringLiteral("Remove Checked Items From Entry"));
    auto* entries = new QVBoxLayout(Frame3);
    entries->addWidget(List1, 1);
    entries->addWidget(Command4);
    entries->addWidget(Command2);

    ProgressBar1 = named(new QProgressBar, "ProgressBar1");
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setValue(0);
    Command1 = namedButton("Command1", QStringLiteral("Check"));
    Command3 = namedButton("Command3", QStringLiteral("Close"));
    Command1->setDefault(true);

    auto* right = new QVBoxLayout;
    right->addWidget(buildTotals());
    right->addWidget(buildFilterSelection());
    right->addWidget(ProgressBar1);
    right->addStretch();
    right->addLayout(buttonRow({Command1, Command3}));

    auto* columns = new QHBoxLayout(this);
    columns->addWidget(Frame3, 1);
    columns->addLayout(right);
    showSumWindow();
    resize(sizeHint().width(), 460);
}

QWidget* EntryFilterScreen::buildTotals() {
    auto* Frame5 = frame("Frame5", QStringLiteral("Entry Totals"));
    Text1 = totalBox("Text1");
    Text2 = totalBox("Text2");
    Text3 = totalBox("Text3");
    auto* totals = new QFormLayout(Frame5);
    totals->addRow(QStringLiteral("Total Entries"), Text1);
    totals->addRow(QStringLiteral("Checked"), Text2);
    totals->addRow(QStringLiteral("Resulting No."), Text3);
    return Frame5;
}

QWidget* EntryFilterScreen::buildFilterSelection() {
    auto* Frame4 = frame("Frame4", QStringLiteral("Sum Filter"));
    Check1 = named(new QCheckBox(QStringLiteral("Apply Filter")), "Check1");
    Slider1 = named(new QSlider(Qt::Horizontal), "Slider1");
    Slider1->setRange(1, 5);
    Slider1->setPageStep(1);
    Slider1->setTickPosition(QSlider::TicksBelow);
    Slider1->setTickInterval(1);
    // The widest window to start with: the gentlest filter.
    Slider1->setValue(1);
    sumWindowLabel_ = named(new QLabel, "sumWindowLabel");
    auto* sum = new QVBoxLayout(Frame4);
    sum->addWidget(Check1);
    sum->addWidget(Slider1);
    sum->addWidget(sumWindowLabel_);

    auto* Frame2 = frame("Frame2", QStringLiteral("Duplicate Coverage Filter"));
    Check2 = named(new QCheckBox(QStringLiteral("Apply Filter")), "Check2");
    Option1 = named(new QRadioButton(QStringLiteral("2")), "Option1");
    Option2 = named(new QRadioButton(QStringLiteral("3")), "Option2");
    Option3 = named(new QRadioButton(QStringLiteral("4")), "Option3");
    Option4 = named(new QRadioButton(QStringLiteral("5")), "Option4");
    Option3->setChecked(true);
    auto* limits = new QHBoxLayout;
    for (QRadioButton* option : {Option1, Option2, Option3, Option4})
        limits->addWidget(option);
    limits->addStretch();
    auto* duplicates = new QVBoxLayout(Frame2);
    duplicates->addWidget(Check2);
    duplicates->addLayout(limits);

    auto* Frame1 = frame("Frame1", QStringLiteral("Filter Selection"));
    auto* selection = new QVBoxLayout(Frame1);
    selection->addWidget(Frame4);
    selection->addWidget(Frame2);
    return Frame1;
}

QString EntryFilterScreen::workFile() const {
    return filterWorkFile(ctx_.state.installFolder);
}

void EntryFilterScreen::showSumWindow() {
    const SumWindow window = sumWindow(ctx_.state.selectedGame, Slider1->value());
    sumWindowLabel_->setText(
        QStringLiteral("Keeps sums from %1 to %2").arg(window.low).arg(window.high));
}

void EntryFilterScreen::clearResult() {
    List1->clear();
    for (QLineEdit* box : {Text1, Text2, Text3})
        box->clear();
    filterRun_ = false;
    runLines_ = 0;
}

void EntryFilterScreen::runFilter() {
    FilterChoice choice;
    const SumWindow window = sumWindow(ctx_.state.selectedGame, Slider1->value());
    if (!Check1->isChecked() && !Check2->isChecked()) {
        ctx_.dialogs.message(QStringLiteral("No filter has been specified"));
        return;
    }
    if (Check1->isChecked())
        choice.sum = window;
    if (Check2->isChecked())
        choice.sharedLimit = Option1->isChecked()   ? 2
                             : Option2->isChecked() ? 3
                             : Option3->isChecked() ? 4
                                                    : 5;
    setRunning(true);
    clearResult();
    ProgressBar1->setValue(0);
    std::optional<FilterRun> run;
    try {
        const BusyCursor busy;
        run = runEntryFilter(ctx_.state.currentEntryFile, workFile(), choice,
                             [this](int done, int total) {
                                 ProgressBar1->setMaximum(qMax(total, 1));
                                 ProgressBar1->setValue(done);
                                 QCoreApplication::processEvents();
                             });
    } catch (const FileError& error) {
        ctx_.dialogs.message(error.message());
    }
    ProgressBar1->setValue(0);
    if (run) {
        const int k = static_cast<int>(run->lines.size());
        Text1->setText(asWritten(k));
        Text2->setText(asWritten(run->checkedCount));
        Text3->setText(asWritten(k - run->checkedCount));
        // Filling the list is not a tick by hand.
        const QSignalBlocker quiet(List1);
        List1->setUpdatesEnabled(false);
        for (const EntryRecord& r : run->lines) {
            auto* item = new QListWidgetItem(displaychecked(r.line), List1);
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            item->setCheckState(r.mark == kCheckedMark ? Qt::Checked : Qt::Unchecked);
        }
        List1->setUpdatesEnabled(true);
        runLines_ = k;
        filterRun_ = true;
    }
    setRunning(false);
    if (closeAfterRun_)
        close();
}

void EntryFilterScreen::tickedByHand(QListWidgetItem* item) {
    if (!filterRun_)
        return;
    const bool checked = item->checkState() == Qt::Checked;
    const int k = List1->row(item) + 1;
    if (!guardFileOperation(ctx_.dialogs, [&] { setWorkMark(workFile(), k, checked); })) {
        const QSignalBlocker quiet(List1);
        item->setCheckState(checked ? Qt::Unchecked : Qt::Checked);
        return;
    }
    const int step = checked ? 1 : -1;
    Text2->setText(asWritten(shownNumber(Text2) + step));
    Text3->setText(asWritten(shownNumber(Text3) - step));
}

void EntryFilterScreen::removeCheckedItems() {
    if (shownNumber(Text2) == 0)
        return;
    try {
        removeCheckedLines(workFile(), runLines_, ctx_.state.currentEntryFile);
    } catch (const FileError& error) {
        ctx_.dialogs.message(error.message() +
                             QStringLiteral("\n\nNo line has been removed from the entry."));
        return;
    }
    clearResult();
}

void EntryFilterScreen::printList() {
    QStringList items;
    for (int i = 0; i < List1->count(); ++i) {
        const QListWidgetItem* item = List1->item(i);
        items << item->text() + (item->checkState() == Qt::Checked
                                     ? QStringLiteral(" Selected for Deletion")
                                     : QString());
    }
    const GameCode game = ctx_.state.selectedGame;
    numbrava::printList(ctx_, items, listHeading(game, gameInfo(game).name));
}

void EntryFilterScreen::setRunning(bool running) {
    running_ = running;
    for (QWidget* w : std::initializer_list<QWidget*>{Command1, Command2, Command3, List1})
        w->setEnabled(!running);
    Command4->setEnabled(!running && ctx_.state.printerAvailable);
}

void EntryFilterScreen::closeEvent(QCloseEvent* event) {
    // The run is still on the call stack: the screen closes once it ends.
    if (running_) {
        closeAfterRun_ = true;
        event->ignore();
        return;
    }
    SecondaryScreen::closeEvent(event);
}

} // namespace numbrava
