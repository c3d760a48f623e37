#include "ui/help_viewer.h"

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

HelpViewer* HelpViewer::open(const QString& helpFile, const QWidget* opener,
                             const QString& section) {
    QFile file(helpFile);
    if (!file.open(QIODevice::ReadOnly))
        return nullptr;
    auto* viewer = new HelpViewer(QString::fromUtf8(file.readAll()),
                                  QFileInfo(helpFile).absolutePath(), section);
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
    auto* browser = new QTextBrowser(this);
    browser->setObjectName(QStringLiteral("helpText"));
    browser->setAccessibleName(windowTitle());
    browser->setOpenExternalLinks(false);
    browser->setSearchPaths({folder});
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
