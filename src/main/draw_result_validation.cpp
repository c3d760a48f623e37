#include "main/draw_result_validation.h"

#include "data/number_text.h"

#include <algorithm>

namespace numbrava {

namespace {
bool inRange(const std::optional<std::int16_t>& value, int largest) {
    return value && *value >= 1 && *value <= largest;
}

QString bonusRangeMessage(GameCode game) {
    return game == Powerball ? QStringLiteral("Your powerball number is not in the correct range")
                             : QStringLiteral("Your mega ball number is not in the correct range");
}

TypedDrawCheck refused(const QString& message) {
    TypedDrawCheck check;
    check.message = message;
    return check;
}
} // namespace

TypedDrawCheck checkTypedDraw(GameCode game, const std::array<QString, 5>& mainTexts,
                              const QString& bonusText) {
    const GameInfo& info = gameInfo(game);
    TypedDrawCheck check;
    for (size_t i = 0; i < mainTexts.size(); ++i) {
        const std::optional<std::int16_t> value = wholeNumberFromText(mainTexts[i]);
        if (!inRange(value, info.mainMax))
            return refused(
                QStringLiteral("One or more of your main numbers is not in the correct range"));
        check.balls[i] = *value;
    }
    const std::optional<std::int16_t> bonus = wholeNumberFromText(bonusText);
    if (!inRange(bonus, info.bonusMax))
        return refused(bonusRangeMessage(game));
    check.bonus = *bonus;

    std::sort(check.balls.begin(), check.balls.end());
    if (std::adjacent_find(check.balls.begin(), check.balls.end()) != check.balls.end())
        return refused(QStringLiteral("You have duplicate numbers"));
    return check;
}

} // namespace numbrava
