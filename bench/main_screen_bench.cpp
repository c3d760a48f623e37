// What the user waits for on the main screen with the largest files: a
// 32767-draw history and a 32767-line entry file of today for both games.
#include "large_files.h"

#include "main/results_list_screen.h"

#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <benchmark/benchmark.h>

using namespace numbrava;
using namespace numbrava::bench;

namespace {

// From nothing to the shown main window: both files read, the lines listed,
// today's draw found and the lines checked against it.
void BM_StartUp_32767Draws_32767Lines(benchmark::State& state) {
    FullFolder folder;
    for (auto _ : state) {
        auto window = folder.shownWindow();
        benchmark::DoNotOptimize(window.get());
        state.PauseTiming();
        window.reset();
        folder.dialogs.clear();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartUp_32767Draws_32767Lines)->Unit(benchmark::kMillisecond);

// Choosing the other game: its lines listed, its draw found and checked.
void BM_GameSwitch_32767Draws_32767Lines(benchmark::State& state) {
    FullFolder folder;
    auto window = folder.shownWindow();
    Form1Controls& ui = window->controls();
    bool powerball = ui.Option3->isChecked();
    for (auto _ : state) {
        powerball = !powerball;
        (powerball ? ui.Option3 : ui.Option2)->click();
        QApplication::processEvents();
        folder.dialogs.clear();
    }
}
BENCHMARK(BM_GameSwitch_32767Draws_32767Lines)->Unit(benchmark::kMillisecond);

// Listing the lines of the entries date just chosen.
void BM_ListEntries_32767Lines(benchmark::State& state) {
    FullFolder folder;
    auto window = folder.shownWindow();
    Form1Controls& ui = window->controls();
    for (auto _ : state) {
        state.PauseTiming();
        ui.List1->clear();
        state.ResumeTiming();
        window->listEntryFile(window->context().state.currentEntryFile);
        QApplication::processEvents();
        benchmark::DoNotOptimize(ui.List1->count());
    }
}
BENCHMARK(BM_ListEntries_32767Lines)->Unit(benchmark::kMillisecond);

// The Check button: the file read, every line checked, the winners listed
// and selected.
void BM_CheckButton_32767Lines(benchmark::State& state) {
    FullFolder folder;
    auto window = folder.shownWindow();
    for (auto _ : state) {
        window->controls().Command14->click();
        QApplication::processEvents();
        folder.dialogs.clear();
    }
}
BENCHMARK(BM_CheckButton_32767Lines)->Unit(benchmark::kMillisecond);

// Opening the results list until it is shown with every draw in it.
void BM_ResultsListScreen_32767Draws(benchmark::State& state) {
    FullFolder folder;
    auto window = folder.shownWindow();
    for (auto _ : state) {
        auto* screen = new ResultsListScreen(*window);
        screen->show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(screen->findChild<QListView*>()->model()->rowCount());
        state.PauseTiming();
        delete screen;
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ResultsListScreen_32767Draws)->Unit(benchmark::kMillisecond);

// Deleting the first line with the Delete button (answered Yes).
void BM_DeleteLineOnMainScreen_32767Lines(benchmark::State& state) {
    FullFolder folder;
    auto window = folder.shownWindow();
    Form1Controls& ui = window->controls();
    const QString path = window->context().state.currentEntryFile;
    for (auto _ : state) {
        state.PauseTiming();
        writeEntryFile(path, kMaxRecords);
        ui.List1->clear();
        window->listEntryFile(path);
        ui.List1->clearSelection();
        ui.List1->item(0)->setSelected(true);
        folder.dialogs.answerYes();
        QApplication::processEvents();
        state.ResumeTiming();
        ui.Command5->click();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_DeleteLineOnMainScreen_32767Lines)->Unit(benchmark::kMillisecond);

} // namespace
