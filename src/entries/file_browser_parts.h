#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QLabel;
class QListWidget;
class QObject;

namespace numbrava {

// File1: the files of the data folder that match a pattern, one name a row.
QListWidget* newFileList();
// Lists the folder again, by name, leaving out names `keep` refuses; the
// chosen file stays chosen while it is there.
void refreshFileList(QListWidget* list, const QString& folder, const QString& pattern,
                     const std::function<bool(const QString&)>& keep = {});
// The name of the chosen file: the selected row's; empty when none is selected.
QString chosenFileName(const QListWidget* list);
// Runs `chosen` each time the user chooses a file, by a click or the keys, or
// takes the choice back (Ctrl+click). Qt
// makes a row current before it selects it (and makes the first row current,
// unselected, when the list takes the focus), so the choice follows the
// selection, not the current row.
void onFileChosen(QListWidget* list, QObject* receiver, const std::function<void()>& chosen);
// A file dropped onto the list from the desktop: `dropped` gets its path.
void acceptFileDrops(QListWidget* list, const std::function<void(const QString&)>& dropped);
// Chooses a file by its path: the row of a file of the folder, else a row
// naming the whole path (a file from another folder).
void chooseFile(QListWidget* list, const QString& folder, const QString& path);
// The path of the chosen file; empty when none is chosen.
QString chosenFilePath(const QListWidget* list, const QString& folder);

// List2 in the fixed-pitch font, and Label2 "Contents/Entries" above it.
QListWidget* newContentsList();
QLabel* newContentsLabel(QListWidget* contents);
// Fills List2 with a viewer's lines. No entry file holds more lines than a
// count can tell: past that the viewer stops, and a last row says so.
void showContents(QListWidget* contents, const QStringList& lines);

} // namespace numbrava
