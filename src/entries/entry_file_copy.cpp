#include "entries/entry_file_copy.h"

#include "data/entry_file.h"
#include "data/regular_file.h"

namespace numbrava {

QByteArray readEntryFileBytes(const QString& path) {
    EntryFile::countLines(path); // refuses a damaged file
    return readRegularFile(path);
}

} // namespace numbrava
