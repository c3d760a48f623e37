#include "printing/saved_printer_file.h"

#include "data/file_error.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace numbrava;

namespace {
class SavedPrinterFile : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    QString path() const { return dir.path() + QStringLiteral("/print.dat"); }
    QByteArray bytes() const {
        QFile f(path());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    void writeRaw(const QByteArray& raw) const {
        QFile f(path());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(raw);
    }
};
} // namespace

TEST_F(SavedPrinterFile, MissingFileIsCreatedEmptyAndNamesNoPrinter) {
    EXPECT_EQ(readSavedPrinterName(dir.path()), QString());
    EXPECT_TRUE(QFile::exists(path()));
    EXPECT_EQ(bytes(), QByteArray());
}

TEST_F(SavedPrinterFile, NameIsWrittenAsOneBlankFilledRecordOf255Bytes) {
    writeSavedPrinterName(dir.path(), QStringLiteral("Office_LaserJet"));
    const QByteArray expected = QByteArray("Office_LaserJet") + QByteArray(255 - 15, ' ');
    EXPECT_EQ(bytes(), expected);
    EXPECT_EQ(readSavedPrinterName(dir.path()), QStringLiteral("Office_LaserJet"));
}

TEST_F(SavedPrinterFile, AShorterNameLeavesNothingOfTheLongerOne) {
    writeSavedPrinterName(dir.path(), QStringLiteral("Long printer name in the hall"));
    writeSavedPrinterName(dir.path(), QStringLiteral("PDF"));
    EXPECT_EQ(bytes(), QByteArray("PDF") + QByteArray(252, ' '));
    EXPECT_EQ(readSavedPrinterName(dir.path()), QStringLiteral("PDF"));
}

TEST_F(SavedPrinterFile, ReadingTrimsBlanksAtBothEndsButKeepsInnerOnes) {
    writeRaw(QByteArray("   Kitchen  Printer") + QByteArray(236, ' '));
    EXPECT_EQ(readSavedPrinterName(dir.path()), QStringLiteral("Kitchen  Printer"));
}

TEST_F(SavedPrinterFile, AShortFileReadsWhatItHolds) {
    // Reading past the end gives zeros, which are no part of the name.
    writeRaw(QByteArray("Basement"));
    EXPECT_EQ(readSavedPrinterName(dir.path()), QStringLiteral("Basement"));
}

TEST_F(SavedPrinterFile, OnlyTheFirst255BytesOfAVeryLongNameAreKept) {
    const QString longName(300, QLatin1Char('x'));
    writeSavedPrinterName(dir.path(), longName);
    EXPECT_EQ(bytes().size(), 255);
    EXPECT_EQ(readSavedPrinterName(dir.path()), longName.left(255));
}

TEST_F(SavedPrinterFile, AnUnusableFileReadsAsNoNameAndRefusesWritingWithItsName) {
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("print.dat")));
    EXPECT_EQ(readSavedPrinterName(dir.path()), QString());
    try {
        writeSavedPrinterName(dir.path(), QStringLiteral("PDF"));
        FAIL() << "writing into a folder must be refused";
    } catch (const FileError& error) {
        EXPECT_TRUE(error.message().contains(QStringLiteral("print.dat"))) << error.what();
    }
}
