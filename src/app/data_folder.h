#pragma once

#include <QString>

namespace numbrava {

// Where the files that ship with the program are: ../share/numbrava beside
// an installed program (so a relocated prefix works), else the program's own
// folder, as in the build folder.
QString shippedFolderFor(const QString& programFolder);

// Chooses the folder of every data file: the one asked for on the command
// line, else for an installed program the per-user data folder, else the
// program's own folder, else (when that cannot be written) the per-user data
// folder. A folder other than the program's own receives the shipped files
// where they are missing, so nothing a user changed is ever overwritten.
// Throws FileError when the folder is not one, cannot be created or cannot
// be written to.
QString chooseDataFolder(const QString& requested, const QString& programFolder,
                         const QString& perUserFolder);

// The folder as the program keeps it: absolute, cleaned, never ending in a
// separator; the root folder becomes the empty text so that "/pbk.rtl" is
// found as itself and not as "//pbk.rtl".
QString installFolderFor(const QString& folder);

// Copies the files that ship with the program into a data folder where they
// are missing. Returns the names that could not be copied.
QStringList copyShippedFiles(const QString& programFolder, const QString& dataFolder);

} // namespace numbrava
