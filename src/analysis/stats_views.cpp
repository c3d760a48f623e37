#include "analysis/stats_views.h"

namespace numbrava {

const std::array<StatsViewInfo, 4>& statsViews() {
    static const std::array<StatsViewInfo, 4> views = {{
        {StatsView::Powerball, Powerball, false, 42, "mnupowerball", QStringLiteral("Powerball")},
        {StatsView::PowerballMain, Powerball, true, 53, "mnupbmain",
         QStringLiteral("Powerball Main")},
        {StatsView::MegaMillionsMegaBall, MegaMillions, false, 52, "mnuLB",
         QStringLiteral("Mega Millions Mega Ball")},
        {StatsView::MegaMillionsMain, MegaMillions, true, 52, "mnuLM",
         QStringLiteral("Mega Millions Main")},
    }};
    return views;
}

const StatsViewInfo& statsViewInfo(StatsView view) {
    for (const StatsViewInfo& info : statsViews())
        if (info.code == view)
            return info;
    return statsViews()[1];
}

StatsView mainViewOf(GameCode game) {
    return game == MegaMillions ? StatsView::MegaMillionsMain : StatsView::PowerballMain;
}

QString statsCaption(StatsView view, bool sorted) {
    QString caption = QStringLiteral("Draw Statistics for ") + statsViewInfo(view).title;
    if (sorted)
        caption += QStringLiteral(" (Sorted)");
    return caption;
}

} // namespace numbrava
