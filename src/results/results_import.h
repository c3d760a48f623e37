#pragma once

#include "data/draw_record.h"
#include "data/game.h"
#include "results/results_csv_reader.h"

#include <QByteArray>
#include <QString>
#include <vector>

namespace numbrava {

// What importing a results file would do to a game's history.
struct ImportPreview {
    // Not empty when nothing of the file can be imported (its header, the
    // history's size limit); the message says why.
    QString refusal;
    int rowsRead = 0;
    std::vector<DrawRecord> newDraws; // in date order
    int identical = 0;                // rows already stored as they stand
    std::vector<ListedRow> conflicting;
    std::vector<ListedRow> refused;
};

// Judges every row of a results file against the stored draws and the rows
// above it: a draw of a date not seen yet is new, the same numbers again are
// identical, other numbers conflict (the first draw of a date stands).
ImportPreview previewImport(const QByteArray& csv, GameCode game,
                            const std::vector<DrawRecord>& stored);

// The preview of a results file against the history as both are now on disk.
// Throws FileError when either cannot be read.
ImportPreview previewResultsFile(const QString& csvPath, const QString& historyPath, GameCode game);

// Stores the new draws of a preview in the history, in one replacement of
// the file that leaves every stored draw as it was. Throws FileError.
void storeNewDraws(const QString& historyPath, const ImportPreview& preview);

} // namespace numbrava
