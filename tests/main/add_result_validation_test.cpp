#include "main/draw_result_validation.h"

#include <gtest/gtest.h>

using namespace numbrava;

namespace {
const QString kRange =
    QStringLiteral("One or more of your main numbers is not in the correct range");

TypedDrawCheck check(GameCode game, std::array<const char*, 6> texts) {
    std::array<QString, 5> mains;
    for (size_t i = 0; i < 5; ++i)
        mains[i] = QString::fromLatin1(texts[i]);
    return checkTypedDraw(game, mains, QString::fromLatin1(texts[5]));
}
} // namespace

// Texts that do not fit a 16-bit number must count as out of range, never
// wrap round into the range (65541 would wrap to 5) and never crash.
class OversizedNumberText : public ::testing::TestWithParam<const char*> {};

TEST_P(OversizedNumberText, CountsAsOutOfRangeInAMainBox) {
    const TypedDrawCheck result = check(Powerball, {"5", GetParam(), "12", "25", "33", "7"});
    EXPECT_FALSE(result.accepted());
    EXPECT_EQ(result.message, kRange);
}

TEST_P(OversizedNumberText, CountsAsOutOfRangeInTheBonusBox) {
    const TypedDrawCheck result = check(MegaMillions, {"1", "2", "3", "4", "5", GetParam()});
    EXPECT_EQ(result.message, QStringLiteral("Your mega ball number is not in the correct range"));
}

INSTANTIATE_TEST_SUITE_P(Texts, OversizedNumberText,
                         ::testing::Values("1e9", "65541", "32768", "-65531", "1e999",
                                           "99999999999999999999999999999", "-1e9"));

TEST(TypedDrawCheck, SortsTheMainNumbersAndKeepsTheBonusApart) {
    const TypedDrawCheck result = check(Powerball, {"41", "5", "33", "12", "25", "5"});
    ASSERT_TRUE(result.accepted()) << result.message.toStdString();
    EXPECT_EQ(result.balls, (std::array<std::int16_t, 5>{5, 12, 25, 33, 41}));
    EXPECT_EQ(result.bonus, 5);
}

TEST(TypedDrawCheck, TheBonusRangeIsCheckedBeforeTheDuplicates) {
    EXPECT_EQ(check(Powerball, {"5", "5", "12", "25", "33", "43"}).message,
              QStringLiteral("Your powerball number is not in the correct range"));
}

TEST(TypedDrawCheck, ReadsOnlyTheLeadingNumberOfABox) {
    const TypedDrawCheck result = check(Powerball, {" 7", "8 9", "+10", "11.4", "12e0", "1"});
    ASSERT_TRUE(result.accepted()) << result.message.toStdString();
    EXPECT_EQ(result.balls, (std::array<std::int16_t, 5>{7, 8, 10, 11, 12}));
}
