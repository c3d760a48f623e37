#pragma once

#include "data/draw_record.h"
#include "data/game.h"
#include "ui/random_source.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace numbrava {

// How the bonus number of each wheel line is chosen.
enum class BonusRule {
    Optimized, // the bonus of a random stored draw: common bonus numbers come up more
    Random,    // 1..bonusMax, each as likely
    Spread,    // 1, 2, ..., bonusMax, 1, 2, ... in line order
};

// Optimized needs at least this many stored draws.
constexpr int kMinDrawsForOptimized = 3;

// The player's group as Save Wheel reads it from the shown boxes: ascending,
// or the message refusing it (equal numbers first, then a number outside
// 1..mainMax). An empty or non-numeric box reads as 0.
struct WheelGroup {
    std::vector<int> numbers;
    QString refusal;
};
WheelGroup readWheelGroup(const QStringList& boxTexts, int mainMax);

// Gives each line its bonus number. Optimized takes the bonus numbers of the
// given draws (the caller has made sure there are enough).
void chooseBonusNumbers(std::vector<EntryLine>& lines, BonusRule rule, int bonusMax,
                        const std::vector<DrawRecord>& draws, RandomSource& random);

struct WheelRequest {
    QString folder; // the data folder, holding the draw histories and wheels/
    GameCode game;
    int type;
    std::vector<int> group; // ascending
    BonusRule rule;
    QDate today; // the bonus numbers are those of the game's range on this day
};

// A wheel's lines with their bonus numbers, or the message that refused it.
struct WheelBuild {
    std::vector<EntryLine> lines;
    QString refusal;
    bool ok() const { return refusal.isEmpty(); }
};

// Builds the whole wheel in memory. Everything that can refuse it happens
// here, before any stored wheel is touched: reading the wheel definition
// file and, for Optimized, the draw history, of which only the draws since
// today's bonus range began count.
WheelBuild buildWheel(const WheelRequest& request, RandomSource& random);

// Stores the lines as a wheel entry file, each record carrying the line count.
// replaceOld starts from an empty file; otherwise the fields a line does not
// set keep what the file's records held. The file is replaced whole, so a
// failure leaves the old one as it was. Throws FileError.
void writeWheelEntryFile(const QString& path, const std::vector<EntryLine>& lines, bool replaceOld);

// The question before a stored wheel of the type is replaced.
QString wheelOverwriteQuestion();

} // namespace numbrava
