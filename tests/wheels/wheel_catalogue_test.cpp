#include "wheels/wheel_catalogue.h"

#include <gtest/gtest.h>

using namespace numbrava;

namespace {

TEST(WheelCatalogue, HoldsSixTypesInOrderWithThirtyFourWheels) {
    const char* tags[] = {"5-5-5", "5-5-4", "5-5-3", "5-4-4", "5-4-3", "5-3-3"};
    int wheels = 0;
    int type = 1;
    for (const WheelKind& kind : wheelCatalogue()) {
        EXPECT_EQ(kind.type, type++);
        EXPECT_EQ(findWheelKind(kind.type), &kind);
        EXPECT_EQ(kind.tag(), QString::fromLatin1(tags[kind.type - 1]));
        EXPECT_EQ(kind.menuObjectName, QStringLiteral("mnu") + kind.tag().remove(QLatin1Char('-')));
        int previous = 0;
        for (const WheelSize& size : kind.sizes) {
            EXPECT_GT(size.groupSize, previous) << kind.tag().toStdString();
            previous = size.groupSize;
            EXPECT_EQ(entriesRequired(kind.type, size.groupSize), size.entriesRequired);
            ++wheels;
        }
    }
    EXPECT_EQ(type, 7);
    EXPECT_EQ(wheels, 34);
    // Over ten numbers the full wheel is every line (252), a 5-5-3 two lines.
    EXPECT_EQ(entriesRequired(1, 10), 252);
    EXPECT_EQ(entriesRequired(3, 10), 2);
}

TEST(WheelCatalogue, UnknownTypesAndSizesAreRefused) {
    EXPECT_EQ(findWheelKind(0), nullptr);
    EXPECT_EQ(findWheelKind(7), nullptr);
    EXPECT_FALSE(entriesRequired(0, 7));
    EXPECT_FALSE(entriesRequired(3, 9));
    EXPECT_FALSE(entriesRequired(1, 11));
    EXPECT_TRUE(wheelFilePath(QStringLiteral("/x"), 7, 10).isEmpty());
    EXPECT_TRUE(wheelEntryFileName(Powerball, 0).isEmpty());
}

TEST(WheelCatalogue, FileNamesUseTheTagGameAndPlainGroupSize) {
    EXPECT_EQ(wheelFilePath(QStringLiteral("/data"), 5, 12),
              QStringLiteral("/data/wheels/5-4-3-12.whl"));
    EXPECT_EQ(wheelEntryFileName(Powerball, 1), QStringLiteral("PwrB-5-5-5.lot"));
    EXPECT_EQ(wheelEntryFileName(MegaMillions, 6), QStringLiteral("Mega-5-3-3.lot"));
}

} // namespace
