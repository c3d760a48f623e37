#include "app/data_folder.h"
#include "app/numbrava.h"
#include "app/results_server.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QStandardPaths>
#include <csignal>
#include <cstdio>
#include <cstring>

namespace {

void describeProgram(QCommandLineParser& parser) {
    QCoreApplication::setApplicationName(QStringLiteral("Numbrava"));
    QCoreApplication::setApplicationVersion(QStringLiteral(NUMBRAVA_VERSION));
    parser.setApplicationDescription(
        QStringLiteral("Numbrava keeps Powerball and Mega Millions lines and draw results, checks "
                       "them and adds up the prizes."));
    parser.addHelpOption();
    parser.addVersionOption();
}

// --help and --version only print: they are answered before the windowing
// system is reached, so they work on a terminal without a display.
bool asksOnlyToPrint(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        for (const char* option : {"-h", "-?", "--help", "--help-all", "-v", "--version"})
            if (std::strcmp(argv[i], option) == 0)
                return true;
    return false;
}

[[noreturn]] void printAndExit(int argc, char** argv, const QList<QCommandLineOption>& options) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    describeProgram(parser);
    parser.addOptions(options);
    // Display options such as -platform mean nothing here: no complaint.
    parser.parse(QCoreApplication::arguments());
    if (parser.isSet(QStringLiteral("version")))
        parser.showVersion();
    parser.showHelp(0);
}

} // namespace

int main(int argc, char** argv) {
    // Past a file-size limit a write then fails and is reported, instead of
    // the signal ending the program with the data half written.
    std::signal(SIGXFSZ, SIG_IGN);
    const QCommandLineOption dataDir(QStringLiteral("data-dir"),
                                     QStringLiteral("Keep every data file in <folder>."),
                                     QStringLiteral("folder"));
    const QCommandLineOption resultsUrl(
        QStringLiteral("results-url"),
        QStringLiteral("Download draw histories from the results server at <url> (else "
                       "$NUMBRAVA_RESULTS_URL, else http://127.0.0.1:8000/)."),
        QStringLiteral("url"));
    if (asksOnlyToPrint(argc, argv))
        printAndExit(argc, argv, {dataDir, resultsUrl});

    QApplication app(argc, argv);
    QCommandLineParser parser;
    describeProgram(parser);
    parser.addOptions({dataDir, resultsUrl});
    parser.process(app);

    const QString resultsServer = numbrava::resultsServerAddress(parser.value(resultsUrl));
    if (resultsServer.isEmpty()) {
        std::fprintf(stderr, "numbrava: the results server must be an http:// or https:// "
                             "address\n");
        return 2;
    }
    const QString programFolder = QApplication::applicationDirPath();
    const QString perUser = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    const QString folder =
        numbrava::chooseDataFolder(parser.value(dataDir), programFolder, perUser);

    auto window = numbrava::createMainWindow(folder, resultsServer);
    window->show();
    return app.exec();
}
