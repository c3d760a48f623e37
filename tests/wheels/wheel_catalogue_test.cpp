#include "wheels/wheel_catalogue.h"

#include <gtest/gtest.h>

#include <set>

using namespace numbrava;

namespace {

long long fiveFrom(int n) {
    return 1LL * n * (n - 1) * (n - 2) * (n - 3) * (n - 4) / 120;
}

TEST(WheelCatalogue, HoldsSixTypesInOrderWithThirtyFourWheels) {
    int wheels = 0;
    int type = 1;
    for (const WheelKind& kind : wheelCatalogue()) {
        EXPECT_EQ(kind.type, type++);
        EXPECT_EQ(findWheelKind(kind.type), &kind);
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
}

TEST(WheelCatalogue, FullWheelHoldsEveryFiveNumberLine) {
    for (const WheelSize& size : findWheelKind(1)->sizes)
        EXPECT_EQ(size.entriesRequired, fiveFrom(size.groupSize));
}

TEST(WheelCatalogue, TagsCodesAndMenuNamesAgree) {
    const char* tags[] = {"5-5-5", "5-5-4", "5-5-3", "5-4-4", "5-4-3", "5-3-3"};
    std::set<QString> menuNames;
    for (const WheelKind& kind : wheelCatalogue()) {
        EXPECT_EQ(kind.tag(), QString::fromLatin1(tags[kind.type - 1]));
        EXPECT_EQ(QStringLiteral("5-") + kind.wheelCode(), kind.tag());
        EXPECT_EQ(kind.menuObjectName, QStringLiteral("mnu") + kind.tag().remove(QLatin1Char('-')));
        EXPECT_TRUE(kind.guaranteeLine.startsWith(kind.optionCaption + QStringLiteral(" if any ")));
        menuNames.insert(kind.menuObjectName);
    }
    EXPECT_EQ(menuNames.size(), 6u);
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

TEST(WheelCatalogue, WheelFilePathUsesTagAndPlainGroupSize) {
    EXPECT_EQ(wheelFilePath(QStringLiteral("/data"), 5, 12),
              QStringLiteral("/data/wheels/5-4-3-12.whl"));
    EXPECT_EQ(wheelFilePath(QStringLiteral("/data"), 4, 6),
              QStringLiteral("/data/wheels/5-4-4-6.whl"));
}

TEST(WheelCatalogue, EntryFileNamesPerGameAndType) {
    EXPECT_EQ(wheelEntryFileName(Powerball, 1), QStringLiteral("PwrB-5-5-5.lot"));
    EXPECT_EQ(wheelEntryFileName(Powerball, 5), QStringLiteral("PwrB-5-4-3.lot"));
    EXPECT_EQ(wheelEntryFileName(MegaMillions, 6), QStringLiteral("Mega-5-3-3.lot"));
    EXPECT_EQ(wheelEntryFileName(MegaMillions, 2), QStringLiteral("Mega-5-5-4.lot"));
}

} // namespace
