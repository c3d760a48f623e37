#pragma once

#include <QWidget>

namespace numbrava {

// A small window that shows the HTML help document.
class HelpViewer : public QWidget {
    Q_OBJECT
  public:
    // Returns nullptr when the file cannot be read.
    static HelpViewer* open(const QString& helpFile);

  private:
    explicit HelpViewer(const QString& html, const QString& folder);
};

} // namespace numbrava
