#pragma once

#include "data/app_state.h"
#include "main/main_window.h"
#include "support/fake_services.h"

#include <QAction>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace numbrava::testing {

// A main window on a temporary data folder with test doubles for every
// service. Tests prepare files in folder() and then call startWindow().
class MainWindowTest : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    AppState state;
    FakeDialogs dialogs;
    FakePrinter printer;
    FakeSound sound;
    FixedClock clock;
    ScriptedRandom random;
    AppContext context{state, dialogs, printer, sound, clock, random};
    std::unique_ptr<MainWindow> window;

    QString folder() const { return dir.path(); }
    QString file(const QString& name) const { return dir.path() + QLatin1Char('/') + name; }

    MainWindow& startWindow() {
        state.installFolder = folder();
        window = std::make_unique<MainWindow>(context);
        window->start();
        return *window;
    }

    template <typename T> T* child(const char* name) const {
        T* found = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QAction* action(const char* name) const { return child<QAction>(name); }
};

} // namespace numbrava::testing
