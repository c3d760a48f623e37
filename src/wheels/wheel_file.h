#pragma once

#include "data/draw_record.h"

#include <QString>
#include <span>
#include <vector>

namespace numbrava {

// What reading a wheel definition file can end in.
enum class WheelFileStatus {
    Ok,
    Corrupt,        // a line with a position 0 or beyond the group
    NotFound,       // missing, too few lines, or unreadable
    NotRegularFile, // a pipe or device behind the name: never opened
};

// The message the wheel screen shows for a failed read.
QString wheelFileMessage(WheelFileStatus status);

struct WheelFileLines {
    WheelFileStatus status = WheelFileStatus::NotFound;
    std::vector<EntryLine> lines; // all the wheel's lines when status is Ok

    bool ok() const { return status == WheelFileStatus::Ok; }
    QString message() const { return wheelFileMessage(status); }
};

// Reads the first `lineCount` lines of a wheel definition file and maps them
// onto the sorted group. Lines beyond lineCount are not looked at. The first
// failing line decides the outcome, so a corrupt line before the end of a
// short file reports corruption.
WheelFileLines readWheelFile(const QString& path, int lineCount, std::span<const int> group);

// The wheel of a type over the sorted group, from folder/wheels: the file and
// the number of lines come from the catalogue. A size the type does not offer
// reads as NotFound.
WheelFileLines readWheel(const QString& folder, int type, std::span<const int> group);

} // namespace numbrava
