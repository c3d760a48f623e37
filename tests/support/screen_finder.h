#pragma once

#include <QAbstractItemModel>
#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <ostream>

namespace numbrava::testing {

// The visible top-level screen of that objectName, or nullptr (screens have no Qt parent).
template <typename T = QWidget> T* visibleScreen(const char* name) {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == QLatin1String(name) && window->isVisible())
            if (T* screen = qobject_cast<T*>(window))
                return screen;
    return nullptr;
}

// Closes every open screen of that objectName and lets them go, so none meets the next test.
inline void closeScreens(const char* name) {
    while (QWidget* screen = visibleScreen(name))
        screen->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Deletes every top-level screen of that name, shown or closed, so none outlives its test.
inline void discardScreens(const char* name) {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == QLatin1String(name))
            delete window;
}

// A control of a screen by its objectName; a missing one fails the test.
template <typename T> T* control(const QWidget* screen, const char* name) {
    T* found = screen ? screen->findChild<T*>(QString::fromLatin1(name)) : nullptr;
    EXPECT_NE(found, nullptr) << name;
    return found;
}

inline void clickOn(const QWidget* screen, const char* button) {
    control<QPushButton>(screen, button)->click();
}

// Clicks the item of a list that shows `text`, as a user does.
inline void clickItem(QListWidget* list, const QString& text) {
    const QListWidgetItem* item = list->findItems(text, Qt::MatchExactly).value(0);
    ASSERT_NE(item, nullptr) << text.toStdString();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}

inline QStringList modelTexts(const QAbstractItemModel* model) {
    QStringList all;
    for (int row = 0; row < model->rowCount(); ++row)
        all << model->index(row, 0).data().toString();
    return all;
}

enum class CloseWay { Button, Escape, TitleBar };

inline void closeBy(QWidget* screen, CloseWay way, const char* closeButton) {
    if (way == CloseWay::Button)
        clickOn(screen, closeButton);
    else if (way == CloseWay::Escape)
        QTest::keyClick(screen, Qt::Key_Escape);
    else
        screen->close();
}

inline void PrintTo(CloseWay way, std::ostream* os) {
    *os << (way == CloseWay::Button ? "Button" : way == CloseWay::Escape ? "Escape" : "TitleBar");
}

} // namespace numbrava::testing
