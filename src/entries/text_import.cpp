#include "entries/text_import.h"

#include "data/entry_file.h"
#include "data/file_error.h"
#include "data/file_journal.h"
#include "data/number_text.h"
#include "data/record_file.h"
#include "data/regular_file.h"
#include "data/safe_file.h"

#include <QFile>
#include <QFileInfo>
#include <QStringConverter>
#include <algorithm>
#include <array>

namespace numbrava {

namespace {
const QString kOutOfRange = QStringLiteral(
    "One or more of your numbers are out of range - or your file is not in the correct format");
const QString kSameBalls = QStringLiteral("One or more of the balls are the same!");
const QString kNotReadable = QStringLiteral("Your txt file is not valid");
const QString kDateTaken =
    QStringLiteral("You already have a date entry for this date, please choose another date");

// Where the six numbers of a line start (0-based): five main numbers, then the bonus.
constexpr std::array<int, 6> kColumns = {0, 3, 6, 9, 12, 15};

QString decodeText(const QByteArray& bytes) {
    // A byte-order mark names its encoding (and is dropped by the decoder).
    if (const auto encoding = QStringConverter::encodingForData(bytes)) {
        QStringDecoder decoder(*encoding);
        return decoder(bytes);
    }
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString text = utf8(bytes);
    return utf8.hasError() ? QString::fromLatin1(bytes) : text;
}

bool isBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

// The fields of one line, appended to `fields`.
void splitLine(QStringView line, QStringList& fields) {
    qsizetype p = 0;
    for (;;) {
        while (p < line.size() && isBlank(line[p]))
            ++p;
        QString field;
        if (p < line.size() && line[p] == QLatin1Char('"')) {
            const qsizetype close = line.indexOf(QLatin1Char('"'), p + 1);
            field = line.mid(p + 1, close < 0 ? -1 : close - p - 1).toString();
            p = close < 0 ? line.size() : close + 1;
        }
        const qsizetype comma = line.indexOf(QLatin1Char(','), p);
        if (field.isNull())
            field = line.mid(p, comma < 0 ? -1 : comma - p).toString();
        fields << field;
        if (comma < 0)
            return;
        p = comma + 1;
    }
}

void openToRead(QFile& file) {
    if (const QString failure = openRegularFile(file, QIODevice::ReadOnly); !failure.isEmpty())
        throw fileFailure(file.fileName(), "read", failure);
}

// The next maxBytes of the file (all the rest when negative).
QByteArray readOrThrow(QFile& file, qint64 maxBytes) {
    const QByteArray bytes = maxBytes < 0 ? file.readAll() : file.read(maxBytes);
    if (file.error() != QFileDevice::NoError)
        throw FileError(QStringLiteral("The file %1 cannot be read: %2")
                            .arg(QFileInfo(file.fileName()).fileName(), file.errorString()));
    return bytes;
}

struct Prepared {
    std::vector<EntryLine> lines;
    QString target;
};

// What Validate and Import both check: the text file, then the entry date.
std::variant<Prepared, QString> prepareImport(const QString& folder, GameCode game,
                                              const QString& textFile, const QDate& entryDate) {
    QStringList fields;
    try {
        fields = readTextFieldsOfFile(textFile);
    } catch (const FileError&) {
        return kNotReadable;
    }
    auto checked = checkTextEntries(game, entryDate, fields);
    if (auto* refusal = std::get_if<QString>(&checked))
        return *refusal;
    Prepared prepared{std::move(std::get<std::vector<EntryLine>>(checked)),
                      datedEntryFileName(folder, game, entryDate)};
    // Looking is not creating: a date without a file is left without one.
    // A damaged file is refused too, since the import would replace it.
    try {
        if (QFile::exists(prepared.target) && EntryFile::countLines(prepared.target) >= 1)
            return kDateTaken;
    } catch (const FileError& error) {
        return error.message();
    }
    return prepared;
}
} // namespace

QStringList readTextFields(const QByteArray& bytes) {
    const QString text = decodeText(bytes);
    QStringList fields;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = start;
        while (end < text.size() && text[end] != QLatin1Char('\r') &&
               text[end] != QLatin1Char('\n'))
            ++end;
        const QStringView line = QStringView(text).mid(start, end - start);
        if (!line.trimmed().isEmpty())
            splitLine(line, fields);
        // CRLF is one line end.
        if (end + 1 < text.size() && text[end] == QLatin1Char('\r') &&
            text[end + 1] == QLatin1Char('\n'))
            ++end;
        start = end + 1;
    }
    return fields;
}

