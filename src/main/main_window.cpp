#include "main/main_window.h"

#include "data/draw_history_file.h"
#include "data/entry_file.h"
#include "data/file_error.h"
#include "data/last_game_file.h"
#include "main/about_screen.h"
#include "main/draw_check.h"
#include "ui/accessibility.h"
#include "ui/ball_pictures.h"
#include "ui/date_picker.h"
#include "ui/decoration_pictures.h"
#include "ui/file_guard.h"
#include "ui/help_viewer.h"
#include "ui/list_font.h"
#include "ui/screen_parts.h"
#include "ui/secondary_screen.h"
#include "ui/window_place.h"
#include "wheels/wheel_catalogue.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace numbrava {

namespace {
template <typename W> W* named(W* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QLineEdit* countBox(const char* name) {
    auto* box = named(new QLineEdit(QStringLiteral("0")), name);
    box->setReadOnly(true);
    box->setAlignment(Qt::AlignRight);
    box->setMaximumWidth(70);
    box->setFocusPolicy(Qt::ClickFocus);
    return box;
}

QListWidget* lineList(const char* name) {
    auto* list = named(new QListWidget, name);
    list->setFont(fixedListFont());
    list->setUniformItemSizes(true);
    return list;
}
} // namespace

MainWindow::MainWindow(AppContext& context, QWidget* parent) : QMainWindow(parent), ctx_(context) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Numbrava Multi-State Powerball and Mega Millions"));
    const QIcon icon(logoPicture(2.0).copy(80, 0, 88, 88));
    setWindowIcon(icon);
    // Message boxes and the help carry it too, whichever window opened them.
    QApplication::setWindowIcon(icon);
    buildUi();
    buildMenus();
    connectControls();
    setupResultActions();
    setupCheckActions();
    setupEntryActions();
    setupPrintingActions();
    setupWheelActions();
    setupHistoryActions();
    setupStatsActions();
    setupOptimizerActions();
    setupStandingActions();
    setupFilterActions();
    setupPayoutActions();
    setupDownloadActions();
    setupImportActions();
    setupResultsFileActions();
    setupUndoActions();
    // The pictures are named by what they open, after the captions under them.
    ui_.Image1->setAccessibleName(QStringLiteral("History: draw results"));
    ui_.Image3->setAccessibleName(QStringLiteral("Stats: draw statistics"));
    prepareForKeyboard(this);
}

MainWindow::~MainWindow() = default;

