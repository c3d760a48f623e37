#include "app/data_folder.h"
#include "app/numbrava.h"
#include "app/results_server.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QStandardPaths>
#include <cstdio>

int main(int argc, char** argv) {
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
    const QCommandLineOption resultsUrl(
        QStringLiteral("results-url"),
        QStringLiteral("Download draw histories from the results server at <url> (else "
                       "$NUMBRAVA_RESULTS_URL, else http://127.0.0.1:8000/)."),
        QStringLiteral("url"));
    parser.addOption(resultsUrl);
    parser.process(app);

    const QString programFolder = QApplication::applicationDirPath();
    const QString perUser = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    const QString folder =
        numbrava::chooseDataFolder(parser.value(dataDir), programFolder, perUser);
    if (!parser.value(dataDir).isEmpty())
        numbrava::copyShippedFiles(programFolder, folder);

    const QString resultsServer = numbrava::resultsServerAddress(parser.value(resultsUrl));
    if (resultsServer.isEmpty()) {
        std::fprintf(stderr, "numbrava: the results server must be an http:// or https:// "
                             "address\n");
        return 2;
    }
    auto window = numbrava::createMainWindow(folder, resultsServer);
    window->show();
    return app.exec();
}
