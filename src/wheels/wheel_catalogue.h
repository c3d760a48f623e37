#pragma once

#include "data/game.h"

#include <QString>
#include <optional>
#include <span>

namespace numbrava {

// One group size a wheel kind offers and the number of lines its wheel has.
struct WheelSize {
    int groupSize;
    int entriesRequired;
};

// One of the six wheel kinds. Its tag 5-D-M says: lines of 5 numbers, and
// when D of the drawn main numbers are in the group some line holds at least
// M of them.
struct WheelKind {
    int type;                         // 1..6, also the index of Option1..Option6
    int drawnInGroup;                 // D
    int guaranteedMatch;              // M
    QString optionCaption;            // "Guarantee Match 4"
    QString groupLabel;               // "Any 5 from Group Picked"
    QString guaranteeLine;            // printed on the cover sheet
    QString menuCaption;              // the main screen's open item
    QString menuObjectName;           // "mnu554"
    std::span<const WheelSize> sizes; // smallest group first

    QString tag() const;       // "5-5-4"
    QString wheelCode() const; // "5-4", as in the stored entry file's name
};

constexpr int kWheelTypeCount = 6;

// The six kinds in type order.
std::span<const WheelKind> wheelCatalogue();

// The kind of a type 1..6, or nullptr.
const WheelKind* findWheelKind(int type);

// Lines of the wheel of a type over a group of that size, or nothing when
// the catalogue does not offer that size for the type.
std::optional<int> entriesRequired(int type, int groupSize);

// folder/wheels/5-4-3-12.whl: the definition file of (type, group size).
QString wheelFilePath(const QString& folder, int type, int groupSize);

// The game's stored wheel entry file name for a type ("PwrB-5-4-3.lot").
QString wheelEntryFileName(GameCode game, int type);

} // namespace numbrava
