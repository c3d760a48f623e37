#include "download/download_services.h"
#include "download/results_transfer.h"
#include "support/disk_faults.h"
#include "support/main_window_fixture.h"
#include "support/record_bytes.h"

#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QProgressBar>
#include <QTcpServer>
#include <QTcpSocket>

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

// Answers each path on 127.0.0.1 with fixed bytes; the held path then stalls with the line open.
struct CannedServer {
    QHash<QByteArray, QByteArray> replies; // by path: "/dwnld/pbk.rtl"
    QByteArray held;
    QTcpServer server;

    CannedServer() {
        EXPECT_TRUE(server.listen(QHostAddress::LocalHost));
        QObject::connect(&server, &QTcpServer::newConnection, [this] {
            while (QTcpSocket* socket = server.nextPendingConnection())
                QObject::connect(socket, &QTcpSocket::readyRead, [this, socket] {
                    const QByteArray request =
                        socket->property("request").toByteArray() + socket->readAll();
                    socket->setProperty("request", request);
                    if (!request.endsWith("\r\n\r\n"))
                        return;
                    const QByteArray path = request.split(' ').value(1);
                    socket->write(replies.value(path, response("no such file", "404 Not Found")));
                    if (path != held)
                        socket->disconnectFromHost();
                });
        });
    }
    QString address() const {
        return QStringLiteral("http://127.0.0.1:%1/").arg(server.serverPort());
    }
};

// Python's file server on a folder at a free 127.0.0.1 port until `python` ends; empty if not up.
QString serveFolder(QProcess& python, const QString& folder) {
    python.setProcessChannelMode(QProcess::MergedChannels);
    python.start(QStringLiteral("python3"),
                 {"-u", "-m", "http.server", "0", "--bind", "127.0.0.1", "--directory", folder});
    const QRegularExpression serving(QStringLiteral("port (\\d+)"));
    for (QByteArray output; python.waitForReadyRead(10000);) // a busy machine starts it slowly
        if (const auto port = serving.match(QString::fromLatin1(output += python.readAll()));
            port.hasMatch())
            return QStringLiteral("http://127.0.0.1:%1/").arg(port.captured(1));
    return {};
}

const QByteArray kThree = history(3, 1);
const QString kFailedQuestion = QStringLiteral(
    "The download failed or was cancelled for Powerball Do you want to continue downloading the "
    "other results?");
const QString kCorruptQuestion = QStringLiteral(
    "The download was corrupt for Powerball Do you want to continue downloading the other "
    "results?");
const QString kAllDone = QStringLiteral("All Selected Results Downloaded Successfully.");
const QString kSomeFailed = QStringLiteral("Some Selected Results Failed to Download.");

// Qt's warning for a network reply ended twice (aborted after it had failed).
int repliesEndedTwice = 0;
QtMessageHandler otherMessages = nullptr;
void countRepliesEndedTwice(QtMsgType type, const QMessageLogContext& where, const QString& text) {
    repliesEndedTwice += text.contains("must only be called once") ? 1 : 0;
    otherMessages(type, where, text);
}

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

    void SetUp() override {
        repliesEndedTwice = 0;
        otherMessages = qInstallMessageHandler(countRepliesEndedTwice);
    }
    void TearDown() override {
        closeScreens("RDL");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        qInstallMessageHandler(otherMessages);
        EXPECT_EQ(repliesEndedTwice, 0);
    }

    // Powerball with `localDraws` draws at hand, the downloader open for the games ticked.
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
    void replaceWithoutAsking() { control<QAction>(rdl, "mnuNo")->trigger(); }
    QString status() const { return control<QLabel>(rdl, "Label1")->text(); }
    void expectNoLeftovers() {
        EXPECT_EQ(QDir(folder()).entryList({"temp.rtl", "*.download"}, QDir::Files), QStringList());
    }
};

