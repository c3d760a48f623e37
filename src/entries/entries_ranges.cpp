#include "entries/entries_ranges.h"

#include "data/entry_file.h"
#include "ui/date_picker.h"
#include "ui/main_view.h"

namespace numbrava {

QDate currentEntriesRangesDate(MainView& main) {
    return rangesDateOf(main.context().state.currentEntryFile, main.controls().DTPicker2->value());
}

LineLimits currentEntriesLimits(MainView& main, LowBonus lowBonus) {
    const GameFormat& format = gameFormat(main.gameOfOptions(), currentEntriesRangesDate(main));
    return {format.mainMax, format.bonusMax, lowBonus};
}

} // namespace numbrava
