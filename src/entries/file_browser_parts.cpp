#include "entries/file_browser_parts.h"

#include "ui/list_font.h"

#include <QDir>
#include <QLabel>
#include <QListWidget>

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
    const QListWidgetItem* item = list->currentItem();
    return item && item->isSelected() ? item->text() : QString();
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

} // namespace numbrava
