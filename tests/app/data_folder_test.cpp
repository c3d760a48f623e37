#include "app/data_folder.h"
#include "app/numbrava.h"
#include "support/file_bytes.h"

#include <QDir>
#include <QFile>
#include <QRadioButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace numbrava;

namespace {
void writeText(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    numbrava::testing::writeFileBytes(path, bytes);
}
using numbrava::testing::fileBytes;
} // namespace

TEST(DataFolder, KeptWithoutTrailingSeparatorAndRootBecomesEmpty) {
    EXPECT_EQ(installFolderFor(QStringLiteral("/tmp/x/")), QStringLiteral("/tmp/x"));
    EXPECT_EQ(installFolderFor(QStringLiteral("/tmp//x/./")), QStringLiteral("/tmp/x"));
    EXPECT_EQ(installFolderFor(QStringLiteral("/")), QString());
}

TEST(DataFolder, ShippedFilesAreCopiedOnlyWhereMissing) {
    QTemporaryDir program, data;
    writeText(program.filePath(QStringLiteral("NUMBRAVA.HLP")), "help");
    writeText(program.filePath(QStringLiteral("pbk.rtl")), "shipped draws");
    writeText(program.filePath(QStringLiteral("wheels/5-5-5-7.whl")), "01 02 03 04 05");
    writeText(program.filePath(QStringLiteral("numbrava")), "the program itself");
    writeText(data.filePath(QStringLiteral("pbk.rtl")), "the user's own draws");

    EXPECT_TRUE(copyShippedFiles(program.path(), data.path()).isEmpty());
    EXPECT_EQ(fileBytes(data.filePath(QStringLiteral("pbk.rtl"))), "the user's own draws");
    EXPECT_EQ(fileBytes(data.filePath(QStringLiteral("NUMBRAVA.HLP"))), "help");
    EXPECT_EQ(fileBytes(data.filePath(QStringLiteral("wheels/5-5-5-7.whl"))), "01 02 03 04 05");
    EXPECT_FALSE(QFile::exists(data.filePath(QStringLiteral("numbrava"))));
}

TEST(DataFolder, ARequestedFolderIsCreatedAndUsed) {
    QTemporaryDir base;
    const QString wanted = base.filePath(QStringLiteral("new/folder"));
    EXPECT_EQ(chooseDataFolder(wanted, base.path(), base.filePath(QStringLiteral("user"))), wanted);
    EXPECT_TRUE(QDir(wanted).exists());
    EXPECT_EQ(chooseDataFolder(QString(), base.path(), base.filePath(QStringLiteral("user"))),
              base.path());
}

TEST(DataFolder, AnInstalledProgramKeepsDataInTheUsersFolder) {
    QTemporaryDir prefix;
    const QString bin = prefix.filePath(QStringLiteral("bin"));
    const QString user = prefix.filePath(QStringLiteral("home/data"));
    QDir().mkpath(bin);
    writeText(prefix.filePath(QStringLiteral("share/numbrava/pbk.rtl")), "shipped draws");
    EXPECT_EQ(shippedFolderFor(bin), prefix.filePath(QStringLiteral("share/numbrava")));
    EXPECT_EQ(chooseDataFolder(QString(), bin, user), user);
    EXPECT_EQ(fileBytes(user + QStringLiteral("/pbk.rtl")), "shipped draws");
    writeText(user + QStringLiteral("/pbk.rtl"), "the user's own draws");
    EXPECT_EQ(chooseDataFolder(QString(), bin, user), user);
    EXPECT_EQ(fileBytes(user + QStringLiteral("/pbk.rtl")), "the user's own draws");
}

TEST(CreateMainWindow, StartsTheRealProgramOnAFolder) {
    QTemporaryDir data;
    writeText(data.filePath(QStringLiteral("game.dat")), QByteArray(2, '\xff'));
    auto window = createMainWindow(data.path() + QStringLiteral("/"));
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->objectName(), QStringLiteral("Form1"));
    EXPECT_TRUE(window->findChild<QRadioButton*>(QStringLiteral("Option3"))->isChecked());
    window->findChild<QRadioButton*>(QStringLiteral("Option2"))->click();
    window->close();
    EXPECT_EQ(fileBytes(data.filePath(QStringLiteral("game.dat"))), QByteArray(2, '\0'));
}
