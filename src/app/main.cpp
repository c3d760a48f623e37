#include "app/data_folder.h"
#include "app/numbrava.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QStandardPaths>
#include <csignal>
#include <cstdio>

int main(int argc, char** argv) {
    // Past a file-size limit a write then fails and is reported, instead of
    // the signal ending the program with the data half written.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Numbrava"));
    QApplication::setApplicationVersion(QStringLiteral(NUMBRAVA_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Numbrava keeps Powerball and Mega Millions lines and draw results, checks "
                       "them and adds up the prizes."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption dataDir(QStringLiteral("data-dir"),
                                     QStringLiteral("Keep every data file in <folder>."),
                                     QStringLiteral("folder"));
    parser.addOption(dataDir);
    parser.process(app);

    const QString programFolder = QApplication::applicationDirPath();
    const QString perUser = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    const QString folder =
        numbrava::chooseDataFolder(parser.value(dataDir), programFolder, perUser);
    if (!parser.value(dataDir).isEmpty())
        numbrava::copyShippedFiles(programFolder, folder);

    auto window = numbrava::createMainWindow(folder);
    window->show();
    return app.exec();
}
