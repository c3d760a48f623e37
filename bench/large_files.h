// The largest files a user can have, written straight to disk for the
// benchmarks, and a main window on them with quiet services.
#pragma once

#include "data/draw_history_file.h"
#include "data/entry_file.h"
#include "data/record_file.h"
#include "main/main_window.h"
#include "support/fake_services.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <memory>

namespace numbrava::bench {

// The day the benchmarks call today; the newest draw is of that day.
inline const QDate kToday{2003, 7, 5};
// The draw of today, which every kind of line in spreadLine() partly matches.
inline constexpr std::array<std::int16_t, 5> kTodaysBalls{5, 12, 25, 33, 41};
inline constexpr std::int16_t kTodaysBonus = 7;

// Widgets need an application; the benchmarks run without a display.
inline void ensureApplication() {
    if (QApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "numbrava_bench";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv); // lives until the process ends
}

// Line i of a large entry file: numbers spread over the whole range.
inline EntryLine spreadLine(int i) {
    EntryLine line;
    for (int k = 0; k < 5; ++k)
        line.numbers[static_cast<size_t>(k)] = static_cast<std::int16_t>((i * 7 + k * 11) % 52 + 1);
    line.bonus = static_cast<std::int16_t>(i % 42 + 1);
    return line;
}

inline void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

// A history of n draws, one a day, the last of them on `last`.
inline void writeHistory(const QString& path, int n, const QDate& last = kToday) {
    QByteArray bytes;
    bytes.reserve(static_cast<qsizetype>(n) * kRecordSize);
    for (int i = 1; i <= n; ++i) {
        const QDate date = last.addDays(i - n);
        DrawRecord r;
        r.count = n;
        r.position = static_cast<std::int16_t>(i);
        r.day = static_cast<std::int16_t>(date.day());
        r.month = static_cast<std::int16_t>(date.month());
        r.year = static_cast<std::int16_t>(date.year());
        r.balls = i == n ? kTodaysBalls : spreadLine(i).numbers;
        r.bonus = i == n ? kTodaysBonus : spreadLine(i).bonus;
        bytes += r.toBytes();
    }
    writeBytes(path, bytes);
}

// An entry file of n lines entered on `date`.
inline void writeEntryFile(const QString& path, int n, const QDate& date = kToday) {
    QByteArray bytes;
    bytes.reserve(static_cast<qsizetype>(n) * kRecordSize);
    for (int i = 1; i <= n; ++i) {
        EntryRecord r;
        r.count = n;
        r.day = static_cast<std::int16_t>(date.day());
        r.month = static_cast<std::int16_t>(date.month());
        r.year = static_cast<std::int16_t>(date.year());
        r.line = spreadLine(i);
        bytes += r.toBytes();
    }
    writeBytes(path, bytes);
}

// A data folder with a full history and a full entry file of today for both
// games, and a main window on it whose services never wait for a user.
struct FullFolder {
    QTemporaryDir dir;
    numbrava::testing::FakeDialogs dialogs;
    numbrava::testing::FakePrinter printer;
    numbrava::testing::FakeSound sound;
    numbrava::testing::FixedClock clock;
    numbrava::testing::ScriptedRandom random;
    AppState state;
    AppContext context{state, dialogs, printer, sound, clock, random};

    FullFolder() {
        ensureApplication();
        for (GameCode game : {Powerball, MegaMillions}) {
            writeHistory(historyFilePath(dir.path(), game), kMaxRecords);
            writeEntryFile(datedEntryFileName(dir.path(), game, kToday), kMaxRecords);
        }
        state.installFolder = dir.path();
    }

    std::unique_ptr<MainWindow> shownWindow() {
        auto window = std::make_unique<MainWindow>(context);
        window->start();
        window->show();
        QApplication::processEvents();
        return window;
    }
};

} // namespace numbrava::bench