void MainWindow::buildUi() {
    auto* central = new QWidget(this);
    setCentralWidget(central);

    // Game, result date and the draw shown.
    ui_.Frame1 = named(new QGroupBox(QStringLiteral("Select Game Type and Draw Date")), "Frame1");
    ui_.Frame2 = named(new QGroupBox(QStringLiteral("Select Entry Type")), "Frame2");
    ui_.Option3 = named(new QRadioButton(QStringLiteral("Powerball")), "Option3");
    ui_.Option2 = named(new QRadioButton(QStringLiteral("Mega Millions")), "Option2");
    ui_.Option4 = named(new QRadioButton(gameInfo(Powerball69).name), "Option4");
    ui_.Option5 = named(new QRadioButton(gameInfo(MegaMillions70).name), "Option5");
    auto* games = new QButtonGroup(this);
    // The games of 2002-2005 on the first row, today's two below them.
    auto* gameRows = new QGridLayout(ui_.Frame2);
    int cell = 0;
    for (const auto& [option, game] : gameOptions()) {
        games->addButton(option);
        gameRows->addWidget(option, cell / 2, cell % 2);
        ++cell;
    }
    gameRows->setColumnStretch(2, 1);

    ui_.Frame3 = named(new QGroupBox(QStringLiteral("Draw Date")), "Frame3");
    ui_.DTPicker1 = named(new DatePicker, "DTPicker1");
    ui_.Command1 = namedButton("Command1", QStringLiteral("Add Draw Result"));
    ui_.Command2 = namedButton("Command2", QStringLiteral("Delete Draw"));
    auto* dateBox = new QVBoxLayout(ui_.Frame3);
    dateBox->addWidget(ui_.DTPicker1);
    auto* drawButtons = new QHBoxLayout;
    drawButtons->addWidget(ui_.Command1);
    drawButtons->addWidget(ui_.Command2);
    dateBox->addLayout(drawButtons);

    ui_.Label4 = named(new QLabel(QStringLiteral("Draw Result")), "Label4");
    QFont heading = ui_.Label4->font();
    heading.setBold(true);
    ui_.Label4->setFont(heading);

    ui_.Picture1 = named(new QFrame, "Picture1");
    ui_.Picture1->setFrameShape(QFrame::StyledPanel);
    auto* balls = new QGridLayout(ui_.Picture1);
    balls->setHorizontalSpacing(6);
    for (int slot = 0; slot < 6; ++slot) {
        auto* image = new QLabel;
        image->setObjectName(QStringLiteral("Image2_%1").arg(slot));
        image->setFixedSize(BallPictures::kSize, BallPictures::kSize);
        image->setAlignment(Qt::AlignCenter);
        QSizePolicy policy = image->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        image->setSizePolicy(policy);
        ui_.Image2[static_cast<size_t>(slot)] = image;
        balls->addWidget(image, 0, slot < 5 ? slot : 6);
    }
    balls->setColumnMinimumWidth(5, 14);
    ui_.Label3 = named(new QLabel(QStringLiteral("Powerball")), "Label3");
    ui_.Label3->setAlignment(Qt::AlignCenter);
    balls->addWidget(ui_.Label3, 1, 5, 1, 3, Qt::AlignCenter);

    auto pictureButton = [](const char* name, const QPixmap& picture) {
        auto* b = named(new QToolButton, name);
        b->setIcon(QIcon(picture));
        b->setIconSize(QSize(40, 40));
        b->setAutoRaise(true);
        b->setCursor(Qt::PointingHandCursor);
        return b;
    };
    const qreal ratio = devicePixelRatioF();
    ui_.Image1 = pictureButton("Image1", historyPicture(ratio));
    ui_.Image1->setToolTip(QStringLiteral("All stored draws of this game"));
    ui_.Label1 = named(new QLabel(QStringLiteral("History")), "Label1");
    ui_.Image3 = pictureButton("Image3", statsPicture(ratio));
    ui_.Image3->setToolTip(QStringLiteral("How often each ball was drawn"));
    ui_.Label2 = named(new QLabel(QStringLiteral("Stats")), "Label2");
    ui_.Image4 = named(new QLabel, "Image4");
    ui_.Image4->setPixmap(logoPicture(ratio));

    auto pictureColumn = [](QToolButton* picture, QLabel* caption) {
        auto* column = new QVBoxLayout;
        column->addWidget(picture, 0, Qt::AlignHCenter);
        column->addWidget(caption, 0, Qt::AlignHCenter);
        return column;
    };
    auto* pictures = new QHBoxLayout;
    pictures->addLayout(pictureColumn(ui_.Image1, ui_.Label1));
    pictures->addLayout(pictureColumn(ui_.Image3, ui_.Label2));
    pictures->addStretch();
    pictures->addWidget(ui_.Image4, 0, Qt::AlignBottom);

    auto* left = new QVBoxLayout(ui_.Frame1);
    left->addWidget(ui_.Frame2);
    left->addWidget(ui_.Frame3);
    left->addSpacing(6);
    left->addWidget(ui_.Label4);
    left->addWidget(ui_.Picture1);
    left->addSpacing(6);
    left->addLayout(pictures);
    left->addStretch();

    // Entries of the entries date.
    ui_.Frame5 = named(new QGroupBox(QStringLiteral("My Enties")), "Frame5");
    ui_.DTPicker2 = named(new DatePicker, "DTPicker2");
    ui_.List1 = lineList("List1");
    ui_.List1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    ui_.Text2 = countBox("Text2");
    ui_.Label5 = named(new QLabel(QStringLiteral("Entries")), "Label5");
    ui_.Command4 = namedButton("Command4", QStringLiteral("Add"));
    ui_.Command6 = namedButton("Command6", QStringLiteral("Edit"));
    ui_.Command5 = namedButton("Command5", QStringLiteral("Delete"));
    ui_.Command14 = namedButton("Command14", QStringLiteral("Check"));
    ui_.Command12 = namedButton("Command12", QStringLiteral("History"));
    ui_.Command9 = namedButton("Command9", QStringLiteral("Print"));
    ui_.Command3 = namedButton("Command3", QStringLiteral("Dated Entry"));
    QFont strong = ui_.Command14->font();
    strong.setBold(true);
    ui_.Command14->setFont(strong);

    auto* entryButtons = new QVBoxLayout;
    for (auto* b : {ui_.Command4, ui_.Command6, ui_.Command5, ui_.Command14, ui_.Command12,
                    ui_.Command9, ui_.Command3})
        entryButtons->addWidget(b);
    entryButtons->addStretch();
    auto* entryCount = new QHBoxLayout;
    entryCount->addWidget(ui_.Label5);
    entryCount->addWidget(ui_.Text2);
    entryCount->addStretch();
    auto* entries = new QGridLayout(ui_.Frame5);
    auto* entriesDate = new QHBoxLayout;
    entriesDate->addWidget(ui_.DTPicker2);
    entriesDate->addStretch();
    entries->addLayout(entriesDate, 0, 0);
    entries->addWidget(ui_.List1, 1, 0);
    entries->addLayout(entryButtons, 1, 1);
    entries->addLayout(entryCount, 2, 0);
    entries->setRowStretch(1, 1);

    // Winning lines of the last check.
    ui_.Frame6 = named(new QGroupBox(QStringLiteral("Winning Lines")), "Frame6");
    ui_.List2 = lineList("List2");
    ui_.List2->setSelectionMode(QAbstractItemView::SingleSelection);
    ui_.Text3 = countBox("Text3");
    ui_.Label6 = named(new QLabel(QStringLiteral("Total Wins")), "Label6");
    ui_.Command10 = namedButton("Command10", QStringLiteral("Print"));
    auto* winButtons = new QVBoxLayout;
    winButtons->addWidget(ui_.Label6);
    winButtons->addWidget(ui_.Text3);
    winButtons->addWidget(ui_.Command10);
    winButtons->addStretch();
    auto* wins = new QGridLayout(ui_.Frame6);
    wins->addWidget(ui_.List2, 0, 0);
    wins->addLayout(winButtons, 0, 1);

    auto* right = new QVBoxLayout;
    right->addWidget(ui_.Frame5, 3);
    right->addWidget(ui_.Frame6, 2);

    auto* columns = new QHBoxLayout(central);
    columns->addWidget(ui_.Frame1, 0);
    columns->addLayout(right, 1);

    ui_.DTPicker2->setMinimumWidth(ui_.DTPicker1->sizeHint().width() + 40);

    // The two equal-width button columns line up.
    const int buttonWidth = qMax(ui_.Command3->sizeHint().width(), 110);
    for (auto* b : {ui_.Command4, ui_.Command6, ui_.Command5, ui_.Command14, ui_.Command12,
                    ui_.Command9, ui_.Command3, ui_.Command10})
        b->setMinimumWidth(buttonWidth);
    ui_.Text3->setMaximumWidth(buttonWidth);

    // The smallest window still shows a whole winning line with its prize
    // label, beside a scroll bar.
    const QString widest = winningLineText(Powerball, EntryLine{{1, 2, 3, 4, 5}, 6}, 1);
    ui_.List2->setMinimumWidth(QFontMetrics(ui_.List2->font()).horizontalAdvance(widest) +
                               style()->pixelMetric(QStyle::PM_ScrollBarExtent) +
                               2 * ui_.List2->frameWidth() + 12);

    resize(900, 600);
}

