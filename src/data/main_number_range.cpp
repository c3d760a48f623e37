#include "data/main_number_range.h"

#include "data/file_error.h"

#include <QFileInfo>

namespace numbrava {

bool mainNumbersInRange(GameCode game, const std::array<std::int16_t, 5>& numbers) {
    const int largest = gameInfo(game).mainMax;
    for (std::int16_t n : numbers)
        if (n < 1 || n > largest)
            return false;
    return true;
}

void requireMainNumbersInRange(GameCode game, const std::array<std::int16_t, 5>& numbers,
                               const QString& path, int record) {
    if (mainNumbersInRange(game, numbers))
        return;
    throw DamagedFileError(QStringLiteral("The file %1 is damaged (record %2 holds a main number "
                                          "outside 1 to %3). It has been left as it is.")
                               .arg(QFileInfo(path).fileName())
                               .arg(record)
                               .arg(gameInfo(game).mainMax));
}

void requireLinesInRange(GameCode game, const std::vector<EntryLine>& lines, const QString& path) {
    for (size_t i = 0; i < lines.size(); ++i)
        requireMainNumbersInRange(game, lines[i].numbers, path, static_cast<int>(i) + 1);
}

void requireDrawsInRange(GameCode game, const std::vector<DrawRecord>& draws, const QString& path) {
    for (size_t i = 0; i < draws.size(); ++i)
        requireMainNumbersInRange(game, draws[i].balls, path, static_cast<int>(i) + 1);
}

} // namespace numbrava
