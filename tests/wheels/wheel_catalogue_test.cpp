#include "wheels/wheel_catalogue.h"

#include <QStringList>

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

namespace {

// The catalogue as the player sees it, written out once more by hand so a
// slip in a count or a caption cannot hide behind the shipped files (whose
// line counts are checked against the catalogue itself).
struct KindText {
    const char* option;
    const char* group;
    const char* menu;
    const char* sizes;
};

const KindText kExpected[] = {
    {"Guarantee Match 5", "Any 5 from Group Picked", "Guarantee Match 5 if 5 Picked from Group",
     "7:21 8:56 9:126 10:252"},
    {"Guarantee Match 4", "Any 5 from Group Picked", "Guarantee Match 4 if 5 Picked from Group",
     "7:3 8:5 9:9 10:14 11:22 12:35"},
    {"Guarantee Match 3", "Any 5 from Group Picked", "Guarantee Match 3 if 5 Picked from Group",
     "10:2 11:5 12:6 13:8 14:10 15:13"},
    {"Guarantee Match 4", "Any 4 from Group Picked", "Guarantee Match 4 if 4 Picked from Group",
     "6:5 7:9 8:20 9:30 10:53 11:66"},
    {"Guarantee Match 3", "Any 4 from Group Picked", "Guarantee Match 3 if 4 Picked from Group",
     "9:5 10:7 11:10 12:13 13:16 14:21"},
    {"Guarantee Match 3", "Any 3 from Group Picked", "Guarantee Match 3 if 3 Picked from Group",
     "8:8 9:12 10:17 11:22 12:31 13:36"},
};

TEST(WheelCatalogue, CaptionsSizesAndLineCountsAreThePlayersOwn) {
    for (const WheelKind& kind : wheelCatalogue()) {
        const KindText& expected = kExpected[kind.type - 1];
        EXPECT_EQ(kind.optionCaption, QString::fromLatin1(expected.option));
        EXPECT_EQ(kind.groupLabel, QString::fromLatin1(expected.group));
        EXPECT_EQ(kind.menuCaption, QString::fromLatin1(expected.menu));
        EXPECT_EQ(kind.guaranteeLine,
                  QStringLiteral("%1 if any %2 drawn from the following number group:")
                      .arg(kind.optionCaption)
                      .arg(kind.drawnInGroup));
        QStringList sizes;
        for (const WheelSize& size : kind.sizes)
            sizes << QStringLiteral("%1:%2").arg(size.groupSize).arg(size.entriesRequired);
        EXPECT_EQ(sizes.join(QLatin1Char(' ')), QString::fromLatin1(expected.sizes)) << kind.type;
    }
}

} // namespace
