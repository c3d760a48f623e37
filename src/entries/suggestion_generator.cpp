#include "entries/suggestion_generator.h"

#include "data/number_text.h"
#include "entries/typed_line.h"

namespace numbrava {

namespace {
// Numbers outside every game can never be part of a suggestion, so they may be
// left out of the set without changing any count of shared numbers.
NumberSet mainNumberSet(const EntryLine& line) {
    return NumberSet::of(line.numbers);
}
} // namespace

SuggestionGenerator::SuggestionGenerator(GameCode game, std::vector<DrawRecord> draws,
                                         const std::vector<EntryLine>& entryLines, double enterNo,
                                         RandomSource& random, const QDate& entriesDate)
    : format_(gameFormat(game, entriesDate)), draws_(std::move(draws)), enterNo_(enterNo),
      random_(random) {
    lines_.reserve(entryLines.size() + 2500);
    for (const EntryLine& line : entryLines)
        lines_.push_back(mainNumberSet(line));
}

int SuggestionGenerator::pickRecord() {
    const double r = roundHalfEven(random_.next() * static_cast<double>(draws_.size()));
    if (r < 1 || r > static_cast<double>(draws_.size()))
        return 0;
    return static_cast<int>(r);
}

bool SuggestionGenerator::inGame(const EntryLine& line) const {
    for (auto n : line.numbers)
        if (n < 1 || n > format_.mainMax)
            return false;
    return line.bonus >= 1 && line.bonus <= format_.bonusMax;
}

std::optional<EntryLine> SuggestionGenerator::attempt() {
    EntryLine line;
    for (size_t p = 0; p < 5; ++p) {
        const int r = pickRecord();
        if (r == 0)
            return std::nullopt;
        line.numbers[p] = draws_[static_cast<size_t>(r - 1)].balls[p];
    }
    const int r = pickRecord();
    if (r == 0)
        return std::nullopt;
    line.bonus = draws_[static_cast<size_t>(r - 1)].bonus;

    for (size_t i = 0; i < 5; ++i)
        for (size_t j = i + 1; j < 5; ++j)
            if (line.numbers[i] == line.numbers[j])
                return std::nullopt;
    // A damaged history must not turn into lines the game cannot have.
    if (!inGame(line))
        return std::nullopt;
    line = withMainNumbersAscending(line);
    if (!spreadAllows(line))
        return std::nullopt;
    return line;
}

bool SuggestionGenerator::spreadAllows(const EntryLine& line) const {
    const NumberSet numbers = mainNumberSet(line);
    const bool smallEntry = lineCount() + enterNo_ < 52;
    const int tooMany = smallEntry ? 3 : 5;
    for (const NumberSet& other : lines_)
        if (numbers.shared(other) >= tooMany)
            return false;
    return true;
}

void SuggestionGenerator::keep(const EntryLine& line) {
    lines_.push_back(mainNumberSet(line));
}

} // namespace numbrava
