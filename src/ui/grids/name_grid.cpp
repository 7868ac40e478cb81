#include "ui/grids/name_grid.h"

#include "model/config_model.h"
#include "ui/common/configuration_text.h"
#include "ui/common/name_width.h"
#include "ui/common/page_caption.h"
#include "ui/grids/grid_cell_delegate.h"
#include "ui/grids/name_list_model.h"
#include "ui/grids/name_typing_rule.h"

#include <QCoreApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

#include <algorithm>

namespace zel::ui {

namespace {

constexpr int kGridTop = 28;
constexpr int kCaptionTop = 8;
constexpr int kFontPixelSize = 11;
// The editor's own margin plus this one puts its text where the cell draws it.
constexpr int kEditorIndent = 8;
constexpr int kNameIndent = 10; // where a name column draws its text

// Draws like every grid cell and edits names in place: each change of the editor's text is
// committed at once, and keys beyond the typing limit never reach the editor.
class NameCellDelegate : public GridCellDelegate {
public:
    explicit NameCellDelegate(QObject* parent) : GridCellDelegate(GridKind::Naming, 0, parent) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override
    {
        auto* editor =
            static_cast<QLineEdit*>(QStyledItemDelegate::createEditor(parent, option, index));
        editor->setFrame(false);
        editor->setTextMargins(kEditorIndent, 0, 0, 0);
        acceptConfigurationTextOnly(editor);      // a pasted text too
        editor->setMaxLength(model::kNameLength); // a paste keeps what typing could enter
        auto* self = const_cast<NameCellDelegate*>(this);
        connect(editor, &QLineEdit::textEdited, self,
                [self, editor] { emit self->commitData(editor); });
        return editor;
    }

    void setEditorData(QWidget* editor, const QModelIndex& index) const override
    {
        // The model echoes every committed change back; leaving an equal text alone keeps the
        // caret where the user is typing.
        auto* lineEdit = qobject_cast<QLineEdit*>(editor);
        if (lineEdit && lineEdit->text() == index.data(Qt::EditRole).toString())
            return;
        QStyledItemDelegate::setEditorData(editor, index);
    }

protected:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        auto* lineEdit = qobject_cast<QLineEdit*>(object);
        if (event->type() != QEvent::KeyPress || !lineEdit)
            return GridCellDelegate::eventFilter(object, event);
        auto* key = static_cast<QKeyEvent*>(event);
        if (!nameKeyAllowed(lineEdit->text(), *key))
            return true;
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            // Tab ends the edit and leaves the grid as it does from a cell that is not being
            // edited, instead of opening the next cell.
            emit commitData(lineEdit);
            emit closeEditor(lineEdit, QAbstractItemDelegate::NoHint);
            if (auto* grid = qobject_cast<QWidget*>(parent()))
                QCoreApplication::sendEvent(grid, key);
            return true;
        }
        return GridCellDelegate::eventFilter(object, event);
    }
};

} // namespace

NameGrid::NameGrid(NameListModel* names, int nameWidth, QWidget* parent)
    : GridView(parent), m_names(names), m_nameWidth(nameWidth)
{
    // 11 pixels at the usual font size (12 pixels); a larger font of the desktop makes the
    // names larger with it.
    QFont gridFont(QStringLiteral("System"));
    gridFont.setPixelSize(std::max(kFontPixelSize, QFontInfo(font()).pixelSize() - 1));
    setFont(gridFont);

    setModel(names);
    setItemDelegate(new NameCellDelegate(this));
    horizontalHeader()->hide();
    // A click on the selected cell opens its editor in mouseReleaseEvent(): the view's own
    // trigger for it waits for a double-click that may follow, and drops the keys typed
    // meanwhile.
    setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                    QAbstractItemView::EditKeyPressed);
    setNameWidth(nameWidth);
    setCellHeight(std::max(kRowHeight, fontMetrics().height() + 4));
    setCurrentIndex(names->index(0, 1));
}

void NameGrid::setNameWidth(int width)
{
    // Wider than designed only when the grid's font needs it for a whole name or label.
    const QFontMetrics metrics = fontMetrics();
    const int labelWidth = fittedWidth(
        kLabelWidth, metrics.horizontalAdvance(NameListModel::tr("Favorite %1").arg(10)), 6);
    m_nameWidth = fittedWidth(width, nameTextWidth(metrics), kNameIndent + 6);
    setCellWidth(0, labelWidth);
    setCellWidth(1, m_nameWidth);
    const int columns = labelWidth + m_nameWidth + 2 * kGridLine + 2 * frameWidth();
    resize(std::max(kWidth, columns), height());
}

void NameGrid::keyPressEvent(QKeyEvent* event)
{
    // A character typed onto a selected cell would open the editor with it; the limit counts
    // the cell's whole text first.
    const QModelIndex current = currentIndex();
    if (state() != QAbstractItemView::EditingState && current.isValid() &&
        !nameKeyAllowed(current.data(Qt::EditRole).toString(), *event)) {
        event->accept();
        return;
    }
    GridView::keyPressEvent(event);
}

void NameGrid::mousePressEvent(QMouseEvent* event)
{
    const QModelIndex index = indexAt(event->position().toPoint());
    m_pressOnSelectedCell = event->button() == Qt::LeftButton && index.isValid() &&
                            index == currentIndex() && selectionModel()->isSelected(index);
    GridView::mousePressEvent(event);
}

void NameGrid::mouseReleaseEvent(QMouseEvent* event)
{
    const bool opensEditor = m_pressOnSelectedCell && event->button() == Qt::LeftButton &&
                             indexAt(event->position().toPoint()) == currentIndex() &&
                             state() != QAbstractItemView::EditingState;
    m_pressOnSelectedCell = false;
    GridView::mouseReleaseEvent(event);
    if (opensEditor)
        edit(currentIndex());
}

NameGrid* placeNameGrid(QWidget* page, NameListModel* names, const QString& caption, int left,
                        int nameWidth)
{
    placeBoldCaption(page, caption, {left, kCaptionTop});
    auto* grid = new NameGrid(names, nameWidth, page);
    grid->setAccessibleName(caption);
    // The width the grid's columns take (NameGrid::kWidth unless its font needs more).
    grid->setGeometry(left, kGridTop, grid->width(), NameGrid::kHeight);
    return grid;
}

} // namespace zel::ui
