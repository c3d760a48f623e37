#include "data/file_error.h"
#include "payouts/date_key.h"
#include "payouts/payout_files.h"
#include "payouts/payout_lookup.h"
#include "support/payout_file_bytes.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace numbrava;
using namespace numbrava::testing;

TEST(DateKey, BuildsDayMonthYear) {
    EXPECT_EQ(makedatekey(5, 7, 2003), QStringLiteral("05JUL2003"));
    EXPECT_EQ(makedatekey(15, 12, QStringLiteral("03")), QStringLiteral("15DEC2003"));
    EXPECT_EQ(makedatekey(1, 2, QStringLiteral(" 2004 ")), QStringLiteral("01FEB2004"));
    // A one-character year gets nothing in front.
    EXPECT_EQ(makedatekey(9, 9, 3), QStringLiteral("09SEP3"));
}

class PayoutFiles : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    QString actual() const { return actualPayoutFilePath(dir.path(), Powerball); }
    QString defaults() const { return defaultPayoutFilePath(dir.path(), MegaMillions); }

    static PayoutTable table(const char* key, int flag, std::int32_t first) {
        PayoutTable t;
        t.dateKey = QString::fromLatin1(key);
        t.confirmed = static_cast<std::int16_t>(flag);
        for (int c = 1; c <= 9; ++c)
            t.setAmount(c, first + c - 1);
        return t;
    }
};

TEST_F(PayoutFiles, FirstStoreWritesOne49ByteRecordCountingItself) {
    const auto stored = ActualPayoutFile::storeTable(actual(), table("05JUL2003", -1, 100));
    EXPECT_EQ(stored.record, 1);
    EXPECT_FALSE(stored.replaced);
    EXPECT_EQ(fileBytes(actual()),
              actualRecordBytes("05JUL2003", -1, 1, {100, 101, 102, 103, 104, 105, 106, 107, 108}));
}

TEST_F(PayoutFiles, SecondDateIsAppendedAndAReplacementKeepsTheCountAndTheOtherRecord) {
    ActualPayoutFile::storeTable(actual(), table("05JUL2003", -1, 100));
    const auto second = ActualPayoutFile::storeTable(actual(), table("09JUL2003", 0, 200));
    EXPECT_EQ(second.record, 2);
    QByteArray bytes = fileBytes(actual());
    ASSERT_EQ(bytes.size(), 2 * 49);
    EXPECT_EQ(bytes.mid(11, 2), le16(2));
    EXPECT_EQ(bytes.mid(49, 9), QByteArray("09JUL2003"));
    EXPECT_EQ(bytes.mid(49 + 9, 2), le16(0));

    const auto again = ActualPayoutFile::storeTable(actual(), table("05JUL2003", 0, 300));
    EXPECT_TRUE(again.replaced);
    EXPECT_EQ(again.record, 1);
    bytes = fileBytes(actual());
    ASSERT_EQ(bytes.size(), 2 * 49);
    EXPECT_EQ(bytes.left(49),
              actualRecordBytes("05JUL2003", 0, 2, {300, 301, 302, 303, 304, 305, 306, 307, 308}));
    EXPECT_EQ(ActualPayoutFile::countTables(actual()), 2);

    // Replacing a later record leaves record 1 alone.
    ActualPayoutFile::storeTable(actual(), table("09JUL2003", -1, 900));
    EXPECT_EQ(fileBytes(actual()).left(49), bytes.left(49));
    const auto found = ActualPayoutFile::findTable(actual(), QStringLiteral("09JUL2003"));
    ASSERT_TRUE(found);
    EXPECT_EQ(found->amount(1), 900);
    EXPECT_TRUE(found->isConfirmed());
}

TEST_F(PayoutFiles, FindTakesTheLastRecordWithTheKey) {
    writeFileBytes(actual(),
                   actualRecordBytes("05JUL2003", 0, 3, {1, 1, 1, 1, 1, 1, 1, 1, 1}) +
                       actualRecordBytes("09JUL2003", 0, 0, {2, 2, 2, 2, 2, 2, 2, 2, 2}) +
                       actualRecordBytes("05JUL2003", -1, 0, {3, 3, 3, 3, 3, 3, 3, 3, 3}));
    EXPECT_EQ(ActualPayoutFile::findRecord(actual(), QStringLiteral("05JUL2003")), 3);
    const auto found = ActualPayoutFile::findTable(actual(), QStringLiteral("05JUL2003"));
    ASSERT_TRUE(found);
    EXPECT_EQ(found->amount(9), 3);
    EXPECT_EQ(found->confirmed, -1);
    EXPECT_FALSE(ActualPayoutFile::findTable(actual(), QStringLiteral("06JUL2003")));
}

TEST_F(PayoutFiles, RecordsBeyondTheCountAreNotTables) {
    writeFileBytes(actual(), actualRecordBytes("05JUL2003", 0, 1, {1, 1, 1, 1, 1, 1, 1, 1, 1}) +
                                 actualRecordBytes("09JUL2003", 0, 0, {2, 2, 2, 2, 2, 2, 2, 2, 2}));
    EXPECT_FALSE(ActualPayoutFile::findTable(actual(), QStringLiteral("09JUL2003")));
    // A store of that date appends it as table 2, over the stale record.
    EXPECT_EQ(ActualPayoutFile::storeTable(actual(), table("09JUL2003", 0, 5)).record, 2);
    EXPECT_EQ(ActualPayoutFile::countTables(actual()), 2);
}

TEST_F(PayoutFiles, DamagedCountIsRefusedNamingTheFileAndNothingIsWritten) {
    for (int claimed : {-1, 2}) {
        const QByteArray damaged =
            actualRecordBytes("05JUL2003", 0, claimed, {1, 1, 1, 1, 1, 1, 1, 1, 1});
        writeFileBytes(actual(), damaged);
        try {
            ActualPayoutFile::findTable(actual(), QStringLiteral("05JUL2003"));
            ADD_FAILURE() << "no error for count " << claimed;
        } catch (const DamagedFileError& e) {
            EXPECT_TRUE(e.message().contains(QStringLiteral("USRES.rtl")))
                << e.message().toStdString();
        }
        EXPECT_THROW(ActualPayoutFile::storeTable(actual(), table("09JUL2003", 0, 1)),
                     DamagedFileError);
        EXPECT_EQ(fileBytes(actual()), damaged);
    }
}

TEST_F(PayoutFiles, DefaultTableIsOneRecordOfEightAmounts) {
    DefaultPayoutFile::writeAmounts(defaults(), {100000, 5000, 100, 100, 7, 7, 4, 3});
    EXPECT_EQ(fileBytes(defaults()), defaultAmountsBytes({100000, 5000, 100, 100, 7, 7, 4, 3}));
    const auto t = DefaultPayoutFile::readTable(defaults());
    ASSERT_TRUE(t);
    EXPECT_FALSE(t->amount(1));
    EXPECT_EQ(t->amount(2), 100000);
    EXPECT_EQ(t->amount(9), 3);
}

TEST_F(PayoutFiles, DefaultFileWithoutAPositiveFirstAmountHoldsNoDefaults) {
    EXPECT_FALSE(DefaultPayoutFile::readTable(defaults())); // missing: created empty
    writeFileBytes(defaults(), QByteArray(32, '\0'));
    EXPECT_FALSE(DefaultPayoutFile::readTable(defaults()));
    writeFileBytes(defaults(), le32(-1) + le32(5) + QByteArray(24, '\0'));
    EXPECT_FALSE(DefaultPayoutFile::readTable(defaults()));
    EXPECT_EQ(DefaultPayoutFile::readAmounts(defaults())[1], 5);
}

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
