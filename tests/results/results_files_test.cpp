// Results files: the shapes read, the refusals, the preview and import on screen, the round trip.
#include "data/record_file.h"
#include "results/results_export.h"
#include "results/results_import.h"
#include "support/main_window_fixture.h"
#include "support/temp_folder.h"

#include <QMenu>

using namespace numbrava;
using namespace numbrava::testing;

namespace {
const QByteArray kHeader = "date,b1,b2,b3,b4,b5,bonus";

struct ShippedCsv {
    GameCode game;
    const char* file;
    const char* shape2Header; // the open-data header as its lottery publishes it
    const char* shape3Header;
};
const ShippedCsv kCsvs[] = {
    {Powerball, "powerball-2002-2005.csv", "Draw Date,Winning Numbers,Multiplier",
     "date,white_balls,powerball"},
    {MegaMillions, "megamillions-2002-2005.csv", "Draw Date,Winning Numbers,Mega Ball,Jackpot",
     "date,white_balls,mega_ball,megaplier"},
    {Powerball69, "powerball-2015-2026.csv", "draw date , winning numbers,Multiplier",
     "Date,White_Balls,Powerball,Power_Play"},
    {MegaMillions70, "megamillions-2017-2026.csv", "Draw Date,Winning Numbers,MEGA BALL,Multiplier",
     "date,white_balls,mega_ball"}};

QString shippedCsv(const ShippedCsv& csv) {
    return QStringLiteral(NUMBRAVA_SOURCE_DIR "/data/") + QLatin1String(csv.file);
}

// Plain rows rewritten in a shape: numbers reversed, US dates with and without leading zeros.
QByteArray inShape(int shape, const ShippedCsv& csv, const QList<QByteArray>& rows) {
    QByteArray text = "\xEF\xBB\xBF" + (shape == 1   ? kHeader
                                        : shape == 2 ? QByteArray(csv.shape2Header)
                                                     : QByteArray(csv.shape3Header));
    for (int i = 0; i < rows.size(); ++i) {
        const QList<QByteArray> f = rows[i].split(',');
        const QDate d = QDate::fromString(QString::fromLatin1(f[0]), Qt::ISODate);
        const QByteArray us =
            QString::asprintf(i % 2 ? "%02d/%02d/%d" : "%d/%d/%d", d.month(), d.day(), d.year())
                .toLatin1();
        const QList<QByteArray> mains{f[5], f[4], f[3], f[2], f[1]};
        const bool ownColumn = QByteArray(csv.shape2Header).toLower().contains("mega ball");
        text += "\r\n";
        if (shape == 1)
            text += f[0] + ',' + mains.join(',') + ',' + f[6];
        else if (shape == 2 && ownColumn)
            text += us + ',' + mains.join(' ') + ",0" + f[6] + ",\"$1,000,000\"";
        else if (shape == 2)
            text += us + ",\"" + mains.join(' ') + ' ' + f[6] + "\",2";
        else
            text += us + ',' + mains.join('|') + ',' + f[6] + ",3";
    }
    return text + "\r\n\r\n";
}
} // namespace

TEST(ResultsCsv, ThreeShapesOfRealRowsReadAsTheirPlainRows) {
    for (const ShippedCsv& csv : kCsvs) {
        const QList<QByteArray> lines = fileBytes(shippedCsv(csv)).trimmed().split('\n');
        const QList<QByteArray> rows{lines[1], lines[2], lines.last()};
        for (int shape : {1, 2, 3}) {
            SCOPED_TRACE(std::string(csv.file) + " shape " + std::to_string(shape));
            const ResultsCsv read = readResultsCsv(inShape(shape, csv, rows), csv.game);
            EXPECT_EQ(read.headerRefusal, QString());
            EXPECT_EQ(read.rowsRead, 3);
            std::vector<DrawRecord> draws;
            for (const ReadDraw& row : read.draws)
                draws.push_back(row.draw);
            EXPECT_EQ(resultsCsvText(draws), kHeader + '\n' + rows.join('\n') + '\n');
        }
    }
}

