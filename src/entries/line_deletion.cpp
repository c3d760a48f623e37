#include "entries/line_deletion.h"

#include "data/draw_record.h"
#include "data/file_error.h"
#include "data/file_journal.h"
#include "data/number_text.h"
#include "data/record_file.h"

#include <algorithm>

namespace numbrava {

LinesDeleted deleteSelectedLines(const QString& path, const std::vector<bool>& selected) {
    RecordFile file(path, kRecordSize, RecordFile::Mode::Rewrite);
    const int count = file.count();
    const int shown = static_cast<int>(selected.size());
    if (count < shown)
        throw FileError(QStringLiteral("The file %1 no longer holds the lines shown; "
                                       "choose the entry again to see what it holds.")
                            .arg(file.fileName()));
    const int firstDeleted =
        static_cast<int>(std::find(selected.begin(), selected.end(), true) - selected.begin()) + 1;
    if (firstDeleted > shown)
        return {count, false};

    // Deleting line by line moves every later record down once per deletion
    // and each time pulls in the two records after the lines. What that
    // leaves: the kept lines from the first deleted one on, then the record
    // that followed the last line, then the one after it repeated up to the
    // old last line + 1. Everything is read before anything is written.
    std::vector<QByteArray> kept;
    for (int line = firstDeleted; line <= count; ++line)
        if (line > shown || !selected[static_cast<size_t>(line - 1)])
            kept.push_back(file.read(line));
    const QByteArray afterLines = file.read(count + 1);
    const QByteArray beyond = file.read(count + 2);
    int record = firstDeleted;
    for (const QByteArray& line : kept)
        file.write(record++, line);
    file.write(record++, afterLines);
    while (record <= count + 1)
        file.write(record++, beyond);

    const int deleted = count - firstDeleted + 1 - static_cast<int>(kept.size());
    file.setCount(count - deleted);
    nameFileStep(QStringLiteral("Remove %1 from ") + file.fileName(), deleted);
    file.commit();
    return {count - deleted, deleted == shown};
}

QString deleteQuestion(int selectedCount) {
    if (selectedCount == 1)
        return QStringLiteral("Are you sure you want to delete the selected entry?");
    return QStringLiteral("Are you sure you want to delete the") + withLeadingBlank(selectedCount) +
           QStringLiteral(" selected entries?");
}

} // namespace numbrava
