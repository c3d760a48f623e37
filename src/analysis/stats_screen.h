#pragma once

#include "analysis/stats_counts.h"
#include "ui/secondary_screen.h"

#include <QPointer>
#include <vector>

class QAction;
class QLabel;
class QLineEdit;
class QScrollArea;

namespace numbrava {

class MainView;
class StatsChart;

// Form4: how often each ball of the selected game was drawn, as a bar chart of
// the main balls or the bonus ball, over all draws or the most recent ones,
// in ball order or most frequent first. A bar, or a ball typed for "Info",
// opens the ball information screen over this one. Reads the history file on
// every display and writes nothing.
class StatsScreen : public SecondaryScreen {
    Q_OBJECT
  public:
    explicit StatsScreen(MainView& mainWindow);

    // Chart and window widths of a scale step (1..3), in twips.
    static int chartWidthTwips(int step);
    static int windowWidthTwips(int step);

  protected:
    void onClosing() override;

  private:
    void buildUi();
    void buildMenus();
    void display(StatsView view);
    void redisplay() { display(view_); }
    void setSorted(bool sorted);
    bool sorted() const;
    void setScaleStep(int step);
    int twipsToPixels(int twips) const;
    void openInfoFromText();
    void openInfoFromBar(int row);
    void openBallInfo(int ball, const QString& caption);

    MainView& main_;
    StatsView view_;
    StatsScope scope_{}; // what view_ counts, as of the clock's date
    int scaleStep_ = 1;
    std::vector<BallCount> rows_;       // the chart's rows, to map a bar back to its ball
    StatsChart* chart_ = nullptr;       // MSChart1
    QScrollArea* chartArea_ = nullptr;  // the chart, scrolled on a narrow screen
    QLineEdit* lastDrawsBox_ = nullptr; // Text2
    QLineEdit* ballBox_ = nullptr;      // Text1
    QLabel* scopeLabel_ = nullptr;      // Label3: from which date the draws count
    QAction* sortedYes_ = nullptr;      // mnusortedyes
    QAction* sortedNo_ = nullptr;       // mnusortedno
    QPointer<QWidget> ballInfo_;        // Form26 while open
};

} // namespace numbrava
