#include "data/last_game_file.h"

#include "data/file_error.h"
#include "data/record_file.h"

namespace numbrava {

namespace {
QString lastGamePath(const QString& folder) {
    return folder + QStringLiteral("/game.dat");
}
} // namespace

GameCode readLastGame(const QString& folder) {
    try {
        RecordFile file(lastGamePath(folder), 2, RecordFile::Mode::Read);
        return gameOfLastGameValue(readInt16(file.read(1), 0));
    } catch (const FileError&) {
        return MegaMillions;
    }
}

void writeLastGame(const QString& folder, GameCode game) {
    RecordFile file(lastGamePath(folder), 2, RecordFile::Mode::ReadWrite);
    QByteArray bytes(2, '\0');
    writeInt16(bytes, 0, gameInfo(game).lastGameValue);
    file.write(1, bytes);
}

} // namespace numbrava
