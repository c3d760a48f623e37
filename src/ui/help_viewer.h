#pragma once

#include <QWidget>
#include <optional>

namespace numbrava {

// The help document's text: only a regular file of a sane size is read (a
// link to /dev/zero or a file of hundreds of megabytes would fill memory);
// anything else is no help file.
constexpr qint64 kLargestHelpFile = 4 * 1024 * 1024;
std::optional<QString> readHelpFile(const QString& path);

// A small window that shows the HTML help document.
class HelpViewer : public QWidget {
    Q_OBJECT
  public:
    // Shows the help over the middle of opener, at the section named or at
    // the top. Returns nullptr when the file cannot be read.
    static HelpViewer* open(const QString& helpFile, const QWidget* opener,
                            const QString& section = QString());

  private:
    explicit HelpViewer(const QString& html, const QString& folder, const QString& section);
};

} // namespace numbrava
