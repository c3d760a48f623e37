#pragma once

#include "data/draw_record.h"
#include "entries/suggestion_generator.h"

#include <QString>
#include <functional>
#include <optional>

namespace numbrava {

enum class SuggestionMode { Total, Additional };

// "Additional" never lets an entry grow past this many lines.
constexpr int kMaxSuggestedEntries = 2500;
// Fewer draws than this say too little about how the numbers fall.
constexpr int kMinDrawsForSuggestions = 20;

// An attempt costs a few microseconds even against 2500 lines (one AND and
// one bit count per line), so 100000 attempts stay well under a second. A
// line the history can produce at all turns up long before that: even at one
// success in a thousand attempts, the chance of giving up on it is e^-100.
constexpr int kMaxAttemptsPerLine = 100000;
// Events (and so Cancel) are looked at after every line and after this many
// attempts in a row; every attempt would make the event loop the main cost.
constexpr int kAttemptsBetweenEventChecks = 256;

// Refusal of the number typed in "Enter No", looked at before any file.
std::optional<QString> enterNoRefusal(double enterNo);

// Refusal of the request once the entry file's line count is known.
// shownCount is the count the main screen shows.
std::optional<QString> requestRefusal(SuggestionMode mode, double enterNo, double shownCount,
                                      int fileCount);

// How many lines the run makes.
int linesToMake(SuggestionMode mode, double enterNo, double shownCount);

QString insufficientDrawsMessage();

enum class RunEnd { Finished, Cancelled, NoLineFound };

struct RunOutcome {
    RunEnd end = RunEnd::Finished;
    int added = 0;
};

struct RunLimits {
    int maxAttemptsPerLine = kMaxAttemptsPerLine;
    int attemptsBetweenEventChecks = kAttemptsBetweenEventChecks;
};

// Makes up to `lines` lines. store() puts each line in the file and on the
// screen before the next one is begun (a FileError it raises ends the run and
// is passed on). cancelled() lets pending events run and tells whether Cancel
// was pressed; it is asked after every line and between attempts.
RunOutcome runSuggestions(SuggestionGenerator& generator, int lines,
                          const std::function<void(const EntryLine&)>& store,
                          const std::function<bool()>& cancelled, RunLimits limits = {});

// Said when no further line could be found within the bound.
QString noLineFoundMessage(int added);

} // namespace numbrava
