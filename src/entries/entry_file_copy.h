#pragma once

#include <QByteArray>
#include <QString>

namespace numbrava {

// Every byte of an entry file, for a copy that must match it exactly (stale
// records and marks included). A damaged or unreadable file throws FileError
// naming it, so it is never spread to a copy.
QByteArray readEntryFileBytes(const QString& path);

} // namespace numbrava