TEST(ResultsCsv, EachRowIsRefusedOnceForItsFirstReason) {
    const GameCode PB = Powerball, MM = MegaMillions, PB69 = Powerball69, MM70 = MegaMillions70;
    // clang-format off
    const struct { GameCode game; const char* row; const char* reason; } cases[] = {
        {PB69, "2021-08-23,1,2,3,4,69,26", ""},   {PB69, "2021-08-16,1,2,3,4,5,6", "Monday, not a draw day"},
        {PB69, "2015-10-03,1,2,3,4,5,6", "before the first draw"},
        {PB69, "2016-01-02,1,2,3,4,70,6", "70 is outside 1 to 69"},
        {PB69, "2016-01-02,1,2,3,4,5,27", "Powerball 27 is outside 1 to 26"},
        {MM70, "2025-04-04,1,2,3,4,70,25", ""}, {MM70, "2025-04-08,1,2,3,4,70,25", "outside 1 to 24"},
        {PB, "1990-01-06,1,2,3,4,53,42", ""},   {MM, "2003-07-05,1,2,3,4,52,52", "not a draw day"},
        {PB, "2003-07-05,1,2,9,4,9,6", "9 is repeated"}, {PB, "2003-02-29,1,2,3,4,5,6", "does not exist"},
        {PB, "2003-07-05,1,2,3,4,5", "missing fields"},  {PB, "2003-07-05,1,2,,4,5,6", "missing fields"},
        {PB, "2003-07-05,1,2,x,4,5,6", "\"x\" is not a number"}, {PB, "7/5/2003,1,2,3,4,5,6", "not a date"},
        {PB, "2003-07-06,1,1,99,4,5,6", "Sunday, not a draw day"}};
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.row);
        const ResultsCsv read = readResultsCsv(kHeader + "\n\n" + c.row, c.game);
        EXPECT_EQ(read.draws.size() + read.refused.size(), 1u);
        const QString got = read.refused.empty() ? QString()
                                                 : QStringLiteral("line %1: %2")
                                                       .arg(read.refused[0].line)
                                                       .arg(read.refused[0].reason);
        EXPECT_EQ(got.isEmpty(), *c.reason == '\0') << got.toStdString();
        EXPECT_TRUE(got.isEmpty() || got.startsWith(QLatin1String("line 3: ")));
        EXPECT_TRUE(got.contains(QLatin1String(c.reason))) << got.toStdString();
    }
    const QString refusal = readResultsCsv("Date;N1;N2\n2003-07-05", Powerball).headerRefusal;
    for (const char* header :
         {"date,b1,b2,b3,b4,b5,bonus", "Draw Date,Winning Numbers", "white_balls"})
        EXPECT_TRUE(refusal.contains(QLatin1String(header))) << refusal.toStdString();
}

// The history keeps at most 32767 draws: a file that would pass that is refused whole.
TEST(ResultsCsv, AFileThatWouldOverfillTheHistoryIsRefused) {
    const QByteArray csv = kHeader + "\n2003-07-02,1,2,3,4,5,6\n2003-07-05,1,2,3,4,5,6\n";
    for (int stored : {kMaxRecords - 2, kMaxRecords - 1}) {
        const ImportPreview preview =
            previewImport(csv, Powerball, std::vector<DrawRecord>(stored));
        EXPECT_EQ(preview.refusal.contains(QLatin1String("32767")), stored == kMaxRecords - 1);
    }
}

class ResultsFiles : public MainWindowTest {
  protected:
    TempFolder outside; // results files live away from the data folder
    QStringList answers;
    std::vector<FileChoice> asked;

    void SetUp() override {
        dialogs.chooser = [this](const FileChoice& choice) {
            asked.push_back(choice);
            return answers.isEmpty() ? QString() : answers.takeFirst();
        };
    }
    void TearDown() override { closeScreens("ImportResults"); }
    void startWith(GameCode game) {
        startWindow();
        for (const auto& [option, optionGame] : window->gameOptions())
            if (optionGame == game)
                option->click();
    }
    QWidget* preview(const QString& csv) {
        if (!visibleScreen("ImportResults"))
            action("mnuImportResults")->trigger();
        QWidget* screen = visibleScreen("ImportResults");
        answers << csv;
        QTest::mouseClick(control<QPushButton>(screen, "Command1"), Qt::LeftButton);
        return screen;
    }
    static void click(QWidget* screen, const char* button) {
        QTest::mouseClick(control<QPushButton>(screen, button), Qt::LeftButton);
    }
    static QStringList counts(QWidget* screen) {
        QStringList texts;
        for (const char* box : {"Text2", "Text3", "Text4", "Text5", "Text6"})
            texts << control<QLineEdit>(screen, box)->text();
        return texts;
    }
    static QStringList listed(QWidget* screen) {
        return modelTexts(control<QListWidget>(screen, "List1")->model());
    }
};

