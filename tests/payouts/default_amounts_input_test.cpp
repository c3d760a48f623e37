#include "payouts/default_amounts_input.h"

#include <gtest/gtest.h>

using namespace numbrava;

namespace {
const QString kEmpty = QStringLiteral("You must add amounts for each of the payouts!");
const QString kFormat =
    QStringLiteral("One or more of the values you entered is not in the correct format");

// Seven valid boxes and the one under test in box 5.
QStringList withBox(const QString& text) {
    QStringList boxes(8, QStringLiteral("10"));
    boxes[4] = text;
    return boxes;
}

struct BoxCase {
    const char* text;
    std::int32_t stored; // 0: refused
    bool emptyMessage = false;
};

void PrintTo(const BoxCase& c, std::ostream* os) {
    *os << '"' << c.text << '"';
}

class DefaultAmountBox : public ::testing::TestWithParam<BoxCase> {};
} // namespace

TEST_P(DefaultAmountBox, IsStoredOrRefused) {
    const BoxCase& c = GetParam();
    const auto result = defaultAmountsFromText(withBox(QString::fromUtf8(c.text)));
    if (c.stored != 0) {
        ASSERT_TRUE(std::holds_alternative<DefaultAmounts>(result)) << c.text;
        EXPECT_EQ(std::get<DefaultAmounts>(result)[4], c.stored) << c.text;
    } else {
        ASSERT_TRUE(std::holds_alternative<QString>(result)) << c.text;
        EXPECT_EQ(std::get<QString>(result), c.emptyMessage ? kEmpty : kFormat) << c.text;
    }
}

INSTANTIATE_TEST_SUITE_P(
    TypedAmounts, DefaultAmountBox,
    ::testing::Values(BoxCase{"12.5", 12}, BoxCase{"13.5", 14}, BoxCase{"1,000", 1},
                      BoxCase{"  250", 250}, BoxCase{"7 dollars", 7},
                      BoxCase{"2147483647", 2147483647}, BoxCase{"$50", 0}, BoxCase{"0", 0},
                      BoxCase{"0.0", 0}, BoxCase{"abc", 0}, BoxCase{"   ", 0},
                      // Fits no 32-bit field.
                      BoxCase{"2147483648", 0}, BoxCase{"1e12", 0},
                      // Would leave a table that the next check throws away.
                      BoxCase{"0.4", 0}, BoxCase{"-5", 0}, BoxCase{"", 0, true}));

TEST(DefaultAmounts, EmptyBoxWinsOverABadOneAndAllEightAreKeptInOrder) {
    QStringList boxes = {
        QStringLiteral("abc"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"),
        QStringLiteral("5"),   QStringLiteral("6"), QStringLiteral("7"), QString()};
    EXPECT_EQ(std::get<QString>(defaultAmountsFromText(boxes)), kEmpty);
    boxes[0] = QStringLiteral("1");
    boxes[7] = QStringLiteral("8");
    const auto amounts = std::get<DefaultAmounts>(defaultAmountsFromText(boxes));
    EXPECT_EQ(amounts, (DefaultAmounts{1, 2, 3, 4, 5, 6, 7, 8}));
}