void MainWindow::buildMenus() {
    auto action = [this](QMenu* menu, const char* name, const QString& caption) {
        QAction* a = menu->addAction(caption);
        a->setObjectName(QString::fromLatin1(name));
        return a;
    };
    auto menu = [](QMenu* owner, const char* name, const QString& caption) {
        QMenu* m = owner->addMenu(caption);
        m->setObjectName(QString::fromLatin1(name));
        return m;
    };
    auto topMenu = [this](const char* name, const QString& caption) {
        QMenu* m = menuBar()->addMenu(caption);
        m->setObjectName(QString::fromLatin1(name));
        return m;
    };

    ui_.mnuFile = topMenu("mnuFile", QStringLiteral("&File"));
    ui_.mnuUpdateResults =
        action(ui_.mnuFile, "mnuUpdateResults", QStringLiteral("Update Results"));
    ui_.mnuDelete = action(ui_.mnuFile, "mnuDelete", QStringLiteral("Entry File Deletion"));
    ui_.mnufilter = action(ui_.mnuFile, "mnufilter", QStringLiteral("Filter Current Entry"));
    ui_.mnuImport = action(ui_.mnuFile, "mnuImport", QStringLiteral("Import TXT Entry"));
    ui_.mnuImportResults =
        action(ui_.mnuFile, "mnuImportResults", QStringLiteral("Import Results…"));
    ui_.mnuExportResults =
        action(ui_.mnuFile, "mnuExportResults", QStringLiteral("Export Results…"));
    ui_.mnuprinterselect =
        action(ui_.mnuFile, "mnuprinterselect", QStringLiteral("Select Printer"));
    ui_.mnuMaintainPayouts = menu(ui_.mnuFile, "mnuMaintainPayouts", QStringLiteral("Payouts"));
    ui_.mnuDEfaults =
        action(ui_.mnuMaintainPayouts, "mnuDEfaults", QStringLiteral("Maintain Default Payouts"));
    ui_.mnuactualpayouts = action(ui_.mnuMaintainPayouts, "mnuactualpayouts",
                                  QStringLiteral("Maintain Actual Payouts"));
    ui_.mnuFile->addSeparator();
    ui_.mnuExit = action(ui_.mnuFile, "mnuExit", QStringLiteral("Exit"));
    ui_.mnuExit->setShortcut(QKeySequence::Quit);

    ui_.mnuEdit = topMenu("mnuEdit", QStringLiteral("&Edit"));
    ui_.mnuUndo = action(ui_.mnuEdit, "mnuUndo", QStringLiteral("Undo"));
    ui_.mnuRedo = action(ui_.mnuEdit, "mnuRedo", QStringLiteral("Redo"));

    ui_.mnuWheels = topMenu("mnuWheels", QStringLiteral("&Wheels"));
    ui_.mnuWheelCreate = action(ui_.mnuWheels, "mnuWheelCreate", QStringLiteral("Create"));
    ui_.mnuWheelOpen = menu(ui_.mnuWheels, "mnuWheelOpen", QStringLiteral("Open"));
    for (const WheelKind& kind : wheelCatalogue()) {
        QAction* open = ui_.mnuWheelOpen->addAction(kind.menuCaption);
        open->setObjectName(kind.menuObjectName);
        ui_.mnuWheelOpenType[static_cast<size_t>(kind.type - 1)] = open;
    }

    ui_.mnustand = topMenu("mnustand", QStringLiteral("&Standing Entry"));
    ui_.mnustandsave =
        action(ui_.mnustand, "mnustandsave", QStringLiteral("Save as Standing Entry"));
    ui_.mnustandopen = action(ui_.mnustand, "mnustandopen", QStringLiteral("Open Standing Entry"));

    ui_.mnuopt = topMenu("mnuopt", QStringLiteral("&Optimized Entry"));
    ui_.mnuoptcreate = action(ui_.mnuopt, "mnuoptcreate", QStringLiteral("Create"));

    ui_.mnuHlp = topMenu("mnuHlp", QStringLiteral("&Help"));
    ui_.mnuHelp = action(ui_.mnuHlp, "mnuHelp", QStringLiteral("Contents"));
    ui_.mnuHelp->setShortcut(QKeySequence::HelpContents);
    ui_.mnuAbout = action(ui_.mnuHlp, "mnuAbout", QStringLiteral("About Numbrava"));
}

