#pragma once

#include <QApplication>
#include <QWidget>

namespace numbrava::testing {

// The visible top-level screen with that objectName, or null.
inline QWidget* visibleScreen(const char* name) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String(name) && w->isVisible())
            return w;
    return nullptr;
}

// Deletes every top-level screen of that name, shown or already closed, so
// that no screen outlives the test that opened it.
inline void discardScreens(const char* name) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String(name))
            delete w;
}

} // namespace numbrava::testing
