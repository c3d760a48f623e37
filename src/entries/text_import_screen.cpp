#include "entries/text_import_screen.h"

#include "data/file_error.h"
#include "entries/file_browser_parts.h"
#include "entries/text_import.h"
#include "ui/busy_cursor.h"
#include "ui/date_picker.h"
#include "ui/main_view.h"
#include "ui/screen_parts.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

namespace numbrava {

namespace {
const QString kPattern = QStringLiteral("*.txt");
const QString kNoFile = QStringLiteral("You have not selected a file");
} // namespace

TextImportScreen::TextImportScreen(MainView& mainWindow)
    : SecondaryScreen(mainWindow.asWidget()), main_(mainWindow),
      game_(mainWindow.context().state.selectedGame) {
    setObjectName(QStringLiteral("Form30"));
    setWindowTitle(QStringLiteral("Import Txt File"));
    buildUi();
    refreshFileList(files_, main_.context().state.installFolder, kPattern);
    date_->setValue(main_.context().clock.today());
    offerValidate();
    onFileChosen(files_, this, [this] {
        contents_->clear();
        offerValidate();
        view();
    });
    acceptFileDrops(files_, [this](const QString& path) { takeFile(path); });
    connect(date_, &DatePicker::changed, this, &TextImportScreen::offerValidate);
}

void TextImportScreen::buildUi() {
    auto* step1 =
        new QLabel(QStringLiteral("1. Click on the file you want to import as an entry."));
    step1->setObjectName(QStringLiteral("Label1"));
    files_ = newFileList();
    step1->setBuddy(files_);
    contents_ = newContentsList();
    auto* step2 = new QLabel(QStringLiteral("2. Select Entry Date"));
    step2->setObjectName(QStringLiteral("Label3"));
    date_ = new DatePicker;
    date_->setObjectName(QStringLiteral("DTPicker1"));
    step2->setBuddy(date_);

    validate_ = namedButton("Command2", QStringLiteral("Validate"));
    validate_->setToolTip(QStringLiteral("Click to validate the .txt file"));
    import_ = namedButton("Command3", QStringLiteral("Import"));
    import_->setToolTip(
        QStringLiteral("Use this to create the selections file for the given date and game."));
    auto* closeButton = namedButton("Command1", QStringLiteral("Close"));
    closeButton->setToolTip(QStringLiteral("Closes the import form."));
    auto* browse = namedButton("Command4", QStringLiteral("Browse…"));
    browse->setToolTip(QStringLiteral("Choose a text file from another folder; you can also "
                                      "drop one onto the list."));
    connect(browse, &QPushButton::clicked, this, [this] {
        takeFile(main_.context().dialogs.chooseFile(
            {FileChoice::Kind::Open,
             windowTitle(),
             {},
             QStringLiteral("Text files (*.txt);;All files (*)")}));
    });
    connect(validate_, &QPushButton::clicked, this, &TextImportScreen::validate);
    connect(import_, &QPushButton::clicked, this, &TextImportScreen::import);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);

    auto* grid = new QGridLayout;
    grid->addWidget(step1, 0, 0, 1, 2);
    grid->addWidget(newContentsLabel(contents_), 1, 1);
    grid->addWidget(files_, 2, 0);
    grid->addWidget(contents_, 2, 1);
    grid->addWidget(browse, 3, 0, Qt::AlignLeft);
    grid->setColumnStretch(0, 2);
    grid->setColumnStretch(1, 3);
    auto* dateRow = new QHBoxLayout;
    dateRow->addWidget(step2);
    dateRow->addWidget(date_);
    dateRow->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid, 1);
    layout->addLayout(dateRow);
    layout->addLayout(buttonRow({validate_, import_, closeButton}));
    resize(560, 400);
}

// Import waits for a fresh validation after every change of file or date.
void TextImportScreen::offerValidate() {
    import_->hide();
    validate_->show();
}

QString TextImportScreen::chosenPath() const {
    return chosenFilePath(files_, main_.context().state.installFolder);
}

void TextImportScreen::takeFile(const QString& path) {
    if (!path.isEmpty())
        chooseFile(files_, main_.context().state.installFolder, path);
}

void TextImportScreen::view() {
    const QString path = chosenPath();
    if (path.isEmpty())
        return; // the choice was taken back
    const BusyCursor busy;
    try {
        showContents(contents_, viewTextFile(path));
    } catch (const FileError&) {
        main_.context().dialogs.message(QStringLiteral("Your txt file is not valid"));
    }
}

void TextImportScreen::validate() {
    const QString path = chosenPath();
    Dialogs& dialogs = main_.context().dialogs;
    if (path.isEmpty()) {
        dialogs.message(kNoFile);
        return;
    }
    ImportValidation validation;
    {
        const BusyCursor busy;
        validation =
            validateTextImport(main_.context().state.installFolder, game_, path, date_->value());
    }
    dialogs.message(validation.message);
    if (validation.valid) {
        import_->show();
        validate_->hide();
    }
}

void TextImportScreen::import() {
    AppState& state = main_.context().state;
    ImportResult result;
    {
        const BusyCursor busy;
        result = importTextEntry(state.installFolder, game_, chosenPath(), date_->value());
    }
    main_.context().dialogs.message(result.message);
    if (!result.imported) {
        // The file or the date no longer passes: check again before importing.
        offerValidate();
        return;
    }
    // The main screen lists the new lines when it shows this very file.
    if (result.targetFile == state.currentEntryFile) {
        importDone_ = true;
        main_.controls().Text2->setText(QString::number(result.lines));
    }
}

void TextImportScreen::onClosing() {
    emit importClosed(importDone_);
}

} // namespace numbrava
