#include "data/file_error.h"
#include "printing/printer_choice.h"
#include "printing/saved_printer_file.h"
#include "support/fake_services.h"
#include "support/temp_folder.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <optional>

using namespace numbrava;
using namespace numbrava::testing;

namespace {
struct StartUpCase {
    const char* name;
    QStringList installed;
    std::optional<QString> saved; // nullopt: print.dat missing
    bool available;
    QString current;
};

void PrintTo(const StartUpCase& c, std::ostream* os) {
    *os << c.name;
}

class StartUpChoice : public ::testing::TestWithParam<StartUpCase> {
  protected:
    QTemporaryDir dir;
    AppState state;
    FakePrinter printer;
};
} // namespace

TEST_P(StartUpChoice, ChoosesTheSavedPrinterElseTheLastOneWithAName) {
    const StartUpCase& c = GetParam();
    state.installFolder = dir.path();
    if (c.saved)
        writeSavedPrinterName(dir.path(), *c.saved);
    printer.printers = c.installed;

    EXPECT_EQ(selectSavedPrinter(printer, state), c.available);
    EXPECT_EQ(printer.current, c.current);
}

INSTANTIATE_TEST_SUITE_P(
    Printers, StartUpChoice,
    ::testing::Values(
        StartUpCase{"SavedInTheMiddle", {"Alpha", "Beta", "Gamma"}, "Beta", true, "Beta"},
        StartUpCase{
            "SavedFirstIsNotOverriddenByLaterOnes", {"Alpha", "Beta"}, "Alpha", true, "Alpha"},
        StartUpCase{"SavedLast", {"Alpha", "Beta"}, "Beta", true, "Beta"},
        StartUpCase{"FileMissingTakesTheLast", {"Alpha", "Beta"}, std::nullopt, true, "Beta"},
        StartUpCase{"SavedNoLongerInstalled", {"Alpha", "Beta"}, "Gone", true, "Beta"},
        StartUpCase{
            "NameMatchesExactlyOnly", {"Alpha", "alpha", "Alpha 2"}, "alpha", true, "alpha"},
        StartUpCase{"PrintersWithoutNameAreSkipped", {"Alpha", ""}, std::nullopt, true, "Alpha"},
        StartUpCase{"OnlyNamelessPrinters", {""}, std::nullopt, false, ""},
        StartUpCase{"NoPrinterInstalled", {}, "Alpha", false, ""}),
    [](const ::testing::TestParamInfo<StartUpCase>& info) { return std::string(info.param.name); });

namespace {
class SavedPrinterFile : public ::testing::Test {
  protected:
    TempFolder dir;
    QString path() const { return dir.filePath(QStringLiteral("print.dat")); }
    QString read() const { return readSavedPrinterName(dir.path()); }
    void write(const QString& name) const { writeSavedPrinterName(dir.path(), name); }
};
} // namespace

TEST_F(SavedPrinterFile, NameIsWrittenAsOneBlankFilledRecordOf255Bytes) {
    write(QStringLiteral("Long printer name in the hall"));
    write(QStringLiteral("Office_LaserJet")); // nothing of the longer name stays
    EXPECT_EQ(fileBytes(path()), QByteArray("Office_LaserJet") + QByteArray(255 - 15, ' '));
    EXPECT_EQ(read(), QStringLiteral("Office_LaserJet"));

    const QString longName(300, QLatin1Char('x'));
    write(longName);
    EXPECT_EQ(fileBytes(path()).size(), 255);
    EXPECT_EQ(read(), longName.left(255));
}

TEST_F(SavedPrinterFile, ReadingTrimsBlanksStopsAtTheEndAndCreatesAMissingFile) {
    EXPECT_EQ(read(), QString());
    EXPECT_TRUE(QFile::exists(path()));
    EXPECT_EQ(fileBytes(path()), QByteArray());
    writeFileBytes(path(), QByteArray("   Kitchen  Printer") + QByteArray(236, ' '));
    EXPECT_EQ(read(), QStringLiteral("Kitchen  Printer"));
    // Reading past the end gives zeros, which are no part of the name.
    writeFileBytes(path(), QByteArray("Basement"));
    EXPECT_EQ(read(), QStringLiteral("Basement"));
}

TEST_F(SavedPrinterFile, AnUnusableFileReadsAsNoNameAndRefusesWritingWithItsName) {
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("print.dat")));
    EXPECT_EQ(read(), QString());
    try {
        write(QStringLiteral("PDF"));
        FAIL() << "writing into a folder must be refused";
    } catch (const FileError& error) {
        EXPECT_TRUE(error.message().contains(QStringLiteral("print.dat"))) << error.what();
    }
}