void MainWindow::connectControls() {
    for (const auto& [option, game] : gameOptions())
        connect(option, &QRadioButton::toggled, this, [this, game = game](bool on) {
            if (on)
                switchGame(game);
        });
    connect(ui_.DTPicker1, &DatePicker::changed, this, &MainWindow::lookUpDraw);
    connect(ui_.DTPicker2, &DatePicker::changed, this, &MainWindow::loadDatedEntryFile);
    connect(ui_.Command2, &QPushButton::clicked, this,
            [this] { runAsStep([this] { deleteDraw(); }); });
    connect(ui_.mnuExit, &QAction::triggered, this, &QWidget::close);
    connect(ui_.mnuHelp, &QAction::triggered, this, [this] { openHelpAt(QString()); });
    connect(ui_.mnuAbout, &QAction::triggered, this, &MainWindow::openAbout);
}

void MainWindow::start() {
    const QDate today = ctx_.clock.today();
    // Signals stay quiet until a game is chosen: that choice loads both.
    {
        const QSignalBlocker block1(ui_.DTPicker1);
        const QSignalBlocker block2(ui_.DTPicker2);
        ui_.DTPicker1->setValue(today);
        ui_.DTPicker2->setValue(today);
    }
    hideDrawBalls();
    ctx_.state.openWheelType = 0;
    const GameCode last = readLastGame(ctx_.state.installFolder);
    for (const auto& [option, game] : gameOptions())
        if (game == last)
            option->setChecked(true);
    selectSavedPrinter();
    ui_.Command3->hide();
    restoreWindowPlace(this);
}

