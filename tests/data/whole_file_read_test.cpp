// A file read whole for an operation answers every record and the count
// exactly as reading it record by record does, up to the largest files.

#include "data/file_error.h"
#include "data/record_file.h"
#include "support/record_bytes.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

using namespace numbrava;
using namespace numbrava::testing;

namespace {

// Records whose bytes differ from one record to the next, the count in record 1.
QByteArray records(int n, int count) {
    QByteArray bytes;
    for (int i = 1; i <= n; ++i)
        bytes += RawRecord{.count = count,
                           .word4 = static_cast<std::int16_t>(i),
                           .day = static_cast<std::int16_t>(i % 28 + 1),
                           .month = 7,
                           .year = static_cast<std::int16_t>(1900 + i / 365),
                           .numbers = {1, 2, 3, 4, static_cast<std::int16_t>(i % 53 + 5)},
                           .bonus = static_cast<std::int16_t>(i % 42 + 1)}
                     .bytes();
    return bytes;
}

QString countOrProblem(RecordFile& file) {
    try {
        return QString::number(file.count());
    } catch (const FileError& error) {
        return error.message();
    }
}

struct Shape {
    const char* name;
    QByteArray bytes;
};

void PrintTo(const Shape& s, std::ostream* os) {
    *os << s.name;
}

class WholeFileRead : public ::testing::TestWithParam<Shape> {};

TEST_P(WholeFileRead, AnswersAsRecordByRecordDoes) {
    TempFolder folder;
    const QString path = folder.writeFile(QStringLiteral("pbk.rtl"), GetParam().bytes);
    RecordFile onDisk(path, kRawRecordSize, RecordFile::Mode::Read);
    RecordFile whole(path, kRawRecordSize, RecordFile::Mode::Read);
    whole.readWhole();
    EXPECT_EQ(countOrProblem(whole), countOrProblem(onDisk));
    ASSERT_EQ(whole.recordsOnDisk(), onDisk.recordsOnDisk());
    for (int k = 0; k <= onDisk.recordsOnDisk() + 2; ++k)
        ASSERT_EQ(whole.read(k), onDisk.read(k)) << "record " << k;
    EXPECT_EQ(fileBytes(path), GetParam().bytes); // reading never writes
}

INSTANTIATE_TEST_SUITE_P(
    LargestFiles, WholeFileRead,
    ::testing::Values(Shape{"Full", records(kMaxRecords, kMaxRecords)},
                      Shape{"FullWithTheRecordADeleteLeaves",
                            records(kMaxRecords + 1, kMaxRecords - 1)},
                      Shape{"LastRecordShort", records(kMaxRecords, kMaxRecords).chopped(5)},
                      Shape{"CountBeyondTheRecords", records(100, kMaxRecords)},
                      Shape{"LargerThanAnyWritten", records(kMaxRecords + 3, kMaxRecords)},
                      Shape{"Empty", QByteArray()}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
