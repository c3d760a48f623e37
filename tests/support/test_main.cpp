#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
// Every test starts without remembered windows, and none touches the user's own.
struct FreshSettings : ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override {
        QSettings(QStringLiteral("Numbrava"), QStringLiteral("Numbrava")).clear();
    }
};
} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    // Deleted entry files go to the desktop's trash: this run's own, not the user's.
    const QTemporaryDir desktopData;
    qputenv("XDG_DATA_HOME", desktopData.path().toLocal8Bit());
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new FreshSettings);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
