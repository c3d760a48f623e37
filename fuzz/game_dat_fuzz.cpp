// game.dat: any content reads as one of the four games, and a write reads back.
#include "data/last_game_file.h"
#include "fuzz_support.h"

#include <QFileInfo>
#include <algorithm>

using namespace numbrava;
using namespace numbrava::fuzzing;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString path = inputFile(QStringLiteral("game.dat"), data, size);
    const QString folder = QFileInfo(path).path();
    const GameCode game = readLastGame(folder);
    const auto& games = allGames();
    const auto at = std::ranges::find(games, game);
    expect(at != games.end(), "one of the four games");
    const GameCode other = at + 1 == games.end() ? games.front() : *(at + 1);
    if (refusedUntouched(path, [&] { writeLastGame(folder, other); }))
        expect(readLastGame(folder) == other, "the stored game reads back");
    return 0;
}
