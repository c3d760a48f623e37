#pragma once

namespace numbrava {

// Makes screen readers see the statistics chart as a chart whose children are
// its bars, each read as "Ball 17: drawn 41 times", the keyboard's bar being
// the focused one. Safe to call more than once.
void installStatsChartAccessibility();

} // namespace numbrava
