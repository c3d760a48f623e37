#include "data/file_error.h"
#include "payouts/date_key.h"
#include "payouts/payout_files.h"
#include "payouts/payout_lookup.h"
#include "support/payout_file_bytes.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <gmock/gmock.h>

using namespace numbrava;
using namespace numbrava::testing;
using ::testing::HasSubstr;
using ::testing::ThrowsMessage;

TEST(DateKey, BuildsDayMonthYear) {
    EXPECT_EQ(makedatekey(5, 7, 2003), QStringLiteral("05JUL2003"));
    EXPECT_EQ(makedatekey(15, 12, QStringLiteral("03")), QStringLiteral("15DEC2003"));
    EXPECT_EQ(makedatekey(1, 2, QStringLiteral(" 2004 ")), QStringLiteral("01FEB2004"));
    EXPECT_EQ(makedatekey(9, 9, 3), QStringLiteral("09SEP3")); // nothing before a 1-digit year
}

namespace {
// One actual payout record whose nine amounts count up from `first`.
QByteArray record(const char* key, int flag, int count, qint64 f) {
    return actualRecordBytes(key, flag, count,
                             {f, f + 1, f + 2, f + 3, f + 4, f + 5, f + 6, f + 7, f + 8});
}

class PayoutFiles : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    QString file(const char* name) const { return dir.path() + QLatin1Char('/') + name; }
    QString actual() const { return actualPayoutFilePath(dir.path(), Powerball); }

    static PayoutTable table(const char* key, int flag, std::int32_t first) {
        PayoutTable t;
        t.dateKey = QString::fromLatin1(key);
        t.confirmed = static_cast<std::int16_t>(flag);
        for (int c = 1; c <= 9; ++c)
            t.setAmount(c, first + c - 1);
        return t;
    }
};
} // namespace

TEST_F(PayoutFiles, StoresAppendNewDatesAndReplaceInPlaceWithTheCountInRecordOne) {
    const struct {
        const char* key;
        int flag, first, record;
        bool replaced;
        int count;
    } stores[] = {{"05JUL2003", -1, 100, 1, false, 1},
                  {"09JUL2003", 0, 200, 2, false, 2},
                  {"05JUL2003", 0, 300, 1, true, 2},
                  {"09JUL2003", -1, 900, 2, true, 2}}; // leaves record 1 alone
    for (const auto& s : stores) {
        const auto stored = ActualPayoutFile::storeTable(actual(), table(s.key, s.flag, s.first));
        EXPECT_EQ(stored.record, s.record) << s.first;
        EXPECT_EQ(stored.replaced, s.replaced) << s.first;
        EXPECT_EQ(ActualPayoutFile::countTables(actual()), s.count) << s.first;
    }
    EXPECT_EQ(fileBytes(actual()),
              record("05JUL2003", 0, 2, 300) + record("09JUL2003", -1, 0, 900));
}

TEST_F(PayoutFiles, FindTakesTheLastTableWithTheKeyAndNoRecordBeyondTheCount) {
    writeFileBytes(actual(), record("05JUL2003", 0, 3, 1) + record("09JUL2003", 0, 0, 2) +
                                 record("05JUL2003", -1, 0, 3) + record("12JUL2003", 0, 0, 4));
    EXPECT_EQ(ActualPayoutFile::findRecord(actual(), QStringLiteral("05JUL2003")), 3);
    const auto found = ActualPayoutFile::findTable(actual(), QStringLiteral("05JUL2003"));
    ASSERT_TRUE(found);
    EXPECT_EQ(found->amount(9), 11);
    EXPECT_EQ(found->confirmed, -1);
    EXPECT_FALSE(ActualPayoutFile::findTable(actual(), QStringLiteral("06JUL2003")));
    EXPECT_FALSE(ActualPayoutFile::findTable(actual(), QStringLiteral("12JUL2003")));
    // A store of that date appends it as table 4, over the stale record.
    EXPECT_EQ(ActualPayoutFile::storeTable(actual(), table("12JUL2003", 0, 5)).record, 4);
    EXPECT_EQ(ActualPayoutFile::countTables(actual()), 4);
}

