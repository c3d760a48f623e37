#include "results/import_results_screen.h"

#include "data/draw_history_file.h"
#include "ui/busy_cursor.h"
#include "ui/file_guard.h"
#include "ui/main_view.h"
#include "ui/screen_parts.h"

#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

namespace numbrava {

namespace {
QLineEdit* readOnlyBox(const QString& name) {
    auto* box = new QLineEdit;
    box->setObjectName(name);
    box->setReadOnly(true);
    return box;
}

bool sameDraws(const std::vector<DrawRecord>& a, const std::vector<DrawRecord>& b) {
    return std::equal(
        a.begin(), a.end(), b.begin(), b.end(),
        [](const DrawRecord& x, const DrawRecord& y) { return x.toBytes() == y.toBytes(); });
}
} // namespace

ImportResultsScreen::ImportResultsScreen(MainView& mainWindow)
    : SecondaryScreen(mainWindow.asWidget()), main_(mainWindow),
      game_(mainWindow.context().state.selectedGame) {
    setObjectName(QStringLiteral("ImportResults"));
    setWindowTitle(QStringLiteral("Import Results"));
    buildUi();
    clearPreview();
}

void ImportResultsScreen::buildUi() {
    auto* game = new QLabel(
        QStringLiteral("Draws of %1 from a results file (CSV).").arg(gameInfo(game_).name));
    auto* choose = namedButton("Command1", QStringLiteral("Choose File…"));
    file_ = readOnlyBox(QStringLiteral("Text1"));
    connect(choose, &QPushButton::clicked, this, &ImportResultsScreen::chooseFile);
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(choose);
    fileRow->addWidget(file_, 1);

    const std::array<QString, 5> captions = {
        QStringLiteral("Rows read"), QStringLiteral("New draws"), QStringLiteral("Identical"),
        QStringLiteral("Conflicting"), QStringLiteral("Refused")};
    auto* countGrid = new QGridLayout;
    for (size_t i = 0; i < counts_.size(); ++i) {
        counts_[i] = readOnlyBox(QStringLiteral("Text%1").arg(i + 2));
        counts_[i]->setAlignment(Qt::AlignRight);
        counts_[i]->setMaximumWidth(80);
        auto* label = new QLabel(captions[i]);
        label->setBuddy(counts_[i]);
        const int column = static_cast<int>(i);
        countGrid->addWidget(label, 0, column);
        countGrid->addWidget(counts_[i], 1, column);
    }
    countGrid->setColumnStretch(static_cast<int>(counts_.size()), 1);

    rows_ = new QListWidget;
    rows_->setObjectName(QStringLiteral("List1"));
    // A reason can be longer than the list is wide: it wraps, never hides.
    rows_->setWordWrap(true);
    rows_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* rowsLabel = new QLabel(QStringLiteral("Conflicting and refused rows:"));
    rowsLabel->setBuddy(rows_);

    importButton_ = namedButton("Command2", QStringLiteral("Import"));
    auto* cancel = namedButton("Command3", QStringLiteral("Cancel"));
    connect(importButton_, &QPushButton::clicked, this, &ImportResultsScreen::import);
    connect(cancel, &QPushButton::clicked, this, &QWidget::close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(game);
    layout->addLayout(fileRow);
    layout->addLayout(countGrid);
    layout->addWidget(rowsLabel);
    layout->addWidget(rows_, 1);
    layout->addLayout(buttonRow({importButton_, cancel}));
    resize(720, 440);
}

QString ImportResultsScreen::historyPath() const {
    return historyFilePath(main_.context().state.installFolder, game_);
}

void ImportResultsScreen::chooseFile() {
    AppState& state = main_.context().state;
    const QString path = main_.context().dialogs.chooseFile(
        {FileChoice::Kind::Open, QStringLiteral("Import Results"), state.resultsFolder,
         QStringLiteral("Results files (*.csv);;All files (*)")});
    if (path.isEmpty())
        return;
    state.resultsFolder = QFileInfo(path).absolutePath();
    path_ = path;
    file_->setText(QDir::toNativeSeparators(path));
    preview();
}

void ImportResultsScreen::preview() {
    clearPreview();
    ImportPreview preview;
    const bool read = guardFileOperation(main_.context().dialogs, [&] {
        const BusyCursor busy;
        preview = previewResultsFile(path_, historyPath(), game_);
    });
    if (!read)
        return;
    showPreview(preview);
    if (!preview.refusal.isEmpty())
        main_.context().dialogs.message(preview.refusal);
}

void ImportResultsScreen::clearPreview() {
    shown_ = {};
    for (QLineEdit* box : counts_)
        box->clear();
    rows_->clear();
    importButton_->setEnabled(false);
}

void ImportResultsScreen::showPreview(const ImportPreview& preview) {
    clearPreview();
    shown_ = preview;
    const std::array<qsizetype, 5> numbers = {
        preview.rowsRead, static_cast<qsizetype>(preview.newDraws.size()), preview.identical,
        static_cast<qsizetype>(preview.conflicting.size()),
        static_cast<qsizetype>(preview.refused.size())};
    for (size_t i = 0; i < counts_.size(); ++i)
        counts_[i]->setText(QString::number(numbers[i]));
    auto list = [this](const std::vector<ListedRow>& rows, const QString& kind) {
        for (const ListedRow& row : rows)
            rows_->addItem(QStringLiteral("Line %1 (%2): %3").arg(row.line).arg(kind, row.reason));
    };
    list(preview.conflicting, QStringLiteral("conflicting"));
    list(preview.refused, QStringLiteral("refused"));
    importButton_->setEnabled(preview.refusal.isEmpty() && !preview.newDraws.empty());
}

void ImportResultsScreen::import() {
    Dialogs& dialogs = main_.context().dialogs;
    // The file is read again: it may have changed or gone since its preview.
    ImportPreview now;
    const bool done = guardFileOperation(dialogs, [&] {
        const BusyCursor busy;
        now = previewResultsFile(path_, historyPath(), game_);
        if (now.refusal.isEmpty() && sameDraws(now.newDraws, shown_.newDraws))
            storeNewDraws(historyPath(), now);
    });
    if (!done)
        return; // the history is as it was; the preview stands for another try
    if (!now.refusal.isEmpty() || !sameDraws(now.newDraws, shown_.newDraws)) {
        showPreview(now);
        dialogs.message(!now.refusal.isEmpty()
                            ? now.refusal
                            : QStringLiteral("The file or the history has changed since the "
                                             "preview. Nothing was imported; the preview now "
                                             "shows them as they are."));
        return;
    }
    dialogs.message(QStringLiteral("Done: %1 draws added").arg(now.newDraws.size()));
    close();
}

} // namespace numbrava
