#pragma once
// "Add to Site": the units ticked in Find Units, one row each, with the name each is proposed
// under (what the unit holds; the user may change it) and its link. Those the site reaches
// already are named below the rows and not added again. "Add to Site" hands the rows to `add`,
// which adds them all in one step or says why not; the dialog stays open when it could not.

#include "session/site/site_additions.h"

#include <QDialog>

#include <functional>

class QLabel;
class QPushButton;
class QTableWidget;

namespace zel::ui {

class AddFoundUnitsDialog : public QDialog {
    Q_OBJECT
public:
    enum Column { kNameColumn, kLinkColumn };
    using Adding = std::function<bool(const QList<session::SiteUnit>&)>;

    AddFoundUnitsDialog(const session::SiteProposal& proposal, const QString& siteName, Adding add,
                        QWidget* parent = nullptr);

    // The units as the rows name them now.
    QList<session::SiteUnit> units() const;
    QTableWidget* table() const { return m_table; }
    QLabel* noteLabel() const { return m_note; }
    QPushButton* addButton() const { return m_add; }

public slots:
    void accept() override;

private:
    QList<session::SiteUnit> m_proposed;
    Adding m_adding;
    QTableWidget* m_table;
    QLabel* m_note;
    QPushButton* m_add;
};

} // namespace zel::ui
