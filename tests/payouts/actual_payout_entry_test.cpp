#include "payouts/actual_payout_entry.h"

#include <gtest/gtest.h>

using namespace numbrava;

// The ninth box holds the text under test.
TEST(ActualAmountText, IsStoredOrRefusedWithTheBoxMessage) {
    const std::pair<const char*, qint64> stored[] = {
        {"$1,234,567", 1234567},   {"2500.75", 2500}, {"0", 0}, {" 0 ", 0}, {"1.2.3", 1},
        {"2147483647", 2147483647}};
    const char* const refused[] = {
        "00", "$0", "abc", "   ", ".75", "2147483648", "99999999999999999999999"};
    QStringList boxes(9, QStringLiteral("5"));
    for (const auto& [text, amount] : stored) {
        boxes[8] = QString::fromLatin1(text);
        EXPECT_EQ(std::get<ActualAmounts>(actualAmountsFromText(boxes))[8], amount) << text;
    }
    for (const char* text : refused) {
        boxes[8] = QString::fromLatin1(text);
        EXPECT_EQ(std::get<QString>(actualAmountsFromText(boxes)),
                  "The value you entered in the ninth box is not in the correct format")
            << text;
    }
}
