#include "analysis/optimizer.h"

#include <gtest/gtest.h>

using namespace numbrava;

// The box's number picks the latest draws; the draws before the last one are
// rounded, halves to even. A first record of 0 stands for a refusal.
TEST(StudiedRange, PicksTheLatestDrawsOrRefuses) {
    const struct {
        const char* text;
        int drawCount;
        int firstRecord;
    } cases[] = {{"0", 10, 0},  {"11", 10, 0},      {"ten", 10, 0}, {"10.5", 10, 0},
                 {"10", 10, 1}, {"1", 10, 10},      {"2.5", 10, 8}, {"3.5", 10, 8},
                 {"1", 0, 0},   {" 3 draws", 10, 8}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const StudiedRange range = studiedRange(QString::fromLatin1(c.text), c.drawCount);
        EXPECT_EQ(range.firstRecord, c.firstRecord);
        EXPECT_EQ(range.refusal,
                  c.firstRecord ? QString()
                  : c.drawCount ? QStringLiteral("Your entry is outside the permitted draw range")
                                : QStringLiteral("There are no draws in the history file, this "
                                                 "process cannot be run."));
    }
}
