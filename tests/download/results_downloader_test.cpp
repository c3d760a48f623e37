#include "app/results_server.h"
#include "download/download_services.h"
#include "download/results_transfer.h"
#include "support/main_window_fixture.h"
#include "support/record_bytes.h"

#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QProgressBar>
#include <QTcpServer>
#include <QTcpSocket>
#include <functional>

using namespace numbrava;
using namespace numbrava::testing;

namespace {

// n draws a week apart, the last on 5 July 2003; `shift` tells histories apart.
QByteArray history(int n, int shift = 0) {
    QByteArray bytes;
    for (int i = 1; i <= n; ++i)
        bytes += drawBytes(i == 1 ? n : 0, i, QDate(2003, 7, 5).addDays(7 * (i - n)),
                           {1, 2, 3, 4, static_cast<std::int16_t>(5 + i)}, 6 + shift);
    return bytes;
}

// The same bytes with one 16-bit field of record r changed.
QByteArray patched(QByteArray bytes, int record, int offset, int value) {
    return bytes.replace((record - 1) * kRawRecordSize + offset, 2, le16(value));
}

QByteArray response(const QByteArray& body, const QByteArray& status = "200 OK",
                    qint64 length = -1) {
    return "HTTP/1.1 " + status +
           "\r\nContent-Length: " + QByteArray::number(length < 0 ? body.size() : length) +
           "\r\nConnection: close\r\n\r\n" + body;
}

// A results server on 127.0.0.1 that answers each path with fixed bytes; a
// held reply keeps the connection open after them, as a stalled server does.
class CannedServer {
  public:
    struct Reply {
        QByteArray bytes;
        bool hold = false;
    };
    QHash<QByteArray, Reply> replies; // by path: "/dwnld/pbk.rtl"

    CannedServer() {
        EXPECT_TRUE(server_.listen(QHostAddress::LocalHost));
        QObject::connect(&server_, &QTcpServer::newConnection, [this] {
            while (QTcpSocket* socket = server_.nextPendingConnection())
                QObject::connect(socket, &QTcpSocket::readyRead,
                                 [this, socket] { answer(socket); });
        });
    }
    QString address() const {
        return QStringLiteral("http://127.0.0.1:%1/").arg(server_.serverPort());
    }

  private:
    void answer(QTcpSocket* socket) {
        const QByteArray request = socket->property("request").toByteArray() + socket->readAll();
        socket->setProperty("request", request);
        if (!request.contains("\r\n\r\n") || socket->property("answered").toBool())
            return;
        socket->setProperty("answered", true);
        const Reply reply =
            replies.value(request.split(' ').value(1), {response("no such file", "404 Not Found")});
        socket->write(reply.bytes);
        if (!reply.hold)
            socket->disconnectFromHost();
    }
    QTcpServer server_;
};

// Python's own file server on a folder, on a free port of 127.0.0.1.
class PythonFileServer {
  public:
    explicit PythonFileServer(const QString& folder) {
        process_.setProcessChannelMode(QProcess::MergedChannels);
        process_.start(QStringLiteral("python3"), {"-u", "-m", "http.server", "0", "--bind",
                                                   "127.0.0.1", "--directory", folder});
        QElapsedTimer waited;
        waited.start();
        const QRegularExpression serving(QStringLiteral("port (\\d+)"));
        while (port_.isEmpty() && waited.elapsed() < 10000 && process_.waitForReadyRead(1000))
            port_ = serving.match(QString::fromLatin1(output_ += process_.readAll())).captured(1);
    }
    ~PythonFileServer() {
        process_.kill();
        process_.waitForFinished(3000);
    }
    QString address() const { return QStringLiteral("http://127.0.0.1:%1/").arg(port_); }
    bool serving() const { return !port_.isEmpty(); }

  private:
    QProcess process_;
    QByteArray output_;
    QString port_;
};

const QString kFailedQuestion = QStringLiteral(
    "The download failed or was cancelled for Powerball Do you want to continue downloading the "
    "other results?");
const QString kCorruptQuestion = QStringLiteral(
    "The download was corrupt for Powerball Do you want to continue downloading the other "
    "results?");

class ResultsDownloader : public MainWindowTest {
  protected:
    QtHttpClient http{400}; // a stalled server is given up after 0.4 s of silence
    NoDialupService noDialup;
    DownloadServices services{http, noDialup, QString(), std::chrono::seconds(20)};
    // Only Cancel or closing ends a stalled transfer soon: this client waits a minute.
    QtHttpClient patient{60000};
    DownloadServices patientServices{patient, noDialup, QString(), std::chrono::minutes(1)};
    CannedServer server;
    QWidget* rdl = nullptr;

