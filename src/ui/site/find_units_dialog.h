#pragma once
// "Find Units...": looks for units on the PC's own networks (shown as ranges the user may
// edit) and on the serial ports the user ticks (none at first: a probe sent to the wrong device
// can switch something on), read-only, and lists each unit that answers with its model, first
// names and network settings. "Use This Unit" (or a double-click) gives the chosen unit's link
// to the window, which chooses its link mode and address; "Add to Site..." gives the units
// ticked in the list, to join a site together.

#include "session/find/probe_scan.h"
#include "session/unit/site_link.h"

#include <QDialog>

#include <memory>

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace zel::ui {

class UserPrompts;

class FindUnitsDialog : public QDialog {
    Q_OBJECT
public:
    FindUnitsDialog(UserPrompts& prompts, QWidget* parent = nullptr);
    ~FindUnitsDialog() override;

    void setPrompts(UserPrompts& prompts) { m_prompts = &prompts; }

    // The ranges to search, one a line; the PC's own networks at first.
    QPlainTextEdit* rangesBox() const { return m_ranges; }
    QSpinBox* portBox() const { return m_port; }
    // The serial ports the system lists, each with a box to tick; and a port typed in.
    QListWidget* portList() const { return m_serialPorts; }
    QLineEdit* typedPortBox() const { return m_typedPort; }
    QPushButton* searchButton() const { return m_search; }
    QPushButton* stopButton() const { return m_stop; }
    QPushButton* useButton() const { return m_use; }
    QPushButton* addToSiteButton() const { return m_addToSite; }
    QProgressBar* progressBar() const { return m_progress; }
    QTableWidget* results() const { return m_results; }
    QLabel* statusLabel() const { return m_status; }
    bool isSearching() const { return m_scan && m_scan->isRunning(); }
    // The units whose rows are ticked, in the order found.
    QList<session::FoundUnit> tickedUnits() const;

public slots:
    // Searches the ranges and the ticked ports; asks first when a range is larger than a /20.
    void search();
    void stop();
    // The chosen unit's link goes to the window, and the dialog closes.
    void useChosen();
    // The ticked units go to a site.
    void addTicked();
    // Adds a unit found to the list.
    void addFound(const zel::session::FoundUnit& unit);

signals:
    void unitChosen(const zel::session::SiteLink& link);
    void addToSiteRequested(const QList<zel::session::FoundUnit>& units);
    void searchFinished();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // The targets of the search; nothing (after saying why) when a range cannot be read or the
    // user declines a large one.
    std::optional<session::ProbeTargets> targets();
    void onProgress(quint64 done, quint64 total);
    void onFinished();
    void updateButtons();

    UserPrompts* m_prompts;
    QPlainTextEdit* m_ranges;
    QSpinBox* m_port;
    QListWidget* m_serialPorts;
    QLineEdit* m_typedPort;
    QPushButton* m_search;
    QPushButton* m_stop;
    QPushButton* m_use;
    QPushButton* m_addToSite;
    QProgressBar* m_progress;
    QLabel* m_status;
    QTableWidget* m_results;
    QList<session::FoundUnit> m_found;
    std::unique_ptr<session::ProbeScan> m_scan;
};

} // namespace zel::ui