std::array<std::pair<QRadioButton*, GameCode>, 4> MainWindow::gameOptions() const {
    return {{{ui_.Option3, Powerball},
             {ui_.Option2, MegaMillions},
             {ui_.Option4, Powerball69},
             {ui_.Option5, MegaMillions70}}};
}

GameCode MainWindow::gameOfOptions() const {
    for (const auto& [option, game] : gameOptions())
        if (option->isChecked())
            return game;
    return MegaMillions;
}

void MainWindow::setFrameCaptions(GameCode game) {
    const GameInfo& info = gameInfo(game);
    ui_.Frame5->setTitle(info.entriesFrameCaption);
    ui_.Frame3->setTitle(info.drawDateFrameCaption);
    ui_.Frame6->setTitle(info.winningLinesFrameCaption);
}

void MainWindow::switchGame(GameCode game) {
    EntryFile::deleteEmptyEntryFile(ctx_.state.currentEntryFile);
    resetMainScreen();
    const GameInfo& info = gameInfo(game);
    if (info.bonusName == gameInfo(Powerball).bonusName)
        ui_.Label3->setVisible(true);
    ui_.Label3->setText(info.bonusName);
    ui_.Command3->hide();
    ui_.DTPicker2->setVisible(true);
    setFrameCaptions(game);
    ctx_.state.selectedGame = game;
    loadDatedEntryFile();
    lookUpDraw();
    if (ui_.Text2->text() != QStringLiteral("0") && isDrawShown())
        checkEntries();
}

void MainWindow::showDrawBall(int slot, int number) {
    if (slot < 0 || slot > 5)
        return;
    const GameInfo& info = gameInfo(ctx_.state.selectedGame);
    const int list = slot < 5 ? info.mainPictureList : info.bonusPictureList;
    QLabel* image = ui_.Image2[static_cast<size_t>(slot)];
    const QPixmap picture = BallPictures::picture(list, number, devicePixelRatioF());
    if (picture.isNull())
        image->setText(QString::number(number)); // a number no picture shows
    else
        image->setPixmap(picture);
    image->setProperty("pictureList", list);
    image->setProperty("pictureNumber", number);
    image->setToolTip(QString::number(number));
    image->setAccessibleName(ballPictureName(slot, number, info.bonusName));
    ctx_.state.displayedDraw[static_cast<size_t>(slot)] = static_cast<std::int16_t>(number);
    image->setVisible(true);
}

void MainWindow::hideDrawBalls() {
    for (QLabel* image : ui_.Image2)
        image->setVisible(false);
}

bool MainWindow::isDrawShown() const {
    return !ui_.Image2[0]->isHidden();
}

void MainWindow::resetMainScreen() {
    hideDrawBalls();
    ui_.List1->clear();
    ui_.List2->clear();
    ui_.Text2->setText(QStringLiteral("0"));
    ctx_.state.currentEntryFile.clear();
    ctx_.state.openWheelType = 0;
}

void MainWindow::clearWinningLines() {
    ui_.List2->clear();
    ui_.Text3->setText(QStringLiteral("0"));
}

void MainWindow::reportFileError(const FileError& error) {
    if (error.message() == lastFileProblem_)
        return;
    lastFileProblem_ = error.message();
    ctx_.dialogs.message(error.message());
}

