#include "ui/common/accessible_combo_box.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>

namespace zel::ui {

namespace {

class ComboBoxAccessible : public QAccessibleWidget {
public:
    explicit ComboBoxAccessible(QComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        case QAccessible::Name:
            return name();
        case QAccessible::Value:
            return box()->isEditable() && box()->lineEdit() ? box()->lineEdit()->text()
                                                            : box()->currentText();
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
        return text(QAccessible::Value); // no caption: at least what it holds
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
