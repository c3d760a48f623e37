#pragma once

// What every fuzz target shares: the input is written to a real file in a
// scratch folder and handed to the program's own reading code, which must
// either accept it and keep its promises or refuse it with FileError and
// leave the bytes alone. Anything else stops the run.

#include "data/file_error.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

namespace numbrava::fuzzing {

inline QString scratchPath(const QString& name) {
    static QTemporaryDir dir;
    return dir.filePath(name);
}

inline QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Writes the input as the named file and returns its path.
inline QString inputFile(const QString& name, const uint8_t* data, size_t size) {
    const QString path = scratchPath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) !=
            static_cast<qint64>(size)) {
        std::fprintf(stderr, "cannot write the scratch file\n");
        std::abort();
    }
    return path;
}

[[noreturn]] inline void broken(const char* promise) {
    std::fprintf(stderr, "broken promise: %s\n", promise);
    std::abort();
}

inline void expect(bool held, const char* promise) {
    if (!held)
        broken(promise);
}

// Runs one operation on the file. A FileError must leave the file's bytes as
// they were; returns whether the operation went through.
template <typename Operation> bool refusedUntouched(const QString& path, Operation operation) {
    const QByteArray before = bytesOf(path);
    try {
        operation();
        return true;
    } catch (const FileError& error) {
        expect(!error.message().isEmpty(), "a refusal carries a message");
        expect(bytesOf(path) == before, "a refused file keeps its bytes");
        return false;
    }
}

inline bool validCount(int n) {
    return n >= 0 && n <= 32767;
}

} // namespace numbrava::fuzzing
