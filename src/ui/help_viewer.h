#pragma once

#include <QWidget>

namespace numbrava {

// A small window that shows the HTML help document.
class HelpViewer : public QWidget {
    Q_OBJECT
  public:
    // Shows the help over the middle of opener. Returns nullptr when the file
    // cannot be read.
    static HelpViewer* open(const QString& helpFile, const QWidget* opener);

  private:
    explicit HelpViewer(const QString& html, const QString& folder);
};

} // namespace numbrava
