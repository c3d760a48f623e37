#pragma once

#include <QString>
#include <functional>
#include <vector>

namespace numbrava {

// Deletes the selected lines of an entry file. `selected` holds the selection
// of the lines shown (index i is line i + 1). The lines go one at a time, the
// first selected one each time, and lineRemoved(index, newCount) tells the
// screen after each; the file stays consistent between two deletions.
// Returns true when every line shown was deleted. A file that no longer holds
// a selected line raises FileError after the lines already deleted.
bool deleteSelectedLines(const QString& path, std::vector<bool> selected,
                         const std::function<void(int index, int newCount)>& lineRemoved);

// The question asked before s selected lines are deleted.
QString deleteQuestion(int selectedCount);

} // namespace numbrava
