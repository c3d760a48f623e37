#include "wheels/wheel_file.h"

#include "data/regular_file.h"
#include "wheels/wheel_catalogue.h"
#include "wheels/wheel_line.h"

#include <QFile>
#include <QFileInfo>

namespace numbrava {

namespace {
// One text line without its line end (LF or CR LF).
QByteArray withoutLineEnd(QByteArray line) {
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);
    return line;
}

WheelFileLines failed(WheelFileStatus status) {
    return WheelFileLines{status, {}};
}
} // namespace

QString wheelFileMessage(WheelFileStatus status) {
    switch (status) {
    case WheelFileStatus::Ok:
        return QString();
    case WheelFileStatus::Corrupt:
        return QStringLiteral("Your wheel data file is corrupt");
    case WheelFileStatus::NotRegularFile:
        return QStringLiteral("The wheel file cannot be read: it is not a regular file");
    case WheelFileStatus::NotFound:
        break;
    }
    return QStringLiteral("The wheel file cannot be found!");
}

WheelFileLines readWheelFile(const QString& path, int lineCount, std::span<const int> group) {
    // Opening a named pipe would wait for a writer for ever (a folder in
    // its place simply is no wheel file).
    if (!isRegularOrMissing(path) && !QFileInfo(path).isDir())
        return failed(WheelFileStatus::NotRegularFile);
    QFile file(path);
    if (lineCount < 1 || !openRegularFile(file, QIODevice::ReadOnly).isEmpty())
        return failed(WheelFileStatus::NotFound);
    WheelFileLines result{WheelFileStatus::Ok, {}};
    result.lines.reserve(lineCount);
    while (static_cast<int>(result.lines.size()) < lineCount) {
        if (file.atEnd())
            return failed(WheelFileStatus::NotFound);
        const QByteArray text = file.readLine();
        if (file.error() != QFileDevice::NoError)
            return failed(WheelFileStatus::NotFound);
        const std::optional<EntryLine> entry = decodeWheelLine(withoutLineEnd(text), group);
        if (!entry)
            return failed(WheelFileStatus::Corrupt);
        result.lines.push_back(*entry);
    }
    return result;
}

WheelFileLines readWheel(const QString& folder, int type, std::span<const int> group) {
    const int groupSize = static_cast<int>(group.size());
    const std::optional<int> lineCount = entriesRequired(type, groupSize);
    if (!lineCount)
        return failed(WheelFileStatus::NotFound);
    return readWheelFile(wheelFilePath(folder, type, groupSize), *lineCount, group);
}

} // namespace numbrava
