#pragma once

#include "data/draw_record.h"
#include "data/game.h"

#include <QByteArray>
#include <QString>
#include <vector>

namespace numbrava {

// One row of a results file that was not taken, with the line it stands on
// (as an editor numbers them: the header is line 1) and why.
struct ListedRow {
    int line = 0;
    QString reason;
};

// A draw read from a row of a results file: date, main numbers ascending, bonus.
struct ReadDraw {
    int line = 0;
    DrawRecord draw;
};

struct ResultsCsv {
    // Not empty when the header is none of the accepted ones; nothing else is read then.
    QString headerRefusal;
    int rowsRead = 0; // every line after the header that is not blank
    std::vector<ReadDraw> draws;
    std::vector<ListedRow> refused; // each row once, with its first reason
};

// The headers a results file may start with, as the refusal lists them.
QString acceptedResultsHeaders();

// Reads a results file published for a game in any of the accepted shapes,
// judging each row by the ranges and draw days in force on its date.
ResultsCsv readResultsCsv(const QByteArray& bytes, GameCode game);

} // namespace numbrava
