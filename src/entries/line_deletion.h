#pragma once

#include <QString>
#include <vector>

namespace numbrava {

struct LinesDeleted {
    int remaining = 0;    // lines left in the file
    bool allGone = false; // every line shown was deleted
};

// Deletes the selected lines of an entry file. `selected` holds the selection
// of the lines shown (index i is line i + 1). The file ends up byte for byte
// as if the lines had gone one at a time, first selected first (each removal
// moving the rest down and leaving the record after the remaining lines all
// zeros), but it is worked out in memory and replaced once, so thousands of
// lines go in a moment. A file holding fewer lines than are shown raises
// FileError and is left as it was.
LinesDeleted deleteSelectedLines(const QString& path, const std::vector<bool>& selected);

// The question asked before s selected lines are deleted.
QString deleteQuestion(int selectedCount);

} // namespace numbrava
