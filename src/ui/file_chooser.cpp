#include "ui/file_chooser.h"

#include <QFileDialog>

namespace numbrava {

namespace {
FileChooserHook& hook() {
    static FileChooserHook instead;
    return instead;
}
} // namespace

QString chooseFile(QWidget* parent, const FileChoice& choice) {
    if (hook())
        return hook()(choice);
    if (choice.kind == FileChoice::Kind::Save)
        return QFileDialog::getSaveFileName(parent, choice.caption, choice.startPath,
                                            choice.filter);
    return QFileDialog::getOpenFileName(parent, choice.caption, choice.startPath, choice.filter);
}

void setFileChooserHook(FileChooserHook hook_) {
    hook() = std::move(hook_);
}

} // namespace numbrava
