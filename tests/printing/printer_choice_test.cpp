#include "printing/printer_choice.h"
#include "printing/saved_printer_file.h"
#include "support/fake_services.h"

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
