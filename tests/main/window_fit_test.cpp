#include "main/draw_check.h"
#include "support/main_window_fixture.h"
#include "ui/dialogs.h"
#include "ui/title_width.h"

#include <QMessageBox>
#include <QScrollBar>
#include <QTimer>

using namespace numbrava;
using namespace numbrava::testing;

class WindowFit : public MainWindowTest {
  protected:
    void TearDown() override { closeScreens("Form5"); }
};

TEST_F(WindowFit, TheSmallestMainWindowShowsAWholeWinningLine) {
    startWindow();
    auto* wins = child<QListWidget>("List2");
    const QString widest = winningLineText(Powerball, EntryLine{{1, 2, 3, 4, 5}, 6}, 1);
    wins->addItems(QStringList(40, widest)); // enough for a scroll bar beside them
    window->show();
    window->resize(1, 1);
    QCoreApplication::processEvents();
    ASSERT_EQ(window->size(), window->minimumSize());
    EXPECT_TRUE(wins->verticalScrollBar()->isVisible());
    EXPECT_EQ(wins->horizontalScrollBar()->maximum(), 0);
    // Message boxes and the help carry the program's icon as well.
    EXPECT_FALSE(QApplication::windowIcon().isNull());
}

TEST_F(WindowFit, AddEntriesIsWideEnoughForItsWholeCaption) {
    startOn(Powerball);
    child<QPushButton>("Command4")->click();
    QWidget* form5 = visibleScreen("Form5");
    ASSERT_NE(form5, nullptr);
    EXPECT_GE(form5->width(), titleBarWidth(form5->windowTitle(), form5->font()));
}

TEST_F(WindowFit, AShortMessageBoxKeepsItsWholeTitle) {
    QTimer::singleShot(0, [] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        EXPECT_GE(box->width(), titleBarWidth(QStringLiteral("Numbrava"), box->font()));
        box->accept();
    });
    QtDialogs().message(QStringLiteral("Done"));
}
