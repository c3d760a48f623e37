#include "ui/window_place.h"

#include <QScreen>
#include <QSettings>
#include <QWidget>
#include <algorithm>

namespace numbrava {

namespace {
QSettings userSettings() {
    return QSettings(QStringLiteral("Numbrava"), QStringLiteral("Numbrava"));
}

QString placeKey(const QWidget* window) {
    return QStringLiteral("windows/") + window->objectName();
}

int frameWidth(const QWidget* window) {
    return window->frameGeometry().width() - window->width();
}
} // namespace

void keepOnScreen(QWidget* window) {
    const QRect free = window->screen()->availableGeometry();
    const QRect frame = window->frameGeometry();
    const int x = std::max(free.left(), std::min(frame.left(), free.right() + 1 - frame.width()));
    const int y = std::max(free.top(), std::min(frame.top(), free.bottom() + 1 - frame.height()));
    if (x != frame.left() || y != frame.top())
        window->move(x, y);
}

int widthOnScreen(const QWidget* window) {
    return window->screen()->availableGeometry().width() - frameWidth(window);
}

bool restoreWindowPlace(QWidget* window) {
    const QByteArray place = userSettings().value(placeKey(window)).toByteArray();
    if (place.isEmpty() || !window->restoreGeometry(place))
        return false;
    keepOnScreen(window);
    return true;
}

void saveWindowPlace(const QWidget* window) {
    userSettings().setValue(placeKey(window), window->saveGeometry());
}

} // namespace numbrava
