#include "entries/file_browser_parts.h"

#include "data/record_file.h"
#include "ui/list_font.h"

#include <QDir>
#include <QDropEvent>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>

namespace numbrava {

QListWidget* newFileList() {
    auto* list = new QListWidget;
    list->setObjectName(QStringLiteral("File1"));
    list->setMinimumWidth(170);
    return list;
}

void refreshFileList(QListWidget* list, const QString& folder, const QString& pattern,
                     const std::function<bool(const QString&)>& keep) {
    const QString chosen = chosenFileName(list);
    const QSignalBlocker quiet(list);
    list->clear();
    for (const QString& name : QDir(folder).entryList({pattern}, QDir::Files, QDir::Name))
        if (!keep || keep(name))
            list->addItem(name);
    const auto same = list->findItems(chosen, Qt::MatchExactly);
    if (!chosen.isEmpty() && !same.isEmpty())
        list->setCurrentItem(same.first());
}

QString chosenFileName(const QListWidget* list) {
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

void onFileChosen(QListWidget* list, QObject* receiver, const std::function<void()>& chosen) {
    QObject::connect(list, &QListWidget::itemSelectionChanged, receiver, chosen);
}

namespace {
// The first local file a drag carries; empty when it carries none.
QString draggedFile(const QDropEvent* event) {
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile() && QFileInfo(url.toLocalFile()).isFile())
            return url.toLocalFile();
    return {};
}

class FileDropFilter : public QObject {
  public:
    FileDropFilter(QObject* parent, std::function<void(const QString&)> dropped)
        : QObject(parent), dropped_(std::move(dropped)) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const auto type = event->type();
        if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
            return QObject::eventFilter(watched, event);
        auto* drop = static_cast<QDropEvent*>(event);
        const QString path = draggedFile(drop);
        if (path.isEmpty()) {
            drop->ignore();
            return true;
        }
        drop->acceptProposedAction();
        if (type == QEvent::Drop)
            dropped_(path);
        return true;
    }

  private:
    std::function<void(const QString&)> dropped_;
};
} // namespace

void acceptFileDrops(QListWidget* list, const std::function<void(const QString&)>& dropped) {
    list->viewport()->setAcceptDrops(true);
    list->viewport()->installEventFilter(new FileDropFilter(list, dropped));
}

void chooseFile(QListWidget* list, const QString& folder, const QString& path) {
    const QFileInfo file(path);
    const bool inFolder = file.absoluteDir() == QDir(folder);
    const QString row =
        inFolder ? file.fileName() : QDir::toNativeSeparators(file.absoluteFilePath());
    QList<QListWidgetItem*> rows = list->findItems(row, Qt::MatchExactly);
    if (rows.isEmpty()) {
        list->addItem(row);
        rows = list->findItems(row, Qt::MatchExactly);
    }
    list->setCurrentItem(rows.first());
    list->scrollToItem(rows.first());
}

QString chosenFilePath(const QListWidget* list, const QString& folder) {
    const QString name = chosenFileName(list);
    if (name.isEmpty() || QFileInfo(name).isAbsolute())
        return QDir::fromNativeSeparators(name);
    return folder + QLatin1Char('/') + name;
}

QListWidget* newContentsList() {
    auto* list = new QListWidget;
    list->setObjectName(QStringLiteral("List2"));
    list->setFont(fixedListFont());
    list->setUniformItemSizes(true);
    list->setMinimumWidth(230);
    return list;
}

QLabel* newContentsLabel(QListWidget* contents) {
    auto* label = new QLabel(QStringLiteral("Contents/Entries"));
    label->setObjectName(QStringLiteral("Label2"));
    label->setBuddy(contents);
    return label;
}

void showContents(QListWidget* contents, const QStringList& lines) {
    contents->addItems(lines.mid(0, kMaxRecords));
    if (lines.size() > kMaxRecords)
        contents->addItem(QStringLiteral("... the file goes on: an entry file holds no more "
                                         "than %1 lines.")
                              .arg(kMaxRecords));
}

} // namespace numbrava
