#include "data/dates.h"

#include <gtest/gtest.h>

using namespace numbrava;

TEST(Dates, MonthAbbrevOutOfRangeIsEmpty) {
    EXPECT_EQ(monthAbbrev(0), QString());
    EXPECT_EQ(monthAbbrev(13), QString());
    EXPECT_EQ(monthAbbrev(7), QStringLiteral("JUL"));
}
