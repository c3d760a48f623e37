#include "app/data_folder.h"
#include "app/numbrava.h"
#include "app/results_server.h"
#include "data/file_error.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QStandardPaths>
#include <csignal>
#include <cstdio>
#include <optional>

namespace {

// What the command line asks for, once it has been found sound.
struct StartRequest {
    QString dataFolder;
    QString resultsServer;
};

// The windowing system's own options (QApplication takes them off the
// command line), known here so that they are not refused as unknown.
QList<QCommandLineOption> displayOptions() {
    QList<QCommandLineOption> options;
    for (const char* name : {"platform", "platformpluginpath", "platformtheme", "plugin",
                             "qwindowgeometry", "qwindowicon", "qwindowtitle", "geometry", "title",
                             "icon", "display", "name", "session", "style", "stylesheet"})
        options << QCommandLineOption(QString::fromLatin1(name), QString(), QStringLiteral("v"));
    for (const char* name : {"reverse", "nograb", "dograb", "sync", "widgetcount", "testability"})
        options << QCommandLineOption(QString::fromLatin1(name));
    for (QCommandLineOption& option : options)
        option.setFlags(QCommandLineOption::HiddenFromHelp);
    return options;
}

int refuse(const QString& message, int exitCode) {
    std::fprintf(stderr, "numbrava: %s\n", qPrintable(message));
    return exitCode;
}

// Answers the whole command line before the windowing system is reached, so
// that help, version and every mistake are answered on a terminal without a
// display too. Empty when the program ends here, with exitCode set.
std::optional<StartRequest> readCommandLine(int argc, char** argv, int& exitCode) {
    const QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Numbrava keeps Powerball and Mega Millions lines and draw results, checks "
                       "them and adds up the prizes."));
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption dataDir(QStringLiteral("data-dir"),
                                     QStringLiteral("Keep every data file in <folder>."),
                                     QStringLiteral("folder"));
    const QCommandLineOption resultsUrl(
        QStringLiteral("results-url"),
        QStringLiteral("Download draw histories from the results server at <url> (else "
                       "$NUMBRAVA_RESULTS_URL, else http://127.0.0.1:8000/)."),
        QStringLiteral("url"));
    parser.addOptions({dataDir, resultsUrl});
    parser.addOptions(displayOptions());
    if (!parser.parse(QCoreApplication::arguments())) {
        exitCode = refuse(parser.errorText() + QStringLiteral(" Try --help."), 2);
        return std::nullopt;
    }
    if (parser.isSet(QStringLiteral("version")))
        parser.showVersion();
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all")))
        parser.showHelp(0);
    StartRequest request;
    request.resultsServer = numbrava::resultsServerAddress(parser.value(resultsUrl));
    if (request.resultsServer.isEmpty()) {
        exitCode =
            refuse(QStringLiteral("the results server must be an http:// or https:// address"), 2);
        return std::nullopt;
    }
    try {
        request.dataFolder = numbrava::chooseDataFolder(
            parser.value(dataDir), QCoreApplication::applicationDirPath(),
            QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    } catch (const numbrava::FileError& error) {
        exitCode = refuse(error.message(), 1);
        return std::nullopt;
    }
    return request;
}

} // namespace

int main(int argc, char** argv) {
    // Past a file-size limit a write then fails and is reported, instead of
    // the signal ending the program with the data half written.
    std::signal(SIGXFSZ, SIG_IGN);
    QCoreApplication::setApplicationName(QStringLiteral("Numbrava"));
    QCoreApplication::setApplicationVersion(QStringLiteral(NUMBRAVA_VERSION));
    int exitCode = 0;
    const auto request = readCommandLine(argc, argv, exitCode);
    if (!request)
        return exitCode;

    QApplication app(argc, argv);
    auto window = numbrava::createMainWindow(request->dataFolder, request->resultsServer);
    window->show();
    return app.exec();
}
