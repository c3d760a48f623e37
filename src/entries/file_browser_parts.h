#pragma once

#include <QString>
#include <functional>

class QLabel;
class QListWidget;

namespace numbrava {

// File1: the files of the data folder that match a pattern, one name a row.
QListWidget* newFileList();
// Lists the folder again, by name, leaving out names `keep` refuses; the
// chosen file stays chosen while it is there.
void refreshFileList(QListWidget* list, const QString& folder, const QString& pattern,
                     const std::function<bool(const QString&)>& keep = {});
// The name of the chosen file; empty when none is chosen.
QString chosenFileName(const QListWidget* list);

// List2 in the fixed-pitch font, and Label2 "Contents/Entries" above it.
QListWidget* newContentsList();
QLabel* newContentsLabel(QListWidget* contents);

} // namespace numbrava
