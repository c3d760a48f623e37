// A text entry file: its fields, the checks, and Validate and Import agreeing.
#include "data/entry_file.h"
#include "entries/text_import.h"
#include "fuzz_support.h"

#include <variant>

using namespace numbrava;
using namespace numbrava::fuzzing;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString text = inputFile(QStringLiteral("mine.txt"), data, size);
    const QStringList fields = readTextFieldsOfFile(text);
    expect(fields == readTextFields(bytes), "the file reads as its bytes do");
    const QString folder = QFileInfo(text).path();
    const QDate date(2003, 7, 5);
    for (GameCode game : allGames()) {
        const auto checked = checkTextEntries(game, date, fields);
        const ImportValidation validation = validateTextImport(folder, game, text, date);
        expect(validation.valid == std::holds_alternative<std::vector<EntryLine>>(checked),
               "Validate takes what the checks take");
        expect(!validation.message.isEmpty(), "Validate always says something");
        const ImportResult result = importTextEntry(folder, game, text, date);
        expect(result.imported == validation.valid, "Import takes what Validate takes");
        if (!result.imported)
            continue;
        const auto& lines = std::get<std::vector<EntryLine>>(checked);
        expect(result.lines == static_cast<int>(lines.size()), "every line imported");
        expect(EntryFile::readLines(result.targetFile).size() == lines.size(),
               "the entry file holds every line");
        QFile::remove(result.targetFile);
    }
    return 0;
}
