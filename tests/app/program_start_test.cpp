#include "app/data_folder.h"
#include "app/numbrava.h"
#include "support/file_bytes.h"

#include <QDir>
#include <QProcess>
#include <QRadioButton>
#include <QTemporaryDir>

using namespace numbrava;
using numbrava::testing::fileBytes;

namespace {

void writeText(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    numbrava::testing::writeFileBytes(path, bytes);
}

TEST(DataFolder, ChosenCleanedAndGivenTheShippedFilesOnlyWhereMissing) {
    EXPECT_EQ(installFolderFor(QStringLiteral("/tmp/x/")), QStringLiteral("/tmp/x"));
    EXPECT_EQ(installFolderFor(QStringLiteral("/tmp//x/./")), QStringLiteral("/tmp/x"));
    EXPECT_EQ(installFolderFor(QStringLiteral("/")), QString());

    QTemporaryDir program, data, base;
    for (const char* name : {"NUMBRAVA.HLP", "pbk.rtl", "wheels/5-5-5-7.whl", "numbrava"})
        writeText(program.filePath(name), QByteArray("shipped ") + name);
    writeText(data.filePath("pbk.rtl"), "the user's own draws");
    EXPECT_TRUE(copyShippedFiles(program.path(), data.path()).isEmpty());
    QByteArray copied;
    for (const char* name : {"NUMBRAVA.HLP", "pbk.rtl", "wheels/5-5-5-7.whl", "numbrava"})
        copied += fileBytes(data.filePath(name)) + '|';
    EXPECT_EQ(copied, "shipped NUMBRAVA.HLP|the user's own draws|shipped wheels/5-5-5-7.whl||");

    // The requested folder, else the user's folder for an installed program.
    const QString wanted = base.filePath("new/folder");
    EXPECT_EQ(chooseDataFolder(wanted, base.path(), base.filePath("user")), wanted);
    EXPECT_TRUE(QDir(wanted).exists());
    EXPECT_EQ(chooseDataFolder(QString(), base.path(), base.filePath("user")), base.path());

    const QString bin = base.filePath("bin");
    const QString user = base.filePath("home/data");
    QDir().mkpath(bin);
    writeText(base.filePath("share/numbrava/pbk.rtl"), "shipped draws");
    EXPECT_EQ(shippedFolderFor(bin), base.filePath("share/numbrava"));
    EXPECT_EQ(chooseDataFolder(QString(), bin, user), user);
    EXPECT_EQ(fileBytes(user + "/pbk.rtl"), "shipped draws");
    writeText(user + "/pbk.rtl", "the user's own draws");
    EXPECT_EQ(chooseDataFolder(QString(), bin, user), user);
    EXPECT_EQ(fileBytes(user + "/pbk.rtl"), "the user's own draws");
}

TEST(ProgramStart, OnAFolderOrWithoutADisplay) {
    QTemporaryDir data;
    writeText(data.filePath("game.dat"), QByteArray(2, '\xff'));
    auto window = createMainWindow(data.path() + "/");
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->objectName(), QStringLiteral("Form1"));
    EXPECT_TRUE(window->findChild<QRadioButton*>("Option3")->isChecked());
    window->findChild<QRadioButton*>("Option2")->click();
    window->close();
    EXPECT_EQ(fileBytes(data.filePath("game.dat")), QByteArray(2, '\0'));

    // A terminal with no display at all: these options print and end well.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    const std::pair<const char*, const char*> cases[] = {
        {"--help", "--data-dir <folder>"},
        {"-h", "--version"},
        {"--version", "Numbrava " NUMBRAVA_VERSION}};
    for (const auto& [option, shown] : cases) {
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(NUMBRAVA_BIN_DIR "/numbrava"), {QString::fromLatin1(option)});
        ASSERT_TRUE(program.waitForFinished(30000));
        EXPECT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();
        EXPECT_TRUE(program.readAllStandardOutput().contains(shown)) << option;
    }
}

} // namespace
