#include "data/last_game_file.h"

#include "support/qt_printers.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

using namespace numbrava;
using namespace numbrava::testing;

namespace {

TEST(LastGameFile, MissingOrEmptyFileMeansMegaMillions) {
    TempFolder folder;
    EXPECT_EQ(readLastGame(folder.path()), MegaMillions);
    folder.writeFile(QStringLiteral("game.dat"), QByteArray());
    EXPECT_EQ(readLastGame(folder.path()), MegaMillions);
}

TEST(LastGameFile, HoldsMinusOneForPowerballAndZeroForMegaMillions) {
    TempFolder folder;
    const QString path = folder.filePath(QStringLiteral("game.dat"));

    writeLastGame(folder.path(), Powerball);
    EXPECT_EQ(fileBytes(path), QByteArray("\xff\xff", 2));
    EXPECT_EQ(readLastGame(folder.path()), Powerball);

    writeLastGame(folder.path(), MegaMillions);
    EXPECT_EQ(fileBytes(path), QByteArray("\x00\x00", 2));
    EXPECT_EQ(readLastGame(folder.path()), MegaMillions);
}

TEST(LastGameFile, FolderThatCannotHoldTheFileStillReadsAsMegaMillions) {
    TempFolder folder;
    const QString notAFolder = folder.writeFile(QStringLiteral("plain"), "x");
    EXPECT_EQ(readLastGame(notAFolder), MegaMillions);
}

} // namespace