    void TearDown() override { closeScreens("RDL"); }

    // Starts the program on Powerball with a local history of `localDraws`
    // draws and opens the downloader for the games ticked.
    void open(const QString& address, int localDraws, bool megaMillionsToo = false,
              DownloadServices* chosen = nullptr) {
        writeFileBytes(file("pbk.rtl"), history(localDraws));
        (chosen ? *chosen : services).resultsServer = address;
        startOn(Powerball);
        window->setDownloadServices(chosen ? chosen : &services);
        action("mnuUpdateResults")->trigger();
        rdl = visibleScreen("RDL");
        ASSERT_NE(rdl, nullptr);
        control<QCheckBox>(rdl, "Check2")->setChecked(megaMillionsToo);
    }
    // Powerball (2 draws here) stalls after its first bytes, Mega Millions is
    // sound; `act` runs once the first bytes have arrived.
    void runWithStalledPowerball(const std::function<void()>& act) {
        server.replies["/dwnld/pbk.rtl"] = {
            response(history(3, 1).left(30), "200 OK", 100 * kRawRecordSize), true};
        server.replies["/dwnld/million.rtl"] = {response(history(2, 2))};
        open(server.address(), 2, true, &patientServices);
        replaceWithoutAsking();
        bool acted = false;
        QObject::connect(control<QProgressBar>(rdl, "ProgressBar1"), &QProgressBar::valueChanged,
                         rdl, [&](int percent) {
                             if (acted || percent == 0)
                                 return;
                             acted = true;
                             act();
                         });
        clickOn(rdl, "Command1");
        EXPECT_TRUE(acted);
    }
    void replaceWithoutAsking() { control<QAction>(rdl, "mnuNo")->trigger(); }
    QString status() const { return control<QLabel>(rdl, "Label1")->text(); }
    void expectNoLeftovers() {
        EXPECT_EQ(QDir(folder()).entryList({"temp.rtl", "*.download"}, QDir::Files), QStringList());
    }
};

TEST_F(ResultsDownloader, ReplacesBothHistoriesFromAFileServerWithoutAskingWhenToldNotTo) {
    QTemporaryDir served;
    QDir(served.path()).mkpath("dwnld");
    const QByteArray powerball = history(3, 1);
    // Two draws of one date are a sound history.
    const QByteArray megaMillions = patched(patched(history(2, 2), 1, 6, 5), 1, 8, 7);
    writeFileBytes(served.path() + "/dwnld/pbk.rtl", powerball);
    writeFileBytes(served.path() + "/dwnld/million.rtl", megaMillions);
    PythonFileServer files(served.path());
    if (!files.serving())
        GTEST_SKIP() << "python3 could not serve a folder";

    open(files.address(), 1, true);
    replaceWithoutAsking();
    clickOn(rdl, "Command1");

    EXPECT_EQ(fileBytes(file("pbk.rtl")), powerball);
    EXPECT_EQ(fileBytes(file("million.rtl")), megaMillions);
    expectNoLeftovers();
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(status(), "All Selected Results Downloaded Successfully.");
    EXPECT_EQ(control<QProgressBar>(rdl, "ProgressBar1")->value(), 100);
    EXPECT_TRUE(control<QPushButton>(rdl, "Command3")->isEnabled());
    EXPECT_FALSE(control<QPushButton>(rdl, "Command2")->isEnabled());

    clickOn(rdl, "Command3");
    EXPECT_TRUE(window->isEnabled());
    EXPECT_EQ(shownBalls(), (std::vector<int>{1, 2, 3, 4, 8, 7})); // 5 July 2003, downloaded
}

struct QuestionCase {
    int localDraws;
    bool answer;
    const char* question;
};

class ReplaceQuestion : public ResultsDownloader,
                        public ::testing::WithParamInterface<QuestionCase> {};

// A declined replacement keeps the local history and is no failure.
TEST_P(ReplaceQuestion, AsksBeforeReplacingAndKeepsTheHistoryWhenTheAnswerIsNo) {
    const QByteArray downloaded = history(3, 1);
    server.replies["/dwnld/pbk.rtl"] = {response(downloaded)};
    open(server.address(), GetParam().localDraws);
    const QByteArray local = fileBytes(file("pbk.rtl"));
    dialogs.answers = {GetParam().answer};
    clickOn(rdl, "Command1");

    EXPECT_EQ(dialogs.texts(), QStringList{GetParam().question});
    EXPECT_EQ(fileBytes(file("pbk.rtl")), GetParam().answer ? downloaded : local);
    expectNoLeftovers();
    EXPECT_EQ(status(), "All Selected Results Downloaded Successfully.");
}

const char* const kReplaceUpTo =
    "Do you want to replace your current results for Powerball with those up to 7/5/2003";
const char* const kMoreResults =
    "You seem to have more results in your history file for Powerball than the downloaded ones. "
    "Do you still want to overwrite your current result history with the downloaded result "
    "history.";

INSTANTIATE_TEST_SUITE_P(, ReplaceQuestion,
                         ::testing::Values(QuestionCase{3, true, kReplaceUpTo},
                                           QuestionCase{2, false, kReplaceUpTo},
                                           QuestionCase{4, false, kMoreResults},
                                           QuestionCase{4, true, kMoreResults}));

struct FaultCase {
    const char* name;
    QByteArray reply; // empty: nothing listens on the port
    bool hold;
    bool corrupt;
};

void PrintTo(const FaultCase& fault, std::ostream* os) {
    *os << fault.name;
}

class DownloadFault : public ResultsDownloader, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(DownloadFault, LeavesTheLocalHistoryAsItWas) {
    QString address = server.address();
    if (GetParam().reply.isEmpty()) {
        QTcpServer closed;
        ASSERT_TRUE(closed.listen(QHostAddress::LocalHost));
        address = QStringLiteral("http://127.0.0.1:%1/").arg(closed.serverPort());
    }
    server.replies["/dwnld/pbk.rtl"] = {GetParam().reply, GetParam().hold};
    open(address, 2);
    const QByteArray local = fileBytes(file("pbk.rtl"));
    replaceWithoutAsking();
    dialogs.answerYes();
    clickOn(rdl, "Command1");

