#pragma once

#include "entries/typed_line.h"

#include <QDate>

namespace numbrava {

class MainView;

// The date whose ranges the lines added to the current entry keep to: the
// entries date for a dated entry, none (today's ranges) for a standing or
// wheel entry.
QDate currentEntriesRangesDate(MainView& main);

// The limits of a line typed for the current entry.
LineLimits currentEntriesLimits(MainView& main, LowBonus lowBonus);

} // namespace numbrava
