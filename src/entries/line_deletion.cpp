#include "entries/line_deletion.h"

#include "data/entry_file.h"
#include "data/file_error.h"
#include "data/number_text.h"

#include <QFileInfo>
#include <algorithm>

namespace numbrava {

bool deleteSelectedLines(const QString& path, std::vector<bool> selected,
                         const std::function<void(int index, int newCount)>& lineRemoved) {
    while (!selected.empty()) {
        const auto first = std::find(selected.begin(), selected.end(), true);
        if (first == selected.end())
            return false; // unselected lines remain
        const int x = static_cast<int>(first - selected.begin());
        if (!EntryFile::deleteLine(path, x + 1))
            throw FileError(QStringLiteral("The file %1 no longer holds the lines shown; "
                                           "choose the entry again to see what it holds.")
                                .arg(QFileInfo(path).fileName()));
        selected.erase(first);
        lineRemoved(x, EntryFile::countLines(path));
    }
    return true;
}

QString deleteQuestion(int selectedCount) {
    if (selectedCount == 1)
        return QStringLiteral("Are you sure you want to delete the selected entry?");
    return QStringLiteral("Are you sure you want to delete the") + withLeadingBlank(selectedCount) +
           QStringLiteral(" selected entries?");
}

} // namespace numbrava
