#pragma once
// The commits of a site's unit in a History dialog: listed off the window's thread when the
// dialog shows the unit, and, for the commit chosen there, its configuration read off it too
// and handed on to be opened, compared or restored as a journal entry's would be. A missing git
// or repository leaves the list without commits and says why under it.

#include "session/restore/unit_history.h"
#include "ui/history/kept_configuration.h"

#include <QObject>

#include <optional>

namespace zel::ui {

class HistoryDialog;
class UnitHistoryReader;

class UnitCommitsController : public QObject {
    Q_OBJECT
public:
    // Lives as long as `dialog`, whose commit buttons it answers.
    explicit UnitCommitsController(HistoryDialog* dialog);

    // Lists the commits of the unit at `place`; with no place, none, and `whyNone` under the
    // list (nothing when it is empty: the dialog shows no site's unit).
    void show(const std::optional<session::UnitHistoryPlace>& place, const QString& whyNone = {});

signals:
    void openRequested(const zel::ui::KeptConfiguration& kept);
    void compareRequested(const zel::ui::KeptConfiguration& kept);
    // Restore goes to the unit the site reaches at `link`.
    void restoreRequested(const zel::ui::KeptConfiguration& kept,
                          const zel::session::SiteLink& link);

private:
    enum class Use { Open, Compare, Restore };
    // Reads the chosen commit's configuration, then asks for `use` of it.
    void readFor(Use use, const session::HistoryCommit& commit);

    HistoryDialog* m_dialog;
    UnitHistoryReader* m_reader;
    std::optional<session::UnitHistoryPlace> m_place;
};

} // namespace zel::ui
