#include <QProcess>
#include <gtest/gtest.h>

using OptionAndText = std::pair<const char*, const char*>;
class CommandLine : public ::testing::TestWithParam<OptionAndText> {};

// A terminal with no display at all: these options print and end well.
TEST_P(CommandLine, PrintsAndEndsWithoutADisplay) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(NUMBRAVA_BIN_DIR "/numbrava"),
                  {QString::fromLatin1(GetParam().first)});
    ASSERT_TRUE(program.waitForFinished(30000));
    EXPECT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();
    EXPECT_TRUE(program.readAllStandardOutput().contains(GetParam().second));
}

INSTANTIATE_TEST_SUITE_P(Options, CommandLine,
                         ::testing::Values(OptionAndText{"--help", "--data-dir <folder>"},
                                           OptionAndText{"-h", "--version"},
                                           OptionAndText{"--version",
                                                         "Numbrava " NUMBRAVA_VERSION}));
