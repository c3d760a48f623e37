#include "payouts/payout_files.h"
#include "payouts/payout_lookup.h"
#include "support/payout_file_bytes.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace numbrava;
using namespace numbrava::testing;

class PayoutLookUpTest : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    QString file(const char* name) const { return dir.path() + QLatin1Char('/') + name; }
    PayoutLookUp lookUp(GameCode game = Powerball) {
        return lookUpPayouts(dir.path(), game, 5, 7, 2003);
    }
};

TEST_F(PayoutLookUpTest, ActualTableOfTheDateComesFirst) {
    writeFileBytes(file("USRES.rtl"),
                   actualRecordBytes("02JUL2003", -1, 2, {9, 9, 9, 9, 9, 9, 9, 9, 9}) +
                       actualRecordBytes("05JUL2003", -1, 0, {0, 1000, 500, 100, 100, 7, 7, 4, 3}));
    DefaultPayoutFile::writeAmounts(file("Defaults.rtl"), {1, 1, 1, 1, 1, 1, 1, 1});
    const PayoutLookUp r = lookUp();
    EXPECT_TRUE(r.actualFound);
    EXPECT_FALSE(r.defaultUsed);
    EXPECT_TRUE(r.confirmed());
    EXPECT_EQ(r.table.amount(1), 0);
    EXPECT_EQ(r.table.amount(2), 1000);
    EXPECT_EQ(r.table.amount(9), 3);
    EXPECT_TRUE(r.problems.isEmpty());
    // Another date, or the other game's file, has no table.
    EXPECT_FALSE(lookUpPayouts(dir.path(), Powerball, 6, 7, 2003).actualFound);
    EXPECT_FALSE(lookUpPayouts(dir.path(), MegaMillions, 5, 7, 2003).actualFound);
}

TEST_F(PayoutLookUpTest, WithoutAnActualTableTheDefaultsFillCategoriesTwoToNine) {
    DefaultPayoutFile::writeAmounts(file("Defaults.rtl"), {100000, 5000, 100, 100, 7, 7, 4, 3});
    const PayoutLookUp r = lookUp();
    EXPECT_FALSE(r.actualFound);
    EXPECT_TRUE(r.defaultUsed);
    EXPECT_FALSE(r.table.amount(1));
    EXPECT_EQ(r.table.amount(2), 100000);
    EXPECT_TRUE(QFileInfo::exists(file("Defaults.rtl")));
    // The missing actual file is created empty and stays.
    EXPECT_TRUE(QFileInfo::exists(file("USRES.rtl")));
    EXPECT_EQ(QFileInfo(file("USRES.rtl")).size(), 0);
}

TEST_F(PayoutLookUpTest, DefaultFileWithoutDefaultsIsDeleted) {
    for (const QByteArray& bytes : {QByteArray(32, '\0'), le32(-1) + QByteArray(28, '\x01'),
                                    le32(0) + le32(5000) + QByteArray(24, '\0')}) {
        writeFileBytes(file("Defaults.rtl"), bytes);
        const PayoutLookUp r = lookUp();
        EXPECT_FALSE(r.defaultUsed);
        EXPECT_FALSE(r.table.amount(3));
        EXPECT_FALSE(QFileInfo::exists(file("Defaults.rtl")));
    }
    // Also one the look-up has just created.
    lookUp();
    EXPECT_FALSE(QFileInfo::exists(file("Defaults.rtl")));
}

TEST_F(PayoutLookUpTest, DamagedActualFileCountsAsEmptyIsReportedAndKept) {
    const QByteArray damaged = actualRecordBytes("05JUL2003", -1, 5, {9, 9, 9, 9, 9, 9, 9, 9, 9});
    writeFileBytes(file("USRES.rtl"), damaged);
    DefaultPayoutFile::writeAmounts(file("Defaults.rtl"), {10, 1, 1, 1, 1, 1, 1, 1});
    const PayoutLookUp r = lookUp();
    EXPECT_FALSE(r.actualFound);
    EXPECT_TRUE(r.defaultUsed);
    ASSERT_EQ(r.problems.size(), 1);
    EXPECT_TRUE(r.problems[0].contains(QStringLiteral("USRES.rtl")));
    EXPECT_EQ(fileBytes(file("USRES.rtl")), damaged);
}
