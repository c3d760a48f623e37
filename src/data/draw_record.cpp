#include "data/draw_record.h"

#include "data/dates.h"
#include "data/record_file.h"

#include <algorithm>

namespace numbrava {

namespace {
// Both record kinds share one layout; these move the eleven 16-bit words.
struct Words {
    std::int32_t count = 0;
    std::array<std::int16_t, 11> w{};
};

Words decode(const QByteArray& bytes) {
    Words words;
    words.count = readInt32(bytes, 0);
    for (int i = 0; i < 11; ++i)
        words.w[static_cast<size_t>(i)] = readInt16(bytes, 4 + 2 * i);
    return words;
}

QByteArray encode(const Words& words) {
    QByteArray bytes(kRecordSize, '\0');
    writeInt32(bytes, 0, words.count);
    for (int i = 0; i < 11; ++i)
        writeInt16(bytes, 4 + 2 * i, words.w[static_cast<size_t>(i)]);
    return bytes;
}
} // namespace

DrawRecord DrawRecord::fromBytes(const QByteArray& bytes) {
    const Words words = decode(bytes);
    DrawRecord r;
    r.count = words.count;
    r.position = words.w[0];
    r.day = words.w[1];
    r.month = words.w[2];
    r.year = words.w[3];
    for (size_t i = 0; i < 5; ++i)
        r.balls[i] = words.w[4 + i];
    r.bonus = words.w[9];
    r.spare = words.w[10];
    return r;
}

QByteArray DrawRecord::toBytes() const {
    Words words;
    words.count = count;
    words.w = {position, day,      month,    year,  balls[0], balls[1],
               balls[2], balls[3], balls[4], bonus, spare};
    return encode(words);
}

long long DrawRecord::dateNumber() const {
    return sortableDateNumber(year, month, day);
}

std::vector<DrawRecord> drawsFrom(const std::vector<DrawRecord>& draws, const QDate& first) {
    if (!first.isValid())
        return draws;
    const long long from = sortableDateNumber(first.year(), first.month(), first.day());
    const auto tail = std::find_if(draws.begin(), draws.end(),
                                   [&](const DrawRecord& d) { return d.dateNumber() >= from; });
    return {tail, draws.end()};
}

EntryRecord EntryRecord::fromBytes(const QByteArray& bytes) {
    const Words words = decode(bytes);
    EntryRecord r;
    r.count = words.count;
    r.unused = words.w[0];
    r.day = words.w[1];
    r.month = words.w[2];
    r.year = words.w[3];
    for (size_t i = 0; i < 5; ++i)
        r.line.numbers[i] = words.w[4 + i];
    r.line.bonus = words.w[9];
    r.mark = words.w[10];
    return r;
}

QByteArray EntryRecord::toBytes() const {
    Words words;
    words.count = count;
    const auto& n = line.numbers;
    words.w = {unused, day, month, year, n[0], n[1], n[2], n[3], n[4], line.bonus, mark};
    return encode(words);
}

} // namespace numbrava
