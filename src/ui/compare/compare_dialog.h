#pragma once
// The differences between the configuration being edited and the unit's (or a file's): one row
// per member in the unit's terms, with the value being edited and the other side's in columns of
// their own, under the caption of the page where the member is edited. Double-clicking a row
// asks for that member to be shown; "Copy" puts the list on the clipboard as text. After a fetch
// from a unit each row has a check box (all checked) and "Send Selected" asks for the checked
// rows to be sent. Rows that cannot be sent apart (model::tiedRows()) are checked and unchecked
// together; each says why in its note, and the heading says once that such rows go together.
// The list takes the dialog's room: it opens tall enough for many rows.

#include "model/config_diff.h"

#include <QDialog>
#include <QList>
#include <QStringList>

class QLabel;
class QPushButton;
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
    // Whether the rows can be chosen and sent: after a fetch from a unit. Set before
    // showDifferences().
    void setSendable(bool sendable) { m_sendable = sendable; }

    // Puts `note` above the heading: how the comparison came about.
    void addNote(const QString& note);

    // The differences whose rows are checked.
    std::vector<model::Difference> checkedDifferences() const;
    QPushButton* sendButton() const { return m_send; }

    // The list as text, heading first: what "Copy" puts on the clipboard.
    QString text() const;
    QTreeWidget* list() const { return m_list; }
    QLabel* heading() const { return m_heading; }

signals:
    void differenceChosen(const model::Difference& difference);
    // "Send Selected" with the checked rows' differences.
    void sendRequested(const std::vector<zel::model::Difference>& chosen);

private:
    void onItemDoubleClicked(QTreeWidgetItem* item);
    // Ties the rows that go together, by their index role, and notes why in each row and in
    // its line of the text (`lines`: each row's line in m_text); whether any were tied.
    bool tieRows(const QList<QTreeWidgetItem*>& items, const QList<qsizetype>& lines);
    // The first time the dialog opens: tall enough for kRowsShown rows, as the screen allows.
    void fitToRows();
    // A row's check box changed: the rows tied to it follow.
    void onItemChanged(QTreeWidgetItem* item);

    QLabel* m_heading;
    QTreeWidget* m_list;
    QPushButton* m_send;
    QStringList m_text;
    std::vector<model::Difference> m_shown; // the rows' differences, by their index role
    QList<QList<QTreeWidgetItem*>> m_tied;  // rows that are checked together
    bool m_sendable = false;
    bool m_tying = false; // a check box follows another's
    bool m_fitted = false;
};

} // namespace zel::ui
