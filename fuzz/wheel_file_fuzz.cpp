// A wheel definition file: the first byte picks the wheel (type and group
// size) from the catalogue, the rest is the file. An accepted wheel has
// exactly its lines, every number from the group; a refused one says why.
#include "fuzz_support.h"
#include "wheels/wheel_catalogue.h"
#include "wheels/wheel_file.h"

#include <algorithm>
#include <vector>

using namespace numbrava;
using namespace numbrava::fuzzing;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1)
        return 0;
    std::vector<WheelSize> wheels;
    for (const WheelKind& kind : wheelCatalogue())
        for (const WheelSize& s : kind.sizes)
            wheels.push_back(s);
    const size_t pick = data[0] % wheels.size();
    const QString path = inputFile(QStringLiteral("wheel.whl"), data + 1, size - 1);
    const QByteArray before = bytesOf(path);

    std::vector<int> group;
    for (int i = 0; i < wheels[pick].groupSize; ++i)
        group.push_back(2 * i + 3);
    const WheelFileLines read = readWheelFile(path, wheels[pick].entriesRequired, group);
    expect(bytesOf(path) == before, "reading leaves the file alone");
    if (!read.ok()) {
        expect(read.lines.empty() && !read.message().isEmpty(), "a refusal says why");
        return 0;
    }
    expect(static_cast<int>(read.lines.size()) == wheels[pick].entriesRequired,
           "exactly the wheel's lines");
    for (const EntryLine& line : read.lines)
        for (auto n : line.numbers)
            expect(std::find(group.begin(), group.end(), n) != group.end(),
                   "every number from the group");
    return 0;
}