QStringList readTextFieldsOfFile(const QString& path) {
    QFile file(path);
    openToRead(file);
    return readTextFields(readOrThrow(file, -1));
}

QStringList viewTextFile(const QString& path) {
    QFile file(path);
    openToRead(file);
    QByteArray bytes;
    int lines = 0;      // finished lines that hold a field
    qsizetype cut = -1; // where the reading stopped, one such line past the limit
    bool blank = true;
    while (cut < 0 && !file.atEnd()) {
        const qsizetype from = bytes.size();
        bytes += readOrThrow(file, 1 << 16);
        // In single-byte text and UTF-8 a line break or a blank is a byte of its own.
        for (qsizetype i = from; i < bytes.size() && cut < 0; ++i) {
            const char c = bytes[i];
            if (c == '\n' || c == '\r') {
                lines += blank ? 0 : 1;
                blank = true;
                if (lines > kMaxRecords)
                    cut = i;
            } else if (c != ' ' && c != '\t') {
                blank = false;
            }
        }
    }
    const auto encoding = QStringConverter::encodingForData(bytes);
    if (encoding && *encoding != QStringConverter::Utf8)
        bytes += readOrThrow(file, -1); // wide text: its bytes were miscounted
    else if (cut >= 0)
        bytes.truncate(cut);
    return readTextFields(bytes).mid(0, kMaxRecords + 1);
}

std::variant<std::vector<EntryLine>, QString>
checkTextEntries(GameCode game, const QDate& entryDate, const QStringList& fields) {
    if (fields.size() > kMaxRecords)
        return QStringLiteral("Your txt file holds %1 entries; an entry file can hold no more "
                              "than %2. Split it into smaller files.")
            .arg(fields.size())
            .arg(kMaxRecords);
    const GameFormat& format = gameFormat(game, entryDate);
    std::vector<EntryLine> lines;
    lines.reserve(static_cast<size_t>(fields.size()));
    for (const QString& field : fields) {
        std::array<std::int16_t, 6> numbers{};
        for (size_t k = 0; k < kColumns.size(); ++k) {
            const double value = leadingNumber(field.mid(kColumns[k], 2));
            const int max = k < 5 ? format.mainMax : format.bonusMax;
            if (value < 1 || value > max)
                return kOutOfRange;
            numbers[k] = static_cast<std::int16_t>(roundHalfEven(value));
        }
        EntryLine line;
        std::copy_n(numbers.begin(), 5, line.numbers.begin());
        line.bonus = numbers[5];
        std::sort(line.numbers.begin(), line.numbers.end());
        if (std::adjacent_find(line.numbers.begin(), line.numbers.end()) != line.numbers.end())
            return kSameBalls;
        lines.push_back(line);
    }
    return lines;
}

ImportValidation validateTextImport(const QString& folder, GameCode game, const QString& textFile,
                                    const QDate& entryDate) {
    const auto prepared = prepareImport(folder, game, textFile, entryDate);
    if (const auto* refusal = std::get_if<QString>(&prepared))
        return {false, *refusal, {}};
    return {true, QStringLiteral("Entry Valid - click Import to create entry"),
            std::get<Prepared>(prepared).target};
}

QByteArray entryFileBytes(const std::vector<EntryLine>& lines, const QDate& entryDate) {
    // An empty import still leaves record 1, holding a count of 0.
    QByteArray bytes = lines.empty() ? QByteArray(kRecordSize, '\0') : QByteArray();
    for (size_t i = 0; i < lines.size(); ++i) {
        EntryRecord r;
        r.count = i == 0 ? static_cast<std::int32_t>(lines.size()) : 0;
        r.day = static_cast<std::int16_t>(entryDate.day());
        r.month = static_cast<std::int16_t>(entryDate.month());
        r.year = static_cast<std::int16_t>(entryDate.year());
        r.line = lines[i];
        bytes += r.toBytes();
    }
    return bytes;
}

ImportResult importTextEntry(const QString& folder, GameCode game, const QString& textFile,
                             const QDate& entryDate) {
    const auto prepared = prepareImport(folder, game, textFile, entryDate);
    if (const auto* refusal = std::get_if<QString>(&prepared))
        return {false, *refusal, {}, 0};
    const Prepared& p = std::get<Prepared>(prepared);
    try {
        nameFileStep(QStringLiteral("Import of ") + QFileInfo(textFile).fileName());
        writeFileAtomically(p.target, entryFileBytes(p.lines, entryDate));
    } catch (const FileError& error) {
        return {false, error.message(), p.target, 0};
    }
    return {true, QStringLiteral("Entry imported succsessfully"), p.target,
            static_cast<int>(p.lines.size())};
}

} // namespace numbrava
