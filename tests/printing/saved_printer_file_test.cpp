#include "printing/saved_printer_file.h"

#include "data/file_error.h"
#include "support/temp_folder.h"

#include <QDir>

using namespace numbrava;
using namespace numbrava::testing;

namespace {
class SavedPrinterFile : public ::testing::Test {
  protected:
    TempFolder dir;
    QString path() const { return dir.filePath(QStringLiteral("print.dat")); }
    QString read() const { return readSavedPrinterName(dir.path()); }
    void write(const QString& name) const { writeSavedPrinterName(dir.path(), name); }
};
} // namespace

TEST_F(SavedPrinterFile, MissingFileIsCreatedEmptyAndNamesNoPrinter) {
    EXPECT_EQ(read(), QString());
    EXPECT_TRUE(QFile::exists(path()));
    EXPECT_EQ(fileBytes(path()), QByteArray());
}

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

TEST_F(SavedPrinterFile, ReadingTrimsBlanksAtBothEndsAndStopsAtTheEnd) {
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
