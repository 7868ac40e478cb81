#include "ui/access/accessible_combo_box.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>

namespace zel::ui {

namespace {

// The chosen item is also the list's text, read only: a screen reader that reads a drop-down
// list by its text (as it reads an editable one) finds the value there.
class ComboBoxAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit ComboBoxAccessible(QComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface && !editor())
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    // The text: the chosen item.
    QString text(int start, int end) const override { return value().mid(start, end - start); }
    int characterCount() const override { return static_cast<int>(value().size()); }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* start, int* end) const override
    {
        *start = *end = offset;
        return {};
    }

    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        case QAccessible::Name:
            return name();
        case QAccessible::Value:
            return value();
        default:
            return QAccessibleWidget::text(t);
        }
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.hasPopup = true;
        state.expanded = box()->view()->isVisible();
        state.collapsed = !state.expanded;
        state.editable = box()->isEditable();
        return state;
    }

    // The open list, and the entry of an editable list.
    int childCount() const override { return editor() ? 2 : 1; }
    QAccessibleInterface* child(int index) const override
    {
        if (index == 0)
            return QAccessible::queryAccessibleInterface(box()->view());
        if (index == 1 && editor())
            return QAccessible::queryAccessibleInterface(editor());
        return nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        if (!child)
            return -1;
        if (child->object() == box()->view())
            return 0;
        return editor() && child->object() == editor() ? 1 : -1;
    }

    QStringList actionNames() const override
    {
        return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override
    {
        if (action == showMenuAction() || action == pressAction())
            box()->showPopup();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    QComboBox* box() const { return static_cast<QComboBox*>(widget()); }
    QString value() const { return editor() ? editor()->text() : box()->currentText(); }
    QLineEdit* editor() const { return box()->isEditable() ? box()->lineEdit() : nullptr; }

    QString name() const
    {
        if (!box()->accessibleName().isEmpty())
            return box()->accessibleName();
        for (const auto& [label, relation] : relations(QAccessible::Label)) {
            const QString caption = label->text(QAccessible::Name);
            if (!caption.isEmpty())
                return caption;
        }
        return value(); // no caption: at least what it holds
    }
};

QAccessibleInterface* comboBoxFactory(const QString& className, QObject* object)
{
    if (className != QLatin1String("QComboBox") || !object || !object->isWidgetType())
        return nullptr;
    auto* box = qobject_cast<QComboBox*>(object);
    return box ? new ComboBoxAccessible(box) : nullptr;
}

} // namespace

void installComboBoxNaming()
{
    static bool installed = false;
    if (!installed)
        QAccessible::installFactory(comboBoxFactory);
    installed = true;
}

} // namespace zel::ui
