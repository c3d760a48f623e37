#pragma once

#include "analysis/stats_counts.h"

#include <QChartView>
#include <vector>

class QBarCategoryAxis;
class QBarSeries;
class QBarSet;
class QValueAxis;

namespace numbrava {

// The bar chart of the statistics screen: one labelled bar per row, in row
// order, with its count written over it. Labels turn upright when the bars are
// too narrow for them to stand side by side. From the keyboard, a highlight
// starts on the first bar, Right and Left move it and Enter clicks its bar.
class StatsChart : public QChartView {
    Q_OBJECT
  public:
    explicit StatsChart(QWidget* parent = nullptr);

    void setRows(const std::vector<BallCount>& rows);
    // Centre of row r's bar (1-based) in the view's coordinates.
    QPoint barCentre(int row) const;

    int barCount() const { return static_cast<int>(rows_.size()); }
    // The keyboard's bar (0-based), -1 when there is none.
    int highlightedBar() const { return highlight_; }
    // "Ball 17: drawn 41 times" for the bar of that index (0-based).
    QString barText(int index) const;
    // Bar of that index (0-based) in the view's coordinates.
    QRect barRect(int index) const;

  signals:
    // Row number (1-based) of the bar clicked.
    void barClicked(int row);

  protected:
    void drawForeground(QPainter* painter, const QRectF& rect) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void showBarTip(bool over, int index);
    void moveHighlight(int index);
    void showHighlight();
    // Background, axes and labels in the colours of the desktop's palette.
    void applyPalette();

    std::vector<BallCount> rows_;
    QBarSeries* series_ = nullptr;
    QBarSet* counts_ = nullptr;
    QBarCategoryAxis* ballAxis_ = nullptr;
    QValueAxis* countAxis_ = nullptr;
    int highlight_ = -1;
};

// Top of the count axis and its tick step: a round step of 1, 2 or 5 times a
// power of ten, with room above the tallest bar for its count.
struct CountAxisScale {
    int top = 0;
    int step = 0;
};
CountAxisScale countAxisScale(int largestCount);

} // namespace numbrava