TEST_F(PayoutFiles, DamagedCountIsRefusedNamingTheFileAndNothingIsWritten) {
    for (int claimed : {-1, 2}) {
        const QByteArray damaged = record("05JUL2003", 0, claimed, 1);
        writeFileBytes(actual(), damaged);
        EXPECT_THAT([&] { ActualPayoutFile::findTable(actual(), QStringLiteral("05JUL2003")); },
                    ThrowsMessage<DamagedFileError>(HasSubstr("USRES.rtl")));
        EXPECT_THROW(ActualPayoutFile::storeTable(actual(), table("09JUL2003", 0, 1)),
                     DamagedFileError);
        EXPECT_EQ(fileBytes(actual()), damaged);
    }
}

// The actual table of the date comes first, else the defaults fill categories
// 2 to 9; a default file without defaults goes, a damaged actual file stays.
TEST_F(PayoutFiles, LookUpTakesTheDatesTableElseTheDefaults) {
    const QByteArray actualFile =
        record("02JUL2003", -1, 2, 9) +
        actualRecordBytes("05JUL2003", -1, 0, {0, 1000, 500, 100, 100, 7, 7, 4, 3});
    const QByteArray defaults = defaultAmountsBytes({100000, 5000, 100, 100, 7, 7, 4, 3});
    const QString none = QStringLiteral("- - - - - - - - -");
    const struct {
        QByteArray actual, defaults; // null: no file
        GameCode game;
        int day;
        QString amounts; // of the table found, "-" for none
        bool actualFound, defaultUsed, defaultsKept;
    } cases[] = {
        {actualFile, defaults, Powerball, 5, "0 1000 500 100 100 7 7 4 3", true, false, true},
        {actualFile, defaults, Powerball, 6, "- 100000 5000 100 100 7 7 4 3", false, true, true},
        {actualFile, defaults, MegaMillions, 5, none, false, false, true},
        {{}, defaults, Powerball, 5, "- 100000 5000 100 100 7 7 4 3", false, true, true},
        {{}, QByteArray(32, '\0'), Powerball, 5, none, false, false, false},
        {{}, le32(-1) + QByteArray(28, '\x01'), Powerball, 5, none, false, false, false},
        {{}, le32(0) + le32(5000) + QByteArray(24, '\0'), Powerball, 5, none, false, false, false},
        {{}, {}, Powerball, 5, none, false, false, false}, // also one just created
        {record("05JUL2003", -1, 5, 9), defaults, Powerball, 5, "- 100000 5000 100 100 7 7 4 3",
         false, true, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.amounts.toStdString() + " on day " + std::to_string(c.day));
        QFile::remove(file("USRES.rtl"));
        QFile::remove(file("Defaults.rtl"));
        if (!c.actual.isNull())
            writeFileBytes(file("USRES.rtl"), c.actual);
        if (!c.defaults.isNull())
            writeFileBytes(file("Defaults.rtl"), c.defaults);
        const PayoutLookUp r = lookUpPayouts(dir.path(), c.game, c.day, 7, 2003);
        QStringList amounts;
        for (const auto& amount : r.table.amounts)
            amounts << (amount ? QString::number(*amount) : QStringLiteral("-"));
        EXPECT_EQ(amounts.join(' '), c.amounts);
        EXPECT_EQ(r.actualFound, c.actualFound);
        EXPECT_EQ(r.confirmed(), c.actualFound);
        EXPECT_EQ(r.defaultUsed, c.defaultUsed);
        EXPECT_EQ(QFileInfo::exists(file("Defaults.rtl")), c.defaultsKept);
        // The actual file is created empty when missing and a damaged one is kept.
        EXPECT_TRUE(QFileInfo::exists(file("USRES.rtl")));
        EXPECT_EQ(fileBytes(file("USRES.rtl")), c.actual);
        const bool damaged = c.actual.size() == 49;
        ASSERT_EQ(r.problems.size(), damaged ? 1 : 0);
        if (damaged)
            EXPECT_THAT(r.problems[0].toStdString(), HasSubstr("USRES.rtl"));
    }
}