TEST_F(ResultsDownloader, ReplacesBothHistoriesFromAFileServerWithoutAskingWhenToldNotTo) {
    QTemporaryDir served;
    QDir(served.path()).mkpath("dwnld");
    // Two draws of one date are a sound history.
    const QByteArray megaMillions = patched(patched(history(2, 2), 1, 6, 5), 1, 8, 7);
    writeFileBytes(served.path() + "/dwnld/pbk.rtl", kThree);
    writeFileBytes(served.path() + "/dwnld/million.rtl", megaMillions);
    QProcess python;
    const QString address = serveFolder(python, served.path());
    if (address.isEmpty())
        GTEST_SKIP() << "python3 could not serve a folder";

    open(address, 1, true);
    replaceWithoutAsking();
    clickOn(rdl, "Command1");

    EXPECT_EQ(fileBytes(file("pbk.rtl")), kThree);
    EXPECT_EQ(fileBytes(file("million.rtl")), megaMillions);
    expectNoLeftovers();
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(status(), kAllDone);
    EXPECT_EQ(control<QProgressBar>(rdl, "ProgressBar1")->value(), 100);
    EXPECT_TRUE(control<QPushButton>(rdl, "Command3")->isEnabled());
    EXPECT_FALSE(control<QPushButton>(rdl, "Command2")->isEnabled());

    clickOn(rdl, "Command3");
    EXPECT_TRUE(window->isEnabled());
    EXPECT_EQ(shownBalls(), (std::vector<int>{1, 2, 3, 4, 8, 7})); // 5 July 2003, downloaded
}

const QString kReplaceUpTo =
    "Do you want to replace your current results for Powerball with those up to 7/5/2003";
const QString kMoreResults =
    "You seem to have more results in your history file for Powerball than the downloaded ones. "
    "Do you still want to overwrite your current result history with the downloaded result "
    "history.";

// One Powerball run. A sound file is checked before overwriting (a declined one is no failure);
// a failed or corrupt one is replaced without asking, then the run asks whether to go on.
enum Outcome { Sound, Failed, Corrupt };
struct RunCase {
    const char* name;
    QByteArray reply; // empty: nothing listens on the port
    Outcome outcome;
    int localDraws = 2;
    bool answer = true;
    bool hold = false;
    rlim_t fileLimit = 0;          // the largest file the disk takes, when it is short of room
    const char* written = nullptr; // then the file named and why it stopped
};

class DownloadRun : public ResultsDownloader, public ::testing::WithParamInterface<RunCase> {};

TEST_P(DownloadRun, ReplacesTheHistoryOnlyWhenSoundAndAgreed) {
    const RunCase& c = GetParam();
    const QString address = server.address();
    if (c.reply.isEmpty())
        server.server.close();
    server.replies["/dwnld/pbk.rtl"] = c.reply;
    server.replies["/moved/pbk.rtl"] = response(kThree);
    server.held = c.hold ? "/dwnld/pbk.rtl" : "";
    open(address, c.localDraws);
    const QByteArray local = fileBytes(file("pbk.rtl"));
    if (c.outcome != Sound)
        replaceWithoutAsking();
    dialogs.answers = {c.answer};
    std::optional<FileSizeLimit> full;
    if (c.fileLimit > 0)
        full.emplace(c.fileLimit);
    clickOn(rdl, "Command1");
    full.reset();

    const QString question = c.outcome == Corrupt  ? kCorruptQuestion
                             : c.outcome == Failed ? kFailedQuestion
                             : c.localDraws > 3    ? kMoreResults
                                                   : kReplaceUpTo;
    const QStringList shown = c.written ? QStringList{c.written, question} : QStringList{question};
    EXPECT_EQ(dialogs.texts(), shown);
    EXPECT_EQ(fileBytes(file("pbk.rtl")), c.outcome == Sound && c.answer ? kThree : local);
    expectNoLeftovers();
    EXPECT_EQ(status(), c.outcome == Sound ? kAllDone
                        : c.answer         ? kSomeFailed
                        : c.outcome == Failed
                            ? "Download Failed or Was Cancelled. Some results may "
                              "not have been updated."
                            : "Download Failed. Some results may not have been "
                              "updated.");
    EXPECT_TRUE(control<QPushButton>(rdl, "Command1")->isEnabled());
}

const QByteArray kHeadersOnly = "HTTP/1.1 200 OK\r\nConnection: close\r\n";
const QByteArray kNotFound = response("<html>Not Found</html>", "404 Not Found");
const QByteArray kTruncated = response(kThree, "200 OK", 10 * kRawRecordSize);

