#include "ui/help_viewer.h"

#include "data/regular_file.h"
#include "ui/accessibility.h"
#include "ui/secondary_screen.h"

#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace numbrava {

namespace {
// A picture or page the document names is a file too, read by the same rule.
class HelpBrowser : public QTextBrowser {
  public:
    HelpBrowser(const QString& folder, QWidget* parent) : QTextBrowser(parent), folder_(folder) {
        setSearchPaths({folder});
    }

  protected:
    QVariant loadResource(int type, const QUrl& name) override {
        QString file = name.isLocalFile() ? name.toLocalFile() : name.path();
        if (QFileInfo(file).isRelative())
            file = folder_ + QLatin1Char('/') + file;
        if (!isRegularOrMissing(file))
            return {};
        return QTextBrowser::loadResource(type, name);
    }

  private:
    QString folder_;
};
} // namespace

std::optional<QString> readHelpFile(const QString& path) {
    QFile file(path);
    if (!openRegularFile(file, QIODevice::ReadOnly).isEmpty() || file.size() > kLargestHelpFile)
        return std::nullopt;
    const QByteArray bytes = file.read(kLargestHelpFile);
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return QString::fromUtf8(bytes);
}

HelpViewer* HelpViewer::open(const QString& helpFile, const QWidget* opener,
                             const QString& section) {
    const std::optional<QString> html = readHelpFile(helpFile);
    if (!html)
        return nullptr;
    auto* viewer = new HelpViewer(*html, QFileInfo(helpFile).absolutePath(), section);
    if (opener)
        centreOver(viewer, opener);
    viewer->show();
    return viewer;
}

HelpViewer::HelpViewer(const QString& html, const QString& folder, const QString& section)
    : QWidget(nullptr) {
    setObjectName(QStringLiteral("helpViewer"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Numbrava Help"));
    auto* browser = new HelpBrowser(folder, this);
    browser->setObjectName(QStringLiteral("helpText"));
    browser->setAccessibleName(windowTitle());
    browser->setOpenExternalLinks(false);
    browser->setHtml(html);
    if (!section.isEmpty())
        browser->scrollToAnchor(section);
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("cmdClose"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(browser);
    layout->addWidget(close, 0, Qt::AlignRight);
    resize(640, 560);
    // As a secondary screen closes; Ctrl+W as a document window does.
    for (const QKeySequence& keys :
         {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)})
        connect(new QShortcut(keys, this), &QShortcut::activated, this, &QWidget::close);
    prepareForKeyboard(this);
}

} // namespace numbrava
