#include "wheels/wheel_builder.h"

#include "data/draw_history_file.h"
#include "data/file_error.h"
#include "data/file_journal.h"
#include "data/number_text.h"
#include "data/record_file.h"
#include "data/safe_file.h"
#include "wheels/wheel_file.h"

#include <QFileInfo>
#include <algorithm>
#include <cmath>

namespace numbrava {

WheelGroup readWheelGroup(const QStringList& boxTexts, int mainMax) {
    // Read as plain numbers first, so that a huge value is out of range
    // rather than wrapped into the game.
    std::vector<double> values;
    for (const QString& text : boxTexts)
        values.push_back(roundHalfEven(leadingNumber(text)));
    std::sort(values.begin(), values.end());
    if (std::adjacent_find(values.begin(), values.end()) != values.end())
        return {{}, QStringLiteral("One or more of your numbers are the same!")};
    if (std::any_of(values.begin(), values.end(),
                    [&](double v) { return !(v >= 1 && v <= mainMax); }))
        return {{}, QStringLiteral("One or more of your numbers are out of range!")};
    return {std::vector<int>(values.begin(), values.end()), QString()};
}

void chooseBonusNumbers(std::vector<EntryLine>& lines, BonusRule rule, int bonusMax,
                        const std::vector<DrawRecord>& draws, RandomSource& random) {
    int spread = 0;
    const auto drawCount = static_cast<double>(draws.size());
    for (EntryLine& line : lines) {
        switch (rule) {
        case BonusRule::Random:
            line.bonus = static_cast<std::int16_t>(static_cast<int>(bonusMax * random.next()) + 1);
            break;
        case BonusRule::Optimized:
            line.bonus = draws[static_cast<size_t>(drawCount * random.next())].bonus;
            break;
        case BonusRule::Spread:
            spread = spread % bonusMax + 1;
            line.bonus = static_cast<std::int16_t>(spread);
            break;
        }
    }
}

WheelBuild buildWheel(const WheelRequest& request, RandomSource& random) {
    WheelFileLines wheel = readWheel(request.folder, request.type, request.group);
    if (!wheel.ok())
        return {{}, wheel.message()};
    std::vector<DrawRecord> draws;
    if (request.rule == BonusRule::Optimized) {
        try {
            draws = drawsFrom(
                DrawHistoryFile::readAllDraws(historyFilePath(request.folder, request.game)),
                rangeInForceSince(request.game, request.today, true));
        } catch (const FileError& error) {
            return {{}, error.message()};
        }
        if (draws.size() < static_cast<size_t>(kMinDrawsForOptimized))
            return {{},
                    QStringLiteral("You have fewer than 3 draws in the history file. The program "
                                   "cannot suggest Optimised entries yet. Please select Random or "
                                   "Spread")};
    }
    chooseBonusNumbers(wheel.lines, request.rule, gameFormat(request.game, request.today).bonusMax,
                       draws, random);
    return {std::move(wheel.lines), QString()};
}

void writeWheelEntryFile(const QString& path, const std::vector<EntryLine>& lines,
                         bool replaceOld) {
    const auto count = static_cast<std::int32_t>(lines.size());
    nameFileStep(QStringLiteral("Save wheel ") + QFileInfo(path).fileName());
    if (replaceOld) {
        QByteArray bytes;
        for (const EntryLine& line : lines) {
            EntryRecord record;
            record.count = count;
            record.line = line;
            bytes += record.toBytes();
        }
        writeFileAtomically(path, bytes);
        return;
    }
    RecordFile file(path, kRecordSize, RecordFile::Mode::Rewrite);
    for (int k = 1; k <= count; ++k) {
        EntryRecord record = EntryRecord::fromBytes(file.read(k));
        record.count = count;
        record.line = lines[static_cast<size_t>(k - 1)];
        file.write(k, record.toBytes());
    }
    file.commit();
}

QString wheelOverwriteQuestion() {
    return QStringLiteral("You have already created one of thse wheels. Do you want to overwrite "
                          "the existing entry with this new entry?");
}

} // namespace numbrava
