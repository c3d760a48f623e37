#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace numbrava::testing {

// A fresh, empty folder that disappears with the test.
class TempFolder {
  public:
    TempFolder() { EXPECT_TRUE(dir_.isValid()) << "cannot create a temporary folder"; }

    QString path() const { return dir_.path(); }
    QString filePath(const QString& name) const { return dir_.filePath(name); }

    // Writes a file of exactly these bytes and returns its full path.
    QString writeFile(const QString& name, const QByteArray& bytes) const;

  private:
    QTemporaryDir dir_;
};

// The whole content of a file; an empty array when it cannot be read.
inline QByteArray readFileBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

inline void writeFileBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size()) << path.toStdString();
}

inline QString TempFolder::writeFile(const QString& name, const QByteArray& bytes) const {
    const QString path = filePath(name);
    writeFileBytes(path, bytes);
    return path;
}

} // namespace numbrava::testing
