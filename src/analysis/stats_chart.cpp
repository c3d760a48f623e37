#include "analysis/stats_chart.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCursor>
#include <QToolTip>
#include <QValueAxis>
#include <algorithm>

namespace numbrava {

namespace {
const QColor kBarColour(0x2f, 0x6d, 0xb5);
const QColor kHoverColour(0xe0, 0x8a, 0x1e);
const QColor kTextColour(0x33, 0x33, 0x33);
const QColor kGridColour(0xdd, 0xdd, 0xdd);

QFont chartFont(int pointSize, bool bold = false) {
    QFont font;
    font.setPointSize(pointSize);
    font.setBold(bold);
    return font;
}
} // namespace

CountAxisScale countAxisScale(int largestCount) {
    // A tenth more than the tallest bar leaves room for its count above it.
    const int wanted = std::max(5, largestCount + std::max(1, largestCount / 10));
    for (int power = 1;; power *= 10)
        for (int factor : {1, 2, 5}) {
            const int step = factor * power;
            if (wanted <= step * 8)
                return {(wanted + step - 1) / step * step, step};
        }
}

StatsChart::StatsChart(QWidget* parent) : QChartView(parent) {
    auto* chart = new QChart;
    chart->legend()->hide();
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setBackgroundRoundness(0);
    chart->setMargins(QMargins(4, 4, 4, 4));

    counts_ = new QBarSet(QStringLiteral("Times drawn"));
    counts_->setColor(kBarColour);
    counts_->setBorderColor(kBarColour.darker(130));
    counts_->setSelectedColor(kHoverColour);
    counts_->setLabelColor(kTextColour);
    counts_->setLabelFont(chartFont(8));
    series_ = new QBarSeries;
    series_->append(counts_);
    series_->setBarWidth(0.75);
    series_->setLabelsVisible(true);
    series_->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
    series_->setLabelsFormat(QStringLiteral("@value"));
    chart->addSeries(series_);

    ballAxis_ = new QBarCategoryAxis;
    ballAxis_->setTitleText(QStringLiteral("Ball"));
    ballAxis_->setTitleFont(chartFont(9, true));
    ballAxis_->setLabelsFont(chartFont(8));
    ballAxis_->setLabelsColor(kTextColour);
    ballAxis_->setGridLineVisible(false);
    countAxis_ = new QValueAxis;
    countAxis_->setTitleText(QStringLiteral("Times drawn"));
    countAxis_->setTitleFont(chartFont(9, true));
    countAxis_->setLabelsFont(chartFont(8));
    countAxis_->setLabelsColor(kTextColour);
    countAxis_->setLabelFormat(QStringLiteral("%d"));
    countAxis_->setGridLineColor(kGridColour);
    countAxis_->setMinorTickCount(0);
    chart->addAxis(ballAxis_, Qt::AlignBottom);
    chart->addAxis(countAxis_, Qt::AlignLeft);
    series_->attachAxis(ballAxis_);
    series_->attachAxis(countAxis_);

    setChart(chart);
    setRenderHint(QPainter::Antialiasing);
    connect(series_, &QBarSeries::clicked, this, [this](int index) { emit barClicked(index + 1); });
    connect(series_, &QBarSeries::hovered, this,
            [this](bool over, int index) { showBarTip(over, index); });
}

void StatsChart::setRows(const std::vector<BallCount>& rows) {
    rows_ = rows;
    QStringList labels;
    QList<qreal> values;
    int largest = 0;
    for (const BallCount& row : rows) {
        labels << QLatin1Char(' ') + QString::number(row.ball);
        values << row.count;
        largest = std::max(largest, row.count);
    }
    counts_->deselectAllBars();
    counts_->remove(0, counts_->count());
    counts_->append(values);
    ballAxis_->setCategories(labels);
    const CountAxisScale scale = countAxisScale(largest);
    countAxis_->setRange(0, scale.top);
    countAxis_->setTickCount(scale.top / scale.step + 1);
    fitLabels();
}

QPoint StatsChart::barCentre(int row) const {
    const BallCount& bar = rows_.at(static_cast<size_t>(row - 1));
    const QPointF inChart = chart()->mapToPosition(QPointF(row - 1, bar.count / 2.0), series_);
    return mapFromScene(chart()->mapToScene(inChart));
}

void StatsChart::resizeEvent(QResizeEvent* event) {
    QChartView::resizeEvent(event);
    fitLabels();
}

// Ball numbers and counts stand side by side while each fits in its bar's
// slot, and turn upright once the chart is too narrow for that.
void StatsChart::fitLabels() {
    if (rows_.empty())
        return;
    const qreal slot = chart()->plotArea().width() / static_cast<qreal>(rows_.size());
    const QFontMetrics labelMetrics(ballAxis_->labelsFont());
    const bool ballsFit = labelMetrics.horizontalAdvance(QStringLiteral(" 53")) + 2 <= slot;
    ballAxis_->setLabelsAngle(ballsFit ? 0 : -90);
    int largest = 0;
    for (const BallCount& row : rows_)
        largest = std::max(largest, row.count);
    const QFontMetrics countMetrics(counts_->labelFont());
    const bool countsFit = countMetrics.horizontalAdvance(QString::number(largest)) + 2 <= slot;
    series_->setLabelsAngle(countsFit ? 0 : -90);
}

void StatsChart::showBarTip(bool over, int index) {
    counts_->deselectAllBars();
    if (!over || index < 0 || index >= static_cast<int>(rows_.size())) {
        QToolTip::hideText();
        return;
    }
    counts_->selectBar(index);
    const BallCount& bar = rows_[static_cast<size_t>(index)];
    QToolTip::showText(QCursor::pos(),
                       QStringLiteral("Ball %1: drawn %2 times").arg(bar.ball).arg(bar.count));
}

} // namespace numbrava