    EXPECT_EQ(dialogs.texts(),
              QStringList{GetParam().corrupt ? kCorruptQuestion : kFailedQuestion});
    EXPECT_EQ(fileBytes(file("pbk.rtl")), local);
    expectNoLeftovers();
    EXPECT_EQ(status(), "Some Selected Results Failed to Download.");
}

const QByteArray kThree = history(3, 1);
const QByteArray kHeadersOnly = "HTTP/1.1 200 OK\r\nConnection: close\r\n";

INSTANTIATE_TEST_SUITE_P(
    , DownloadFault,
    ::testing::Values(
        FaultCase{"RefusedConnection", {}, false, false},
        FaultCase{"NotFound", response("<html>Not Found</html>", "404 Not Found"), false, true},
        FaultCase{"ServerErrorWithAHistoryBody", response(kThree, "500 Oops"), false, true},
        FaultCase{"NoLength", kHeadersOnly + "\r\n" + kThree, false, false},
        FaultCase{"Chunked",
                  kHeadersOnly + "Transfer-Encoding: chunked\r\n\r\n" +
                      QByteArray::number(kThree.size(), 16) + "\r\n" + kThree + "\r\n0\r\n\r\n",
                  false, false},
        FaultCase{"TruncatedBody", response(kThree, "200 OK", 10 * kRawRecordSize), false, false},
        FaultCase{"LongerThanAnyHistory",
                  response(kThree, "200 OK", ResultsTransfer::largestBody() + 1), false, false},
        FaultCase{"ShortLength", response(kThree, "200 OK", kRawRecordSize), false, true},
        FaultCase{"StalledServer", response(kThree, "200 OK").chopped(40), true, false},
        FaultCase{"HtmlPage", response("<html><body>Try later</body></html>"), false, true},
        FaultCase{"EmptyFile", response(""), false, true},
        FaultCase{"FirstBallZero", response(patched(kThree, 1, 12, 0)), false, true},
        FaultCase{"CountOutOfRange", response(withCount(kThree, 40000)), false, true},
        FaultCase{"CountBeyondTheFile", response(withCount(kThree, 4)), false, true},
        FaultCase{"MainBallTooHigh", response(patched(kThree, 2, 20, 54)), false, true},
        FaultCase{"BonusTooHigh", response(patched(kThree, 3, 22, 43)), false, true},
        FaultCase{"NoSuchMonth", response(patched(kThree, 2, 8, 13)), false, true},
        FaultCase{"DateBeforeThePrevious", response(patched(kThree, 3, 10, 2002)), false, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ResultsDownloader, CancelInTheFirstGameStillDownloadsTheSecond) {
    QElapsedTimer run;
    run.start();
    dialogs.answerYes();
    runWithStalledPowerball([this] {
        // Mid-transfer the history is whole and has its backup.
        EXPECT_EQ(fileBytes(file("pbk.rtl")), history(2));
        EXPECT_EQ(fileBytes(file("temp.rtl")), history(2));
        clickOn(rdl, "Command2");
    });

    EXPECT_LT(run.elapsed(), 20000); // the client alone would wait a minute
    EXPECT_EQ(dialogs.texts(), QStringList{kFailedQuestion});
    EXPECT_EQ(fileBytes(file("pbk.rtl")), history(2));
    EXPECT_EQ(fileBytes(file("million.rtl")), history(2, 2));
    expectNoLeftovers();
    EXPECT_EQ(status(), "Some Selected Results Failed to Download.");
}

TEST_F(ResultsDownloader, ClosingMidTransferStopsTheRunAndThenCloses) {
    runWithStalledPowerball([this] { rdl->close(); });

    EXPECT_EQ(visibleScreen("RDL"), nullptr);
    EXPECT_TRUE(window->isEnabled());
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(fileBytes(file("pbk.rtl")), history(2));
    EXPECT_EQ(fileBytes(file("million.rtl")), QByteArray()); // not fetched
    expectNoLeftovers();
}

TEST_F(ResultsDownloader, NoToGoingOnEndsTheRun) {
    server.replies["/dwnld/million.rtl"] = {response(history(2, 2))};
    open(server.address(), 2, true); // no Powerball file on the server
    replaceWithoutAsking();
    dialogs.answerNo();
    clickOn(rdl, "Command1");
    EXPECT_EQ(dialogs.texts(), QStringList{kCorruptQuestion});
    EXPECT_EQ(status(), "Download Failed. Some results may not have been updated.");
    EXPECT_EQ(fileBytes(file("million.rtl")), QByteArray()); // not fetched
    EXPECT_TRUE(control<QPushButton>(rdl, "Command1")->isEnabled());
}

TEST_F(ResultsDownloader, FollowsARedirection) {
    server.replies["/dwnld/pbk.rtl"] = {
        "HTTP/1.1 302 Found\r\nLocation: /moved/pbk.rtl\r\nContent-Length: 0\r\n\r\n"};
    server.replies["/moved/pbk.rtl"] = {response(kThree)};
    open(server.address(), 2);
    replaceWithoutAsking();
    clickOn(rdl, "Command1");
    EXPECT_EQ(fileBytes(file("pbk.rtl")), kThree);
    EXPECT_EQ(status(), "All Selected Results Downloaded Successfully.");
}

// A dial-up line that connects and hangs up as told, counting the hang-ups.
struct FakeDialup : DialupService {
    bool hangUpWorks = true;
    int hangUps = 0;
    bool available() const override { return true; }
    Connection attemptConnect() override { return {true, true}; }
    bool hangUp() override { return ++hangUps, hangUpWorks; }
};

TEST_F(ResultsDownloader, HangsUpTheDialUpLineAfterASuccessfulRunWithoutAsking) {
    FakeDialup dialup;
    DownloadServices withDialup{http, dialup, server.address()};
    server.replies["/dwnld/pbk.rtl"] = {response(kThree)};
    open(server.address(), 2, false, &withDialup);
    replaceWithoutAsking();
    control<QCheckBox>(rdl, "Check8")->setChecked(true);
    dialup.hangUpWorks = false;
    clickOn(rdl, "Command1");
    EXPECT_EQ(dialup.hangUps, 1);
    EXPECT_EQ(dialogs.texts(), QStringList{"Cannot auto disconnect. Please disconnect manually"});
    EXPECT_EQ(fileBytes(file("pbk.rtl")), kThree);
}

TEST(ResultsServerAddress, CommandLineThenEnvironmentThenDefaultAlwaysEndingInASlash) {
    qunsetenv("NUMBRAVA_RESULTS_URL");
    EXPECT_EQ(resultsServerAddress(""), "http://127.0.0.1:8000/");
    EXPECT_EQ(resultsServerAddress("http://results.example:81/lotto"),
              "http://results.example:81/lotto/");
    EXPECT_EQ(resultsServerAddress("results.example"), "");
    qputenv("NUMBRAVA_RESULTS_URL", "https://env.example/");
    EXPECT_EQ(resultsServerAddress(""), "https://env.example/");
    EXPECT_EQ(resultsServerAddress("http://cli.example/"), "http://cli.example/");
    qunsetenv("NUMBRAVA_RESULTS_URL");
}

} // namespace