TEST_F(ResultsFiles, PreviewWritesNothingAndImportAddsOnlyNewDraws) {
    storeDraw(Powerball69, {2015, 10, 7}, {18, 30, 40, 48, 52}, 9);
    storeDraw(Powerball69, {2015, 10, 10}, {12, 27, 29, 43, 68}, 1);
    startWith(Powerball69);
    const QList<QAction*> fileMenu = window->controls().mnuFile->actions();
    EXPECT_EQ(fileMenu.indexOf(action("mnuImportResults")),
              fileMenu.indexOf(action("mnuImport")) + 1);
    EXPECT_EQ(fileMenu.indexOf(action("mnuExportResults")),
              fileMenu.indexOf(action("mnuImport")) + 2);
    const QString history = file("pbk69.rtl");
    const QByteArray before = fileBytes(history);
    const QString csv = outside.writeFile("results.csv", kHeader + "\n"
                                                                   "2015-10-07,18,30,40,48,52,9\n"
                                                                   "2015-10-10,12,27,29,43,68,2\n"
                                                                   "2015-10-14,1,2,3,4,5,6\n"
                                                                   "2015-10-14,1,2,3,4,5,7\n"
                                                                   "2015-10-17,5,4,3,2,1,6\n"
                                                                   "2015-10-14,5,4,3,2,1,6\n"
                                                                   "2015-10-15,1,2,3,4,5,6\n"
                                                                   "2015-10-17,1,2,3\n");
    QWidget* screen = preview(csv);
    EXPECT_EQ(screen->windowTitle(), QStringLiteral("Import Results"));
    EXPECT_EQ(counts(screen), (QStringList{"8", "2", "2", "2", "2"}));
    const QStringList rows = listed(screen);
    ASSERT_EQ(rows.size(), 4);
    EXPECT_TRUE(rows[0].contains("Line 3 (conflicting)") &&
                rows[0].contains("the history holds 12 27 29 43 68"));
    EXPECT_TRUE(rows[1].contains("Line 5 (conflicting)") &&
                rows[1].contains("line 4 reads 1 2 3 4 5"));
    EXPECT_TRUE(rows[2].contains("Line 8 (refused)") && rows[2].contains("Thursday"));
    EXPECT_TRUE(rows[3].contains("Line 9 (refused)") && rows[3].contains("missing fields"));
    click(screen, "Command3");
    EXPECT_EQ(visibleScreen("ImportResults"), nullptr);
    EXPECT_EQ(fileBytes(history), before);

    // A header none of the shapes has: refused, the Import button stays off.
    screen = preview(outside.writeFile("bad.csv", "Date;Numbers\n"));
    EXPECT_EQ(asked.back().startPath, outside.path()); // the last folder is remembered
    EXPECT_TRUE(dialogs.last().contains("accepted headers"));
    EXPECT_EQ(counts(screen), QStringList(5, "0"));
    EXPECT_FALSE(control<QPushButton>(screen, "Command2")->isEnabled());

    // Changed after its preview: read again, shown again, nothing written.
    preview(csv);
    writeFileBytes(csv, fileBytes(csv) + "2015-10-21,7,8,9,10,11,12\n");
    click(screen, "Command2");
    EXPECT_TRUE(dialogs.last().contains("changed since the preview"));
    EXPECT_EQ(counts(screen)[1], "3");
    EXPECT_EQ(fileBytes(history), before);

    window->controls().DTPicker1->setValue({2015, 10, 17});
    click(screen, "Command2");
    EXPECT_EQ(dialogs.last(), "Done: 3 draws added");
    EXPECT_EQ(visibleScreen("ImportResults"), nullptr);
    EXPECT_EQ(shownBalls(), (std::vector<int>{1, 2, 3, 4, 5, 6}));
    const std::vector<DrawRecord> draws = DrawHistoryFile::readAllDraws(history);
    ASSERT_EQ(draws.size(), 5u);
    EXPECT_EQ(fileBytes(history).mid(4, 48), before.mid(4, 48)); // stored draws untouched
    EXPECT_EQ(draws[4].day, 21);
    const QByteArray other = fileBytes(file("pbk.rtl"));
    answers << file("pbk.rtl");
    action("mnuExportResults")->trigger();
    EXPECT_TRUE(dialogs.last().startsWith("The file pbk.rtl holds the draws of Powerball"));
    EXPECT_EQ(fileBytes(file("pbk.rtl")), other);
}

// Import into an empty history, then Export, gives the shipped file byte for byte, and again.
TEST_F(ResultsFiles, ExportOfAnImportedFileIsThatFile) {
    startWindow();
    for (const ShippedCsv& csv : kCsvs) {
        SCOPED_TRACE(csv.file);
        for (const auto& [option, game] : window->gameOptions())
            if (game == csv.game)
                option->click();
        const QByteArray shipped = fileBytes(shippedCsv(csv));
        QWidget* screen = preview(shippedCsv(csv));
        EXPECT_EQ(counts(screen)[4], "0");
        click(screen, "Command2");
        EXPECT_EQ(dialogs.last(),
                  QStringLiteral("Done: %1 draws added").arg(shipped.count('\n') - 1));
        answers << outside.filePath("export.csv");
        action("mnuExportResults")->trigger();
        EXPECT_TRUE(
            asked.back().startPath.endsWith(gameInfo(csv.game).historyFile.chopped(3) + "csv"));
        EXPECT_EQ(fileBytes(outside.filePath("export.csv")), shipped);

        TempFolder empty;
        const QString history = historyFilePath(empty.path(), csv.game);
        storeNewDraws(history,
                      previewResultsFile(outside.filePath("export.csv"), history, csv.game));
        exportResults(history, empty.filePath("again.csv"));
        EXPECT_EQ(fileBytes(empty.filePath("again.csv")), shipped);
        EXPECT_EQ(fileBytes(history), fileBytes(historyFilePath(folder(), csv.game)));
    }
}
