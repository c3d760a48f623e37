#pragma once

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

namespace numbrava::testing {

// The open (visible) top-level screen with that objectName, or nullptr.
// Screens have no Qt parent, so they are found among the top-level widgets.
template <typename T = QWidget> T* visibleScreen(const char* name) {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == QLatin1String(name) && window->isVisible())
            if (T* screen = qobject_cast<T*>(window))
                return screen;
    return nullptr;
}

// Closes every open screen with that objectName and lets closed screens go,
// so one test's screens never meet the next test.
inline void closeScreens(const char* name) {
    while (QWidget* screen = visibleScreen(name))
        screen->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Deletes every top-level screen of that name, shown or already closed, so
// that no screen outlives the test that opened it.
inline void discardScreens(const char* name) {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == QLatin1String(name))
            delete window;
}

} // namespace numbrava::testing
