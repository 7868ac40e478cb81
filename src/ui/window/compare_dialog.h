#pragma once
// The differences between the configuration being edited and the unit's (or a file's): one row
// per member in the unit's terms, with the value being edited and the other side's in columns of
// their own, under the caption of the page where the member is edited. Double-clicking a row
// asks for that member to be shown; "Copy" puts the list on the clipboard as text.

#include "model/config_diff.h"

#include <QDialog>
#include <QList>
#include <QStringList>

class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

namespace zel::ui {

class CompareDialog : public QDialog {
    Q_OBJECT
public:
    // The differences of one page of the window.
    struct PageDifferences {
        QString caption;
        std::vector<model::Difference> differences;
    };

    explicit CompareDialog(QWidget* parent = nullptr);

    // Shows `heading` (one paragraph per entry) above the pages' differences; `otherSide`
    // names the column of the other side's values ("On the unit", "In the file").
    void showDifferences(const QStringList& heading, const QString& otherSide,
                         const QList<PageDifferences>& pages);

    // The list as text, heading first: what "Copy" puts on the clipboard.
    QString text() const;
    QTreeWidget* list() const { return m_list; }
    QLabel* heading() const { return m_heading; }

signals:
    void differenceChosen(const model::Difference& difference);

private:
    void onItemDoubleClicked(QTreeWidgetItem* item);

    QLabel* m_heading;
    QTreeWidget* m_list;
    QStringList m_text;
    std::vector<model::Difference> m_shown; // the rows' differences, by kIndexRole
};

} // namespace zel::ui
