#include "payouts/prize_category.h"

#include <array>

namespace numbrava {

namespace {
struct CategoryShape {
    int mainMatched;
    bool bonusMatched;
};

// Category n is kShapes[n - 1].
constexpr std::array<CategoryShape, kPrizeCategories> kShapes = {{{5, true},
                                                                  {5, false},
                                                                  {4, true},
                                                                  {4, false},
                                                                  {3, true},
                                                                  {3, false},
                                                                  {2, true},
                                                                  {1, true},
                                                                  {0, true}}};
} // namespace

int prizeCategory(int mainMatched, bool bonusMatched) {
    for (int category = 1; category <= kPrizeCategories; ++category) {
        const CategoryShape& shape = kShapes[static_cast<size_t>(category - 1)];
        if (shape.mainMatched == mainMatched && shape.bonusMatched == bonusMatched)
            return category;
    }
    return 0;
}

QString payoutCategoryLabel(GameCode game, int category) {
    if (category < 1 || category > kPrizeCategories)
        return {};
    const CategoryShape& shape = kShapes[static_cast<size_t>(category - 1)];
    const QString bonus = shape.bonusMatched ? gameInfo(game).tag : QStringLiteral("0");
    return QStringLiteral("(%1+%2)").arg(shape.mainMatched).arg(bonus);
}

} // namespace numbrava
