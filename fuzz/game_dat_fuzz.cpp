// game.dat: any content reads as one of the two games, and a write reads back.
#include "data/last_game_file.h"
#include "fuzz_support.h"

#include <QFileInfo>

using namespace numbrava;
using namespace numbrava::fuzzing;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString path = inputFile(QStringLiteral("game.dat"), data, size);
    const QString folder = QFileInfo(path).path();
    const GameCode game = readLastGame(folder);
    expect(game == Powerball || game == MegaMillions, "one of the two games");
    const GameCode other = game == Powerball ? MegaMillions : Powerball;
    if (refusedUntouched(path, [&] { writeLastGame(folder, other); }))
        expect(readLastGame(folder) == other, "the stored game reads back");
    return 0;
}