void MainWindow::lookUpDraw() {
    const int day = ui_.DTPicker1->day();
    const int month = ui_.DTPicker1->month();
    const int year = ui_.DTPicker1->year();
    clearWinningLines();
    hideDrawBalls();
    const QString path = historyFilePath(ctx_.state.installFolder, gameOfOptions());
    ctx_.state.currentHistoryFile = path;
    try {
        const int k = DrawHistoryFile::findDraw(path, day, month, year);
        if (k == 0)
            return;
        const DrawRecord draw = DrawHistoryFile::readDraw(path, k);
        for (int slot = 0; slot < 5; ++slot)
            showDrawBall(slot, draw.balls[static_cast<size_t>(slot)]);
        showDrawBall(5, draw.bonus);
        ctx_.state.displayedDrawRecord = static_cast<std::int16_t>(k);
        lastFileProblem_.clear();
    } catch (const FileError& error) {
        reportFileError(error);
    }
}

void MainWindow::loadDatedEntryFile() {
    EntryFile::deleteEmptyEntryFile(ctx_.state.currentEntryFile);
    ui_.List2->clear();
    ui_.List1->clear();
    ui_.Text2->setText(QStringLiteral("0"));
    ui_.Text3->setText(QStringLiteral("0"));
    ctx_.state.currentEntryFile = datedEntryFileName(
        ctx_.state.installFolder, ctx_.state.selectedGame, ui_.DTPicker2->value());
    ui_.Frame5->setTitle(gameInfo(ctx_.state.selectedGame).entriesFrameCaption);
    listEntryFile(ctx_.state.currentEntryFile);
}

void MainWindow::listEntryFile(const QString& path) {
    try {
        const std::vector<EntryLine> lines = EntryFile::readLines(path);
        // One insertion for the whole file: the list lays itself out once.
        QStringList texts;
        texts.reserve(static_cast<qsizetype>(lines.size()));
        for (const EntryLine& line : lines)
            texts << entryDisplayLine(ctx_.state.selectedGame, line);
        ui_.List1->addItems(texts);
        ui_.Text2->setText(QString::number(lines.size()));
        lastFileProblem_.clear();
    } catch (const FileError& error) {
        reportFileError(error);
    }
}

void MainWindow::addEntryLine(const EntryLine& line) {
    ui_.List1->addItem(entryDisplayLine(ctx_.state.selectedGame, line));
}

void MainWindow::deleteDraw() {
    if (!isDrawShown()) {
        ctx_.dialogs.message(QStringLiteral("There is no draw displayed to delete"));
        return;
    }
    if (ctx_.state.displayedDrawRecord == 0) {
        lookUpDraw();
        if (!isDrawShown()) { // the file changed under us; nothing left to delete
            ctx_.dialogs.message(QStringLiteral("There is no draw displayed to delete"));
            return;
        }
    }
    if (!ctx_.dialogs.ask(QStringLiteral("Do you really want to delete this draw?"),
                          QStringLiteral("Numbrava")))
        return;
    const QString path = historyFilePath(ctx_.state.installFolder, gameOfOptions());
    const bool done = guardFileOperation(
        ctx_.dialogs, [&] { DrawHistoryFile::deleteDraw(path, ctx_.state.displayedDrawRecord); });
    if (!done)
        return;
    hideDrawBalls();
    clearWinningLines();
}

void MainWindow::openSecondary(SecondaryScreen* screen) {
    journal_.beginStep();
    // After the screen's own reactions: their reloading belongs to the step.
    connect(screen, &SecondaryScreen::closed, this, [this] {
        journal_.endStep();
        updateUndoActions();
    });
    updateUndoActions();
    screen->openScreen();
}

void MainWindow::openHelpAt(const QString& section) {
    const QString helpFile = ctx_.state.dataFile(QStringLiteral("NUMBRAVA.HLP"));
    if (!HelpViewer::open(helpFile, this, section))
        ctx_.dialogs.message(QStringLiteral("Cannot find Help file in the installation directory"));
}

void MainWindow::openAbout() {
    openSecondary(new AboutScreen(this, ctx_));
}

void MainWindow::shutDown() {
    if (shutDownDone_)
        return;
    shutDownDone_ = true;
    EntryFile::deleteEmptyEntryFile(ctx_.state.currentEntryFile);
    guardFileOperation(ctx_.dialogs,
                       [&] { writeLastGame(ctx_.state.installFolder, gameOfOptions()); });
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Every other screen closes with the program, before the last files are
    // written, so nothing a closing screen does comes after game.dat.
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window != this && window->isVisible())
            window->close();
    if (isVisible())
        saveWindowPlace(this);
    shutDown();
    event->accept();
}

} // namespace numbrava
