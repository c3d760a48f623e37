#pragma once

#include <QWidget>

namespace numbrava {

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
