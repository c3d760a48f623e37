#pragma once

#include "data/file_error.h"
#include "ui/dialogs.h"

namespace numbrava {

// Runs one file operation of a screen; a file that cannot be read or written
// is reported with its message instead of escaping the handler.
// Returns false when the operation was refused.
template <typename Operation> bool guardFileOperation(Dialogs& dialogs, Operation&& operation) {
    try {
        operation();
        return true;
    } catch (const FileError& error) {
        dialogs.message(error.message());
        return false;
    }
}

} // namespace numbrava
