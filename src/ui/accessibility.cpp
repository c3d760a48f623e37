#include "ui/accessibility.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QButtonGroup>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHash>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPointer>
#include <QRadioButton>
#include <QTextDocumentFragment>
#include <QToolButton>
#include <algorithm>
#include <vector>

namespace numbrava {

namespace {
const char* const kPrepared = "preparedForKeyboard";

// Whether Tab may ever stop here: an option of a group keeps the focus policy
// its group gives it back once it is the chosen one.
bool mayTakeFocus(const QWidget* widget) {
    return widget->focusPolicy() != Qt::NoFocus || qobject_cast<const QRadioButton*>(widget);
}

void collectWidget(QWidget* widget, std::vector<QWidget*>& order);

// The items of a layout in reading order: grids and forms row by row, boxes in
// the order they show.
void collectLayout(QLayout* layout, std::vector<QWidget*>& order) {
    struct Cell {
        int row, column;
        QLayoutItem* item;
    };
    std::vector<Cell> cells;
    for (int i = 0; i < layout->count(); ++i) {
        Cell cell{0, i, layout->itemAt(i)};
        if (auto* grid = qobject_cast<QGridLayout*>(layout)) {
            int rowSpan = 0, columnSpan = 0;
            grid->getItemPosition(i, &cell.row, &cell.column, &rowSpan, &columnSpan);
        } else if (auto* form = qobject_cast<QFormLayout*>(layout)) {
            QFormLayout::ItemRole role{};
            form->getItemPosition(i, &cell.row, &role);
            cell.column = static_cast<int>(role);
        }
        cells.push_back(cell);
    }
    std::stable_sort(cells.begin(), cells.end(), [](const Cell& a, const Cell& b) {
        return std::pair(a.row, a.column) < std::pair(b.row, b.column);
    });
    if (auto* box = qobject_cast<QBoxLayout*>(layout);
        box && (box->direction() == QBoxLayout::RightToLeft ||
                box->direction() == QBoxLayout::BottomToTop))
        std::reverse(cells.begin(), cells.end());
    for (const Cell& cell : cells) {
        if (QWidget* widget = cell.item->widget())
            collectWidget(widget, order);
        else if (QLayout* inner = cell.item->layout())
            collectLayout(inner, order);
    }
}

// A control is one stop, whatever parts it is made of; a frame or panel
// gives its controls in the order of its layout, then any placed by hand.
void collectWidget(QWidget* widget, std::vector<QWidget*>& order) {
    if (widget->isWindow() && !order.empty())
        return;
    if (std::find(order.begin(), order.end(), widget) != order.end())
        return;
    if (mayTakeFocus(widget) && !widget->isWindow()) {
        if (!widget->focusProxy())
            order.push_back(widget);
        return;
    }
    if (auto* main = qobject_cast<QMainWindow*>(widget); main && main->centralWidget())
        collectWidget(main->centralWidget(), order);
    if (widget->layout())
        collectLayout(widget->layout(), order);
    for (QWidget* child : widget->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!child->isWindow())
            collectWidget(child, order);
}

QLayout* containingLayout(QLayout* layout, const QWidget* widget) {
    if (!layout)
        return nullptr;
    if (layout->indexOf(widget) >= 0)
        return layout;
    for (int i = 0; i < layout->count(); ++i)
        if (QLayout* found = containingLayout(layout->itemAt(i)->layout(), widget))
            return found;
    return nullptr;
}

// The label standing before a control in its layout: a form's label, the
// cell on its left in a grid, the item before it in a row.
QLabel* labelBefore(QWidget* widget) {
    QWidget* parent = widget->parentWidget();
    QLayout* layout = parent ? containingLayout(parent->layout(), widget) : nullptr;
    if (!layout)
        return nullptr;
    const int index = layout->indexOf(widget);
    if (auto* form = qobject_cast<QFormLayout*>(layout))
        return qobject_cast<QLabel*>(form->labelForField(widget));
    QLayoutItem* before = nullptr;
    if (auto* grid = qobject_cast<QGridLayout*>(layout)) {
        int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
        grid->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
        before = column > 0 ? grid->itemAtPosition(row, column - 1) : nullptr;
        if ((!before || !qobject_cast<QLabel*>(before->widget())) && row > 0)
            before = grid->itemAtPosition(row - 1, column); // the label over it
    } else if (index > 0) {
        before = layout->itemAt(index - 1);
    }
    return before ? qobject_cast<QLabel*>(before->widget()) : nullptr;
}

QString plainCaption(const QString& text) {
    QString plain =
        Qt::mightBeRichText(text) ? QTextDocumentFragment::fromHtml(text).toPlainText() : text;
    return plain.remove(QLatin1Char('&')).simplified();
}

bool hasName(QWidget* widget) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face && !face->text(QAccessible::Name).trimmed().isEmpty();
}

// A label that names a control is made its buddy, so the name follows the
// label's caption; else its frame's caption, else its window's.
void nameAfterLabelOrFrame(QWidget* widget, const std::vector<QLabel*>& labels) {
    if (hasName(widget))
        return;
    for (QLabel* label : labels)
        if (label->buddy() == widget && !plainCaption(label->text()).isEmpty()) {
            widget->setAccessibleName(plainCaption(label->text()));
            return;
        }
    if (QLabel* label = labelBefore(widget); label && !label->buddy()) {
        if (!label->text().contains(QLatin1Char('&')))
            label->setBuddy(widget);
        if (hasName(widget))
            return;
        widget->setAccessibleName(plainCaption(label->text()));
        return;
    }
    for (QWidget* up = widget->parentWidget(); up && !up->isWindow(); up = up->parentWidget())
        if (auto* frame = qobject_cast<QGroupBox*>(up); frame && !frame->title().isEmpty()) {
            widget->setAccessibleName(plainCaption(frame->title()));
            return;
        }
    widget->setAccessibleName(plainCaption(widget->window()->windowTitle()));
}

// Arrow keys within option groups, Enter on buttons.
class KeyboardHelper : public QObject {
  public:
    explicit KeyboardHelper(QObject* parent) : QObject(parent) {}

