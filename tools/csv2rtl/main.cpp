// csv2rtl: turns a results CSV file into a draw history file.
//
//   csv2rtl powerball|megamillions|powerball69|megamillions70 INPUT.csv OUTPUT.rtl
//
// The output must not exist yet: the tool never replaces a history, so it
// cannot destroy results a player typed or downloaded. The file is built by
// storing the draws one by one, exactly as the program stores a typed result,
// in a temporary file that is renamed into place when complete.
#include "data/draw_history_file.h"
#include "data/file_error.h"
#include "draw_csv.h"

#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <utility>

using namespace numbrava;

namespace {

int fail(const QString& message) {
    std::fprintf(stderr, "csv2rtl: %s\n", qPrintable(message));
    return 1;
}

bool parseGame(const QString& name, GameCode& game) {
    const std::pair<const char*, GameCode> names[] = {{"powerball", Powerball},
                                                      {"megamillions", MegaMillions},
                                                      {"powerball69", Powerball69},
                                                      {"megamillions70", MegaMillions70}};
    for (const auto& [text, code] : names)
        if (name == QLatin1String(text)) {
            game = code;
            return true;
        }
    return false;
}

void writeHistory(const QString& path, const std::vector<CsvDraw>& draws) {
    // An empty history is an empty file; insertDraw creates it otherwise.
    QFile empty(path);
    if (!empty.open(QIODevice::WriteOnly))
        throw FileError(QStringLiteral("cannot create %1: %2").arg(path, empty.errorString()));
    empty.close();
    for (const CsvDraw& d : draws)
        DrawHistoryFile::insertDraw(path, d.balls, d.bonus, d.day, d.month, d.year);
}

} // namespace

int main(int argc, char** argv) {
    GameCode game = NoGame;
    if (argc != 4 || !parseGame(QString::fromLocal8Bit(argv[1]), game))
        return fail(
            QStringLiteral("usage: csv2rtl powerball|megamillions|powerball69|megamillions70 "
                           "INPUT.csv OUTPUT.rtl"));
    const QString input = QString::fromLocal8Bit(argv[2]);
    const QString output = QString::fromLocal8Bit(argv[3]);
    if (QFileInfo::exists(output))
        return fail(QStringLiteral("%1 already exists and is left as it is").arg(output));

    QFile csv(input);
    if (!csv.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("cannot read %1: %2").arg(input, csv.errorString()));
    const CsvDraws read = readDrawCsv(csv.readAll(), gameInfo(game));
    if (!read.error.isEmpty())
        return fail(QStringLiteral("%1, %2; nothing was written").arg(input, read.error));

    const QString partial = output + QStringLiteral(".part");
    QFile::remove(partial);
    try {
        writeHistory(partial, read.draws);
    } catch (const FileError& e) {
        QFile::remove(partial);
        return fail(e.message());
    }
    if (!QFile::rename(partial, output)) {
        QFile::remove(partial);
        return fail(QStringLiteral("cannot create %1").arg(output));
    }
    return 0;
}
