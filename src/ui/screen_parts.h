#pragma once

#include <QHBoxLayout>
#include <QPushButton>
#include <initializer_list>

namespace numbrava {

// A push button carrying its control name as objectName.
inline QPushButton* namedButton(const char* name, const QString& caption) {
    auto* button = new QPushButton(caption);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

// The row of buttons at the foot of a screen, pushed to the right.
inline QHBoxLayout* buttonRow(std::initializer_list<QWidget*> buttons) {
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (QWidget* button : buttons)
        row->addWidget(button);
    return row;
}

} // namespace numbrava
