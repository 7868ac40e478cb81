#pragma once
// "Report...": the configuration being edited saved as a report for the client (HTML or PDF by
// the file's type). The dialog proposes the site, client and installer remembered for the unit
// and the changes since the visit's start: the first whole fetch from the unit since the program
// started, else the journal's newest whole fetch from it before that; another journal entry or a
// file may be chosen. A report that cannot be written is said so in one message box.

#include "text/file_save.h"

#include <QObject>

#include <functional>

namespace zel::session {
class ConfigurationSession;
}

namespace zel::ui {

class LinkController;
class UserPrompts;

// What the report needs of the window it belongs to.
struct ReportWindowSide {
    session::ConfigurationSession& configuration;
    LinkController& link;                  // the unit it reaches, and the journal
    std::function<UserPrompts&()> prompts; // as they are when asked: tests replace them
    // Stores what the pages show into the model, then shows the names again.
    std::function<void()> commitEdits;
    std::function<void(const QString&)> showStatus;
    // What the report calls the unit ("Lobby" for a unit of a site); empty or unset: its link.
    std::function<QString()> unitName = {};
};

class ReportController : public QObject {
    Q_OBJECT
public:
    explicit ReportController(ReportWindowSide window, QObject* parent = nullptr);

    // The routine a report and what the report dialog remembers are saved with (tests put a
    // failing one in its place).
    void setSaveRoutine(text::SaveRoutine save) { m_save = std::move(save); }

public slots:
    void saveReport();

private:
    ReportWindowSide m_window;
    text::SaveRoutine m_save = text::saveWholeFile;
};

} // namespace zel::ui
