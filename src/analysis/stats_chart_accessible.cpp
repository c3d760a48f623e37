#include "analysis/stats_chart_accessible.h"

#include "analysis/stats_chart.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <vector>

namespace numbrava {

namespace {
// One bar of the chart; it has no object of its own.
class BarAccessible : public QAccessibleInterface {
  public:
    BarAccessible(StatsChart* chart, int index) : chart_(chart), index_(index) {}

    bool isValid() const override { return chart_ && index_ < chart_->barCount(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return chart_->window()->windowHandle(); }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(chart_.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Name && isValid() ? chart_->barText(index_) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!isValid())
            return {};
        const QRect bar = chart_->barRect(index_);
        return QRect(chart_->viewport()->mapToGlobal(bar.topLeft()), bar.size());
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.focusable = true;
        state.focused = isValid() && chart_->hasFocus() && chart_->highlightedBar() == index_;
        state.invisible = !isValid();
        return state;
    }

  private:
    QPointer<StatsChart> chart_;
    int index_;
};

class ChartAccessible : public QAccessibleWidget {
  public:
    explicit ChartAccessible(StatsChart* chart) : QAccessibleWidget(chart, QAccessible::Chart) {}
    ~ChartAccessible() override {
        for (QAccessible::Id id : bars_)
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return chart()->barCount(); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount())
            return nullptr;
        while (static_cast<int>(bars_.size()) <= index)
            bars_.push_back(QAccessible::registerAccessibleInterface(
                new BarAccessible(chart(), static_cast<int>(bars_.size()))));
        return QAccessible::accessibleInterface(bars_[static_cast<size_t>(index)]);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (size_t i = 0; i < bars_.size(); ++i)
            if (QAccessible::accessibleInterface(bars_[i]) == child)
                return static_cast<int>(i);
        return -1;
    }
    QAccessibleInterface* focusChild() const override {
        return chart()->hasFocus() ? child(chart()->highlightedBar()) : nullptr;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint at = chart()->viewport()->mapFromGlobal(QPoint(x, y));
        for (int i = 0; i < childCount(); ++i)
            if (chart()->barRect(i).contains(at))
                return child(i);
        return nullptr;
    }

  private:
    StatsChart* chart() const { return static_cast<StatsChart*>(widget()); }
    mutable std::vector<QAccessible::Id> bars_;
};

QAccessibleInterface* chartFactory(const QString& className, QObject* object) {
    if (className == QLatin1String(StatsChart::staticMetaObject.className()))
        if (auto* chart = qobject_cast<StatsChart*>(object))
            return new ChartAccessible(chart);
    return nullptr;
}
} // namespace

void installStatsChartAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(chartFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace numbrava
