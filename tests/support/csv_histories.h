#pragma once

#include "data/draw_history_file.h"
#include "support/record_bytes.h"

#include <QDate>
#include <QFile>
#include <vector>

namespace numbrava::testing {

// The draws of a results CSV in data/ ("date,b1,b2,b3,b4,b5,bonus", dates as
// yyyy-MM-dd), read field by field without the program's own reader.
inline std::vector<DrawRecord> csvDraws(const QString& name) {
    QFile csv(QStringLiteral(NUMBRAVA_SOURCE_DIR "/data/") + name);
    EXPECT_TRUE(csv.open(QIODevice::ReadOnly | QIODevice::Text)) << name.toStdString();
    std::vector<DrawRecord> draws;
    csv.readLine(); // the heading
    while (!csv.atEnd()) {
        const QList<QByteArray> f = csv.readLine().trimmed().split(',');
        if (f.size() != 7)
            continue;
        const QDate date = QDate::fromString(QString::fromLatin1(f[0]), Qt::ISODate);
        DrawRecord d;
        d.day = static_cast<std::int16_t>(date.day());
        d.month = static_cast<std::int16_t>(date.month());
        d.year = static_cast<std::int16_t>(date.year());
        for (size_t k = 0; k < d.balls.size(); ++k)
            d.balls[k] = static_cast<std::int16_t>(f[static_cast<qsizetype>(k) + 1].toInt());
        d.bonus = static_cast<std::int16_t>(f[6].toInt());
        draws.push_back(d);
    }
    return draws;
}

// Writes draws with their own dates as a history file: record 1 carries the count.
inline void writeDatedHistory(const QString& path, const std::vector<DrawRecord>& draws) {
    QByteArray bytes;
    for (size_t i = 0; i < draws.size(); ++i) {
        const DrawRecord& d = draws[i];
        bytes += drawBytes(static_cast<int>(draws.size()), static_cast<int>(i) + 1,
                           QDate(d.year, d.month, d.day), d.balls, d.bonus);
    }
    writeFileBytes(path, bytes);
}

} // namespace numbrava::testing
