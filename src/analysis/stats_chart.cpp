#include "analysis/stats_chart.h"

#include "analysis/stats_chart_accessible.h"

#include <QAccessible>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCursor>
#include <QKeyEvent>
#include <QPainter>
#include <QToolTip>
#include <QValueAxis>
#include <algorithm>

namespace numbrava {

namespace {
const QColor kBarColour(0x2f, 0x6d, 0xb5);
const QColor kHoverColour(0xe0, 0x8a, 0x1e);
constexpr qreal kLabelGap = 3;
constexpr qreal kSmallestLabelPoints = 5;

QColor blend(const QColor& from, const QColor& to, qreal share) {
    return QColor::fromRgbF(from.redF() + (to.redF() - from.redF()) * share,
                            from.greenF() + (to.greenF() - from.greenF()) * share,
                            from.blueF() + (to.blueF() - from.blueF()) * share);
}

QFont chartFont(int pointSize, bool bold = false) {
    QFont font;
    font.setPointSize(pointSize);
    font.setBold(bold);
    return font;
}

// Writes a label centred on x, hanging below y (under a bar) or standing on
// it (over a bar); upright labels read from the bottom up.
void drawLabel(QPainter& painter, QPointF at, const QString& text, bool upright, bool below) {
    const QFontMetricsF metrics(painter.font());
    const QSizeF size(metrics.horizontalAdvance(text), metrics.height());
    painter.save();
    painter.translate(at);
    QRectF box;
    if (upright) {
        painter.rotate(-90);
        box = QRectF(below ? -size.width() : 0, -size.height() / 2, size.width(), size.height());
    } else {
        box = QRectF(-size.width() / 2, below ? 0 : -size.height(), size.width(), size.height());
    }
    painter.drawText(box, Qt::AlignCenter, text);
    painter.restore();
}
// The labels' font: the axis font, made smaller while upright digits are too
// tall to leave a gap between neighbouring bars, so that 70 bars at the
// narrowest scale still read one by one.
QFont uprightFont(QFont font, qreal slot) {
    const QString digits = QStringLiteral("0123456789");
    while (QFontMetricsF(font).tightBoundingRect(digits).height() + 2 > slot &&
           font.pointSizeF() > kSmallestLabelPoints)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    return font;
}
} // namespace

CountAxisScale countAxisScale(int largestCount) {
    // Some room above the tallest bar for its count.
    const int wanted = std::max(5, largestCount + std::max(1, largestCount * 3 / 20));
    for (int power = 1;; power *= 10)
        for (int factor : {1, 2, 5}) {
            const int step = factor * power;
            if (wanted <= step * 8)
                return {(wanted + step - 1) / step * step, step};
        }
}

StatsChart::StatsChart(QWidget* parent) : QChartView(parent) {
    // Before anything asks for this chart's accessible interface.
    installStatsChartAccessibility();
    auto* chart = new QChart;
    chart->legend()->hide();
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setBackgroundRoundness(0);
    chart->setMargins(QMargins(4, 4, 4, 4));

    counts_ = new QBarSet(QStringLiteral("Times drawn"));
    counts_->setColor(kBarColour);
    counts_->setBorderColor(kBarColour.darker(130));
    counts_->setSelectedColor(kHoverColour);
    series_ = new QBarSeries;
    series_->append(counts_);
    series_->setBarWidth(0.75);
    chart->addSeries(series_);

    ballAxis_ = new QBarCategoryAxis;
    ballAxis_->setTitleText(QStringLiteral("Ball"));
    ballAxis_->setTitleFont(chartFont(9, true));
    // The axis keeps the room of upright labels, but the chart writes them
    // itself: the axis would drop the first and last label of a crowded chart.
    ballAxis_->setLabelsFont(chartFont(8));
    ballAxis_->setLabelsAngle(-90);
    ballAxis_->setLabelsColor(Qt::transparent);
    ballAxis_->setTruncateLabels(false);
    ballAxis_->setGridLineVisible(false);
    countAxis_ = new QValueAxis;
    countAxis_->setTitleText(QStringLiteral("Times drawn"));
    countAxis_->setTitleFont(chartFont(9, true));
    countAxis_->setLabelsFont(chartFont(8));
    countAxis_->setLabelFormat(QStringLiteral("%d"));
    countAxis_->setMinorTickCount(0);
    chart->addAxis(ballAxis_, Qt::AlignBottom);
    chart->addAxis(countAxis_, Qt::AlignLeft);
    series_->attachAxis(ballAxis_);
    series_->attachAxis(countAxis_);

    setChart(chart);
    applyPalette();
    setRenderHint(QPainter::Antialiasing);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(QStringLiteral("Times drawn"));
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
    highlight_ = rows.empty() ? -1 : 0;
    counts_->remove(0, counts_->count());
    counts_->append(values);
    ballAxis_->setCategories(labels);
    const CountAxisScale scale = countAxisScale(largest);
    countAxis_->setRange(0, scale.top);
    countAxis_->setTickCount(scale.top / scale.step + 1);
    showHighlight();
    viewport()->update();
}

QPoint StatsChart::barCentre(int row) const {
    const BallCount& bar = rows_.at(static_cast<size_t>(row - 1));
    const QPointF inChart = chart()->mapToPosition(QPointF(row - 1, bar.count / 2.0), series_);
    return mapFromScene(chart()->mapToScene(inChart));
}

// Ball numbers under the bars and counts over them, side by side while the
// widest fits in a bar's slot and upright once the chart is too narrow.
void StatsChart::drawForeground(QPainter* painter, const QRectF& rect) {
    QChartView::drawForeground(painter, rect);
    if (rows_.empty())
        return;
    const QRectF plot = chart()->mapRectToScene(chart()->plotArea());
    const qreal slot = plot.width() / static_cast<qreal>(rows_.size());
    painter->setFont(ballAxis_->labelsFont());
    painter->setPen(palette().color(QPalette::Text));
    const QFontMetricsF metrics(painter->font());
    qreal widestBall = 0;
    qreal widestCount = 0;
    for (const BallCount& row : rows_) {
        widestBall = std::max(widestBall, metrics.horizontalAdvance(QString::number(row.ball)));
        widestCount = std::max(widestCount, metrics.horizontalAdvance(QString::number(row.count)));
    }
    const bool uprightBalls = widestBall + 2 > slot;
    const bool uprightCounts = widestCount + 2 > slot;
    if (uprightBalls || uprightCounts)
        painter->setFont(uprightFont(painter->font(), slot));
    for (size_t i = 0; i < rows_.size(); ++i) {
        const qreal x = plot.left() + slot * (static_cast<qreal>(i) + 0.5);
        const QPointF top = chart()->mapToScene(
            chart()->mapToPosition(QPointF(static_cast<qreal>(i), rows_[i].count), series_));
        drawLabel(*painter, QPointF(x, plot.bottom() + kLabelGap), QString::number(rows_[i].ball),
                  uprightBalls, true);
        drawLabel(*painter, QPointF(x, top.y() - kLabelGap), QString::number(rows_[i].count),
                  uprightCounts, false);
    }
    if (hasFocus()) {
        // The keyboard's place: a frame round the view and round its bar.
        painter->save();
        painter->resetTransform();
        painter->setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(QRectF(viewport()->rect()).adjusted(1, 1, -1, -1));
        if (highlight_ >= 0)
            painter->drawRect(QRectF(barRect(highlight_)).adjusted(-3, -3, 3, 3));
        painter->restore();
    }
}

QString StatsChart::barText(int index) const {
    const BallCount& bar = rows_.at(static_cast<size_t>(index));
    return QStringLiteral("Ball %1: drawn %2 times").arg(bar.ball).arg(bar.count);
}

QRect StatsChart::barRect(int index) const {
    const qreal half = series_->barWidth() / 2;
    const qreal count = rows_.at(static_cast<size_t>(index)).count;
    const QPointF top = chart()->mapToPosition(QPointF(index - half, count), series_);
    const QPointF bottom = chart()->mapToPosition(QPointF(index + half, 0), series_);
    return QRect(mapFromScene(chart()->mapToScene(top)), mapFromScene(chart()->mapToScene(bottom)));
}

void StatsChart::showBarTip(bool over, int index) {
    showHighlight();
    if (!over || index < 0 || index >= barCount()) {
        QToolTip::hideText();
        return;
    }
    counts_->selectBar(index);
    QToolTip::showText(QCursor::pos(), barText(index));
}

void StatsChart::showHighlight() {
    counts_->deselectAllBars();
    if (!hasFocus() || highlight_ < 0)
        return;
    counts_->selectBar(highlight_);
    QAccessibleEvent moved(this, QAccessible::Focus);
    moved.setChild(highlight_);
    QAccessible::updateAccessibility(&moved);
}

void StatsChart::moveHighlight(int index) {
    if (rows_.empty())
        return;
    highlight_ = std::clamp(index, 0, barCount() - 1);
    showHighlight();
    viewport()->update();
}

void StatsChart::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Right:
        return moveHighlight(highlight_ + 1);
    case Qt::Key_Left:
        return moveHighlight(highlight_ - 1);
    case Qt::Key_Home:
        return moveHighlight(0);
    case Qt::Key_End:
        return moveHighlight(barCount() - 1);
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (highlight_ >= 0) {
            emit barClicked(highlight_ + 1);
            return;
        }
        break;
    default:
        break;
    }
    QChartView::keyPressEvent(event);
}

void StatsChart::focusInEvent(QFocusEvent* event) {
    QChartView::focusInEvent(event);
    showHighlight();
    viewport()->update();
}

void StatsChart::focusOutEvent(QFocusEvent* event) {
    QChartView::focusOutEvent(event);
    showHighlight();
    viewport()->update();
}

void StatsChart::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange)
        applyPalette();
    QChartView::changeEvent(event);
}

void StatsChart::applyPalette() {
    const QColor base = palette().color(QPalette::Base);
    const QColor text = palette().color(QPalette::Text);
    chart()->setBackgroundBrush(base);
    chart()->setBackgroundPen(Qt::NoPen);
    for (QAbstractAxis* axis :
         {static_cast<QAbstractAxis*>(ballAxis_), static_cast<QAbstractAxis*>(countAxis_)}) {
        axis->setTitleBrush(text);
        axis->setLinePenColor(blend(base, text, 0.6));
    }
    countAxis_->setLabelsColor(text);
    countAxis_->setGridLineColor(blend(base, text, 0.15));
    viewport()->update();
}

} // namespace numbrava
