#pragma once

#include <QString>
#include <QWidget>
#include <memory>

namespace numbrava {

// The fully wired main window (Form1) on a data folder, with the production
// services (real message boxes, printers and sound), started as the program
// starts it. The caller shows it. Draw histories are downloaded from
// resultsServer (a base address ending in "/"); empty means the default.
std::unique_ptr<QWidget> createMainWindow(const QString& dataFolder,
                                          const QString& resultsServer = QString());

} // namespace numbrava
