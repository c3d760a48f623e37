#pragma once

#include "support/file_bytes.h"

#include <QTemporaryDir>

namespace numbrava::testing {

class TempFolder {
  public:
    TempFolder() { EXPECT_TRUE(dir_.isValid()) << "cannot create a temporary folder"; }

    QString path() const { return dir_.path(); }
    QString filePath(const QString& name) const { return dir_.filePath(name); }

    QString writeFile(const QString& name, const QByteArray& bytes) const {
        const QString path = filePath(name);
        writeFileBytes(path, bytes);
        return path;
    }

  private:
    QTemporaryDir dir_;
};

} // namespace numbrava::testing
