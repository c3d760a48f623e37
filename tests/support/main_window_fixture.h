#pragma once

#include "data/app_state.h"
#include "data/draw_history_file.h"
#include "data/entry_file.h"
#include "main/main_window.h"
#include "support/fake_services.h"
#include "support/file_bytes.h"
#include "support/screen_finder.h"
#include "ui/date_picker.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <memory>

namespace numbrava::testing {

struct FakeServices {
    AppState state;
    FakeDialogs dialogs;
    FakePrinter printer;
    FakeSound sound;
    FixedClock clock;
    ScriptedRandom random;
    AppContext context{state, dialogs, printer, sound, clock, random};
};

// A main window on a temporary data folder; prepare files in folder(), then call startWindow().
class MainWindowTest : public ::testing::Test, protected FakeServices {
  protected:
    QTemporaryDir dir;
    std::unique_ptr<MainWindow> window;

    QString folder() const { return dir.path(); }
    QString file(const QString& name) const { return dir.path() + QLatin1Char('/') + name; }

    MainWindow& startWindow() {
        state.installFolder = folder();
        window = std::make_unique<MainWindow>(context);
        window->start();
        return *window;
    }
    MainWindow& startOn(GameCode game) {
        startWindow();
        clickGame(game);
        return *window;
    }
    // Clicks the game's option button on its round indicator, as a user does.
    void clickGame(GameCode game) {
        for (const auto& [option, optionGame] : window->gameOptions())
            if (optionGame == game)
                QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
    }

    template <typename T> T* child(const char* name) const {
        return control<T>(window.get(), name);
    }
    QAction* action(const char* name) const { return child<QAction>(name); }
    QStringList rows(const char* list) const {
        return modelTexts(child<QListWidget>(list)->model());
    }

    // The numbers of the ball pictures shown on the main screen, in slot order.
    std::vector<int> shownBalls() const {
        std::vector<int> numbers;
        for (QLabel* image : window->controls().Image2)
            if (!image->isHidden())
                numbers.push_back(image->property("pictureNumber").toInt());
        return numbers;
    }

    void storeDraw(GameCode game, QDate date, std::array<std::int16_t, 5> balls, int bonus) {
        DrawHistoryFile::insertDraw(historyFilePath(folder(), game), balls,
                                    static_cast<std::int16_t>(bonus), date.day(), date.month(),
                                    date.year());
    }
    void storeLines(GameCode game, QDate date, const std::vector<EntryLine>& lines) {
        for (const EntryLine& line : lines)
            EntryFile::appendLine(datedEntryFileName(folder(), game, date), line);
    }
};

} // namespace numbrava::testing
