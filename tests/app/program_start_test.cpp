#include "app/data_folder.h"
#include "app/numbrava.h"
#include "data/file_error.h"
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
    // A data folder that is a plain file, or cannot be made, is refused.
    for (const QString& bad : {base.filePath("share/numbrava/pbk.rtl"), user + "/pbk.rtl/x"})
        EXPECT_THROW(chooseDataFolder(bad, bin, user), FileError) << bad.toStdString();
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

    // A terminal with no display at all: every option is answered, every mistake refused.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    const QString plainFile = "--data-dir=" + data.filePath("game.dat");
    const std::tuple<QString, const char*, int> cases[] = {
        {"--help", "--data-dir <folder>", 0},           {"-h", "--version", 0},
        {"--version", "Numbrava " NUMBRAVA_VERSION, 0}, {"--bogus", "Unknown option 'bogus'", 2},
        {"--results-url=ftp://x/", "http://", 2},       {plainFile, "is not a folder", 1}};
    for (const auto& [option, shown, exitCode] : cases) {
        QProcess program;
        program.setProcessEnvironment(environment);
        program.setProcessChannelMode(QProcess::MergedChannels);
        program.start(QStringLiteral(NUMBRAVA_BIN_DIR "/numbrava"), {option});
        ASSERT_TRUE(program.waitForFinished(30000));
        const QByteArray said = program.readAll();
        EXPECT_EQ(program.exitCode(), exitCode) << said.toStdString();
        EXPECT_TRUE(said.contains(shown)) << said.toStdString();
    }
}

} // namespace
