#include "main/draw_result_validation.h"

#include "data/number_text.h"

#include <algorithm>

namespace numbrava {

namespace {
bool inRange(const std::optional<std::int16_t>& value, int largest) {
    return value && *value >= 1 && *value <= largest;
}

// "Your powerball number ..." / "Your mega ball number ...": the bonus ball's
// own name, whichever format of the game.
QString bonusRangeMessage(GameCode game) {
    return QStringLiteral("Your %1 number is not in the correct range")
        .arg(gameInfo(game).bonusName.toLower());
}

TypedDrawCheck refused(const QString& message) {
    TypedDrawCheck check;
    check.message = message;
    return check;
}
} // namespace

TypedDrawCheck checkTypedDraw(GameCode game, const QDate& drawDate,
                              const std::array<QString, 5>& mainTexts, const QString& bonusText) {
    const GameFormat& format = gameFormat(game, drawDate);
    TypedDrawCheck check;
    for (size_t i = 0; i < mainTexts.size(); ++i) {
        const std::optional<std::int16_t> value = wholeNumberFromText(mainTexts[i]);
        if (!inRange(value, format.mainMax))
            return refused(
                QStringLiteral("One or more of your main numbers is not in the correct range"));
        check.balls[i] = *value;
    }
    const std::optional<std::int16_t> bonus = wholeNumberFromText(bonusText);
    if (!inRange(bonus, format.bonusMax))
        return refused(bonusRangeMessage(game));
    check.bonus = *bonus;

    std::sort(check.balls.begin(), check.balls.end());
    if (std::adjacent_find(check.balls.begin(), check.balls.end()) != check.balls.end())
        return refused(QStringLiteral("You have duplicate numbers"));
    return check;
}

} // namespace numbrava
