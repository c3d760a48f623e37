#include "entries/suggestion_run.h"

#include "data/number_text.h"

namespace numbrava {

std::optional<QString> enterNoRefusal(double enterNo) {
    if (enterNo < 1)
        return QStringLiteral("You have not specified a number to add. Please enter a number in: "
                              "Enter No box");
    return std::nullopt;
}

std::optional<QString> requestRefusal(SuggestionMode mode, double enterNo, double shownCount,
                                      int fileCount) {
    if (mode == SuggestionMode::Total) {
        if (enterNo <= shownCount)
            return QStringLiteral("You already have this number of entries or more.");
    } else if (fileCount + enterNo > kMaxSuggestedEntries) {
        return QStringLiteral("You are limited to a maximum of 2500 entries");
    }
    return std::nullopt;
}

int linesToMake(SuggestionMode mode, double enterNo, double shownCount) {
    const double wanted = mode == SuggestionMode::Total ? enterNo - shownCount : enterNo;
    const double rounded = roundHalfEven(wanted);
    // The box holds at most four characters, so this only guards odd values.
    if (!(rounded > 0))
        return 0;
    return rounded > 32767 ? 32767 : static_cast<int>(rounded);
}

QString insufficientDrawsMessage() {
    return QStringLiteral(
        "You do not have sufficient draws in the results file (need 20 or more) for the "
        "computer to suggest entries based on draw history. You must add them manually using "
        "the area above.");
}

RunOutcome runSuggestions(SuggestionGenerator& generator, int lines,
                          const std::function<void(const EntryLine&)>& store,
                          const std::function<bool()>& cancelled, RunLimits limits) {
    RunOutcome outcome;
    while (outcome.added < lines) {
        std::optional<EntryLine> line;
        for (int attempts = 1; !line; ++attempts) {
            if (attempts > limits.maxAttemptsPerLine) {
                outcome.end = RunEnd::NoLineFound;
                return outcome;
            }
            line = generator.attempt();
            if (!line && attempts % limits.attemptsBetweenEventChecks == 0 && cancelled()) {
                outcome.end = RunEnd::Cancelled;
                return outcome;
            }
        }
        store(*line);
        generator.keep(*line);
        ++outcome.added;
        if (cancelled()) {
            outcome.end = outcome.added < lines ? RunEnd::Cancelled : RunEnd::Finished;
            return outcome;
        }
    }
    return outcome;
}

QString noLineFoundMessage(int added) {
    const QString lines = added == 1 ? QStringLiteral("1 line was added")
                                     : QStringLiteral("%1 lines were added").arg(added);
    return QStringLiteral("The draw history does not give another line that differs enough from "
                          "the lines already in this entry, so the computer stopped: %1.")
        .arg(lines);
}

} // namespace numbrava