// clang-format off
INSTANTIATE_TEST_SUITE_P(, DownloadRun, ::testing::Values(
    RunCase{"SameCountYes", response(kThree), Sound, 3, true},
    RunCase{"FewerNo", response(kThree), Sound, 2, false},
    RunCase{"MoreNo", response(kThree), Sound, 4, false},
    RunCase{"MoreYes", response(kThree), Sound, 4, true},
    RunCase{"Redirected", "HTTP/1.1 302 Found\r\nLocation: /moved/pbk.rtl\r\nContent-Length: 0\r\n\r\n",
            Sound, 3, true},
    RunCase{"RefusedConnection", {}, Failed},
    RunCase{"NotFound", kNotFound, Corrupt},
    RunCase{"NotFoundAndNoToGoingOn", kNotFound, Corrupt, 2, false},
    RunCase{"ServerErrorWithAHistoryBody", response(kThree, "500 Oops"), Corrupt},
    RunCase{"NoLength", kHeadersOnly + "\r\n" + kThree, Failed},
    RunCase{"Chunked", kHeadersOnly + "Transfer-Encoding: chunked\r\n\r\n" +
              QByteArray::number(kThree.size(), 16) + "\r\n" + kThree + "\r\n0\r\n\r\n", Failed},
    RunCase{"TruncatedBody", kTruncated, Failed},
    RunCase{"TruncatedBodyAndNoToGoingOn", kTruncated, Failed, 2, false},
    RunCase{"LongerThanAnyHistory", response(kThree, "200 OK", ResultsTransfer::largestBody() + 1), Failed},
    RunCase{"ShortLength", response(kThree, "200 OK", kRawRecordSize), Corrupt},
    RunCase{"StalledServer", response(kThree, "200 OK").chopped(40), Failed, 2, true, true},
    RunCase{"HtmlPage", response("<html><body>Try later</body></html>"), Corrupt},
    RunCase{"EmptyFile", response(""), Corrupt},
    RunCase{"FirstBallZero", response(patched(kThree, 1, 12, 0)), Corrupt},
    RunCase{"CountOutOfRange", response(withCount(kThree, 40000)), Corrupt},
    RunCase{"CountBeyondTheFile", response(withCount(kThree, 4)), Corrupt},
    RunCase{"MainBallTooHigh", response(patched(kThree, 2, 20, 54)), Corrupt},
    RunCase{"BonusTooHigh", response(patched(kThree, 3, 22, 43)), Corrupt},
    RunCase{"NoSuchMonth", response(patched(kThree, 2, 8, 13)), Corrupt},
    RunCase{"DateBeforeThePrevious", response(patched(kThree, 3, 10, 2002)), Corrupt},
    RunCase{"DatedTwoDaysAfterToday", response(patched(kThree, 3, 6, 7)), Corrupt},
    RunCase{"DownloadOnFullDisk", response(kThree), Failed, 2, true, false, 60,
            "The file pbk.rtl.download cannot be written: File too large"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

class StalledRun : public ResultsDownloader, public ::testing::WithParamInterface<bool> {};

// Powerball (2 draws here) stalls after its first bytes, Mega Millions is sound. Then Cancel (true)
// ends Powerball's transfer and the run goes on; closing (false) stops the run, then closes.
TEST_P(StalledRun, CancelGoesOnWithTheSecondGameClosingStops) {
    const bool cancel = GetParam();
    server.replies["/dwnld/pbk.rtl"] = response(kThree.left(30), "200 OK", 100 * kRawRecordSize);
    server.held = "/dwnld/pbk.rtl";
    server.replies["/dwnld/million.rtl"] = response(history(2, 2));
    open(server.address(), 2, true, &patientServices);
    replaceWithoutAsking();
    dialogs.answerYes();
    bool acted = false;
    QObject::connect(control<QProgressBar>(rdl, "ProgressBar1"), &QProgressBar::valueChanged, rdl,
                     [&](int percent) {
                         if (acted || percent == 0)
                             return;
                         acted = true;
                         // Mid-transfer the history is whole and has its backup.
                         EXPECT_EQ(fileBytes(file("pbk.rtl")), history(2));
                         EXPECT_EQ(fileBytes(file("temp.rtl")), history(2));
                         cancel ? clickOn(rdl, "Command2") : void(rdl->close());
                     });
    QElapsedTimer run;
    run.start();
    clickOn(rdl, "Command1");

    EXPECT_TRUE(acted);
    EXPECT_LT(run.elapsed(), 20000); // the client alone would wait a minute
    EXPECT_EQ(dialogs.texts(), cancel ? QStringList{kFailedQuestion} : QStringList{});
    EXPECT_EQ(fileBytes(file("pbk.rtl")), history(2));
    EXPECT_EQ(fileBytes(file("million.rtl")), cancel ? history(2, 2) : QByteArray());
    expectNoLeftovers();
    EXPECT_EQ(visibleScreen("RDL") == rdl, cancel);
    EXPECT_EQ(cancel ? status() : QString(), cancel ? kSomeFailed : QString());
    EXPECT_TRUE(window->isEnabled() != cancel);
}

INSTANTIATE_TEST_SUITE_P(, StalledRun, ::testing::Bool());

} // namespace
