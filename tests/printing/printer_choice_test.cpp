#include "data/file_error.h"
#include "printing/printer_choice.h"
#include "printing/saved_printer_file.h"
#include "support/fake_services.h"
#include "support/temp_folder.h"

#include <QDir>
#include <gmock/gmock.h>
#include <optional>

using namespace numbrava;
using namespace numbrava::testing;

TEST(StartUpChoice, ChoosesTheSavedPrinterElseTheLastOneWithAName) {
    const struct {
        QStringList installed;
        std::optional<QString> saved; // nullopt: print.dat missing
        QString current;              // empty: no printer available
    } cases[] = {{{"Alpha", "Beta", "Gamma"}, "Beta", "Beta"},
                 {{"Alpha", "Beta"}, "Alpha", "Alpha"}, // later ones do not override it
                 {{"Alpha", "Beta"}, "Beta", "Beta"},
                 {{"Alpha", "Beta"}, std::nullopt, "Beta"},
                 {{"Alpha", "Beta"}, "Gone", "Beta"},
                 {{"Alpha", "alpha", "Alpha 2"}, "alpha", "alpha"}, // exact names only
                 {{"Alpha", ""}, std::nullopt, "Alpha"}, // printers without a name are skipped
                 {{""}, std::nullopt, ""},
                 {{}, "Alpha", ""}};
    for (const auto& c : cases) {
        TempFolder dir;
        AppState state;
        FakePrinter printer;
        state.installFolder = dir.path();
        if (c.saved)
            writeSavedPrinterName(dir.path(), *c.saved);
        printer.printers = c.installed;
        EXPECT_EQ(selectSavedPrinter(printer, state), !c.current.isEmpty())
            << c.current.toStdString();
        EXPECT_EQ(printer.current, c.current);
    }
}

// print.dat is one blank-filled record of 255 bytes: nothing of a longer
// earlier name stays, and blanks around the name or zeros past the end of a
// short file are no part of it. A missing file is created empty.
TEST(SavedPrinterFile, HoldsTheNameInOneBlankFilledRecordOf255Bytes) {
    TempFolder dir;
    const QString path = dir.filePath(QStringLiteral("print.dat"));
    const auto read = [&] { return readSavedPrinterName(dir.path()); };
    EXPECT_EQ(read(), QString());
    EXPECT_TRUE(QFile::exists(path));
    writeSavedPrinterName(dir.path(), QStringLiteral("Long printer name in the hall"));
    writeSavedPrinterName(dir.path(), QStringLiteral("Office_LaserJet"));
    EXPECT_EQ(fileBytes(path), QByteArray("Office_LaserJet") + QByteArray(255 - 15, ' '));
    EXPECT_EQ(read(), QStringLiteral("Office_LaserJet"));
    const QString longName(300, QLatin1Char('x'));
    writeSavedPrinterName(dir.path(), longName);
    EXPECT_EQ(fileBytes(path).size(), 255);
    EXPECT_EQ(read(), longName.left(255));
    writeFileBytes(path, QByteArray("   Kitchen  Printer") + QByteArray(236, ' '));
    EXPECT_EQ(read(), QStringLiteral("Kitchen  Printer"));
    writeFileBytes(path, QByteArray("Basement"));
    EXPECT_EQ(read(), QStringLiteral("Basement"));
}

TEST(SavedPrinterFile, AFolderInItsPlaceReadsAsNoNameAndRefusesWritingNamingIt) {
    TempFolder dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("print.dat")));
    EXPECT_EQ(readSavedPrinterName(dir.path()), QString());
    EXPECT_THAT([&] { writeSavedPrinterName(dir.path(), QStringLiteral("PDF")); },
                ::testing::ThrowsMessage<FileError>(::testing::HasSubstr("print.dat")));
}
