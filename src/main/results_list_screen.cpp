#include "main/results_list_screen.h"

#include "data/draw_history_file.h"
#include "main/results_list_lines.h"
#include "printing/list_printout.h"
#include "ui/busy_cursor.h"
#include "ui/date_picker.h"
#include "ui/file_guard.h"
#include "ui/list_font.h"
#include "ui/main_view.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QStringListModel>
#include <QVBoxLayout>

namespace numbrava {

ResultsListScreen::ResultsListScreen(MainView& mainWindow)
    : SecondaryScreen(mainWindow.asWidget()), main_(mainWindow) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(gameInfo(main_.gameOfOptions()).resultsListCaption);
    buildUi();
    printButton_->setEnabled(main_.context().state.printerAvailable);
    loadDraws();
}

void ResultsListScreen::buildUi() {
    auto* hint =
        new QLabel(QStringLiteral("Double-click entry to select result for the main screen"));
    hint->setObjectName(QStringLiteral("Label1"));

    // A full history holds 32767 draws: a model-based list shows them at once,
    // where one widget item per line would not.
    lines_ = new QStringListModel(this);
    list_ = new QListView;
    list_->setObjectName(QStringLiteral("List1"));
    list_->setModel(lines_);
    list_->setFont(fixedListFont());
    list_->setUniformItemSizes(true);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    const int lineWidth =
        QFontMetrics(list_->font()).horizontalAdvance(QString(38, QLatin1Char('0')));
    list_->setMinimumWidth(lineWidth + 40);
    connect(list_, &QListView::doubleClicked, this, &ResultsListScreen::showSelectedDraw);
    list_->installEventFilter(this);

    printButton_ = new QPushButton(QStringLiteral("Print List"));
    printButton_->setObjectName(QStringLiteral("Command2"));
    closeButton_ = new QPushButton(QStringLiteral("Close"));
    closeButton_->setObjectName(QStringLiteral("Command1"));
    setDefaultButton(closeButton_);
    connect(printButton_, &QPushButton::clicked, this, &ResultsListScreen::printDraws);
    connect(closeButton_, &QPushButton::clicked, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(printButton_);
    buttons->addStretch();
    buttons->addWidget(closeButton_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(hint);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);

    setTabOrder(list_, printButton_);
    setTabOrder(printButton_, closeButton_);
    list_->setFocus();
    resize(sizeHint().width(), 420);
}

void ResultsListScreen::loadDraws() {
    const GameCode game = main_.gameOfOptions();
    const QString path = historyFilePath(main_.context().state.installFolder, game);
    const BusyCursor busy;
    guardFileOperation(main_.context().dialogs, [&] {
        lines_->setStringList(resultsListLines(game, DrawHistoryFile::readAllDraws(path)));
    });
}

void ResultsListScreen::showEvent(QShowEvent* event) {
    SecondaryScreen::showEvent(event);
    if (scrolledToNewest_)
        return;
    // The newest draws are the ones a player looks for; they stand last. Only
    // a shown list knows its height, so this waits for the first showing.
    scrolledToNewest_ = true;
    const int rows = lines_->rowCount();
    if (rows == 0)
        return;
    // The arrow keys start from the newest draw too; nothing gets selected.
    const QModelIndex newest = lines_->index(rows - 1);
    list_->selectionModel()->setCurrentIndex(newest, QItemSelectionModel::NoUpdate);
    list_->scrollTo(newest, QAbstractItemView::PositionAtBottom);
}

// Enter on a line does what a double-click does.
bool ResultsListScreen::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            showCurrentDraw();
            return true;
        }
    }
    return SecondaryScreen::eventFilter(watched, event);
}

void ResultsListScreen::showCurrentDraw() {
    const QModelIndex current = list_->currentIndex();
    if (!current.isValid())
        return;
    list_->selectionModel()->select(current, QItemSelectionModel::ClearAndSelect);
    showSelectedDraw();
}

void ResultsListScreen::showSelectedDraw() {
    const QModelIndexList selected = list_->selectionModel()->selectedIndexes();
    if (selected.isEmpty())
        return;
    const QString date = resultsLineDateText(selected.first().data().toString());
    if (date.isEmpty())
        return;
    // The main screen looks up and shows the draw of its new result date.
    main_.controls().DTPicker1->setValueFromText(date);
}

void ResultsListScreen::printDraws() {
    printList(main_.context(), lines_->stringList(),
              listHeading(main_.gameOfOptions(), windowTitle()));
}

} // namespace numbrava