    void addOptionGroup(const std::vector<QAbstractButton*>& options) {
        if (options.size() < 2)
            return;
        groups_.emplace_back(options.begin(), options.end());
        for (QAbstractButton* option : options) {
            groupOf_.insert(option, static_cast<int>(groups_.size() - 1));
            option->installEventFilter(this);
        }
    }
    void addButton(QAbstractButton* button) { button->installEventFilter(this); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        auto* button = static_cast<QAbstractButton*>(watched);
        const auto group = groupOf_.constFind(button);
        if (group != groupOf_.constEnd())
            return moveInGroup(groups_[static_cast<size_t>(*group)], button, key->key());
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && button->isEnabled()) {
            button->click();
            return true;
        }
        return false;
    }

  private:
    static bool moveInGroup(const std::vector<QPointer<QAbstractButton>>& group,
                            QAbstractButton* from, int key) {
        int step = 0;
        if (key == Qt::Key_Down || key == Qt::Key_Right)
            step = 1;
        else if (key == Qt::Key_Up || key == Qt::Key_Left)
            step = -1;
        if (step == 0)
            return false;
        const int size = static_cast<int>(group.size());
        const auto here = std::find(group.begin(), group.end(), from) - group.begin();
        for (int i = 1; i < size; ++i) {
            QAbstractButton* next =
                group[static_cast<size_t>(((here + step * i) % size + size) % size)];
            if (next && next->isVisible() && next->isEnabled()) {
                next->setFocus(Qt::TabFocusReason);
                next->click();
                break;
            }
        }
        return true;
    }

    std::vector<std::vector<QPointer<QAbstractButton>>> groups_;
    QHash<const QObject*, int> groupOf_;
};

// Options choose one of a group: those of one button group, or the
// self-excluding options of one frame; in reading order.
void linkOptionGroups(const std::vector<QWidget*>& order, KeyboardHelper& helper) {
    std::vector<const QObject*> keys;
    std::vector<std::vector<QAbstractButton*>> groups;
    for (QWidget* widget : order) {
        auto* option = qobject_cast<QRadioButton*>(widget);
        if (!option)
            continue;
        const QObject* key = option->group() ? static_cast<const QObject*>(option->group())
                             : option->autoExclusive() ? option->parent()
                                                       : nullptr;
        if (!key || (option->group() && !option->group()->exclusive()))
            continue;
        const auto at = std::find(keys.begin(), keys.end(), key) - keys.begin();
        if (at == static_cast<long>(keys.size())) {
            keys.push_back(key);
            groups.emplace_back();
        }
        groups[static_cast<size_t>(at)].push_back(option);
    }
    for (const auto& group : groups)
        helper.addOptionGroup(group);
}
} // namespace

void prepareForKeyboard(QWidget* window) {
    if (window->property(kPrepared).toBool())
        return;
    window->setProperty(kPrepared, true);
    std::vector<QWidget*> order;
    collectWidget(window, order);
    for (size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);

    const auto labelList = window->findChildren<QLabel*>();
    const std::vector<QLabel*> labels(labelList.begin(), labelList.end());
    auto* helper = new KeyboardHelper(window);
    for (QWidget* widget : order) {
        // A box that only shows a value is read, not typed in: Tab passes it by.
        if (auto* box = qobject_cast<QLineEdit*>(widget); box && box->isReadOnly())
            box->setFocusPolicy(Qt::ClickFocus);
        nameAfterLabelOrFrame(widget, labels);
        if (widget->accessibleDescription().isEmpty())
            widget->setAccessibleDescription(widget->toolTip());
        auto* button = qobject_cast<QAbstractButton*>(widget);
        if (button && !button->isCheckable())
            helper->addButton(button);
        // A flat picture button shows no focus of its own: a frame in the palette's highlight.
        if (auto* picture = qobject_cast<QToolButton*>(widget); picture && picture->autoRaise())
            picture->setStyleSheet(QStringLiteral(
                "QToolButton:focus { border: 2px solid palette(highlight); border-radius: 3px; }"));
    }
    linkOptionGroups(order, *helper);
}

QString ballPictureName(int slot, int number, const QString& bonusName) {
    const QString shown = QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0'));
    if (slot >= 5)
        return bonusName + QStringLiteral(": ") + shown;
    return QStringLiteral("Ball %1: %2").arg(slot + 1).arg(shown);
}

} // namespace numbrava
