#include "analysis/stats_views.h"

#include <QLocale>

namespace numbrava {

const std::array<StatsViewInfo, 8>& statsViews() {
    static const std::array<StatsViewInfo, 8> views = {{
        {StatsView::Powerball, Powerball, false, "mnupowerball", QStringLiteral("Powerball")},
        {StatsView::PowerballMain, Powerball, true, "mnupbmain", QStringLiteral("Powerball Main")},
        {StatsView::MegaMillionsMegaBall, MegaMillions, false, "mnuLB",
         QStringLiteral("Mega Millions Mega Ball")},
        {StatsView::MegaMillionsMain, MegaMillions, true, "mnuLM",
         QStringLiteral("Mega Millions Main")},
        {StatsView::Powerball69Main, Powerball69, true, "mnupb69main",
         QStringLiteral("Powerball 5/69 Main")},
        {StatsView::Powerball69, Powerball69, false, "mnupb69",
         QStringLiteral("Powerball 5/69 Powerball")},
        {StatsView::MegaMillions70Main, MegaMillions70, true, "mnumm70main",
         QStringLiteral("Mega Millions 5/70 Main")},
        {StatsView::MegaMillions70MegaBall, MegaMillions70, false, "mnumm70mb",
         QStringLiteral("Mega Millions 5/70 Mega Ball")},
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
    for (const StatsViewInfo& info : statsViews())
        if (info.game == game && info.mainBalls)
            return info.code;
    return StatsView::MegaMillionsMain;
}

QString statsCaption(StatsView view, bool sorted) {
    QString caption = QStringLiteral("Draw Statistics for ") + statsViewInfo(view).title;
    if (sorted)
        caption += QStringLiteral(" (Sorted)");
    return caption;
}

StatsScope statsScope(StatsView view, const QDate& today) {
    const StatsViewInfo& info = statsViewInfo(view);
    const GameFormat& format = gameFormat(info.game, today);
    return {view, info.mainBalls, info.mainBalls ? format.mainMax : format.bonusMax,
            rangeInForceSince(info.game, today, !info.mainBalls)};
}

QString scopeText(const StatsScope& scope) {
    if (!scope.since.isValid())
        return {};
    return QStringLiteral("Counting the draws from ") +
           QLocale::c().toString(scope.since, QStringLiteral("d MMMM yyyy"));
}

} // namespace numbrava
