#pragma once
// A page of the main window that edits part of the configuration. The main window drives every
// page through these steps, so that the reset, the reader run and the commit-and-refresh step
// reach all pages in one order:
//   reset:        model reset, then resetView() on every page, then every page disabled;
//   reader run:   every page enabled, text read into the model, loadFromModel() on every page,
//                 then commit and refresh;
//   commit and refresh (on every page change and before every export):
//                 commitToModel() on every page, then refreshNames() on every page, then
//                 pageShown() on the page now visible.

#include "model/config_diff.h"

#include <QWidget>

namespace zel::model {
class ConfigModel;
}

namespace zel::ui {

class EditorPage : public QWidget {
    Q_OBJECT
public:
    EditorPage(model::ConfigModel& model, QWidget* parent = nullptr);

    // The page's part of the reset: its view state back to the first record, lists and labels
    // rebuilt. The model has already been reset.
    virtual void resetView() {}
    // After a configuration was read: show the model (record 1 of the page, unavailable cells,
    // row counts, DHCP rule).
    virtual void loadFromModel() {}
    // Store what the page shows of its current record back into the model.
    virtual void commitToModel() {}
    // Rebuild lists, headers and captions that repeat names held elsewhere in the model.
    virtual void refreshNames() {}
    // The page has become the visible one.
    virtual void pageShown() {}

    // Whether the page edits the members of a comparison about `subject`.
    virtual bool edits(model::DiffSubject) const { return false; }
    // Brings the record `number` of `subject` into view (a zone, a preset, a favorite...), as if
    // the user had chosen it; the page has just been brought to the front.
    virtual void showRecord(model::DiffSubject, int /*number*/) {}
    // Brings the member of a difference into view: its record, and its cell where it has one.
    virtual void showMember(const model::Difference& d) { showRecord(d.subject, d.number); }

signals:
    // The page changed names that other pages repeat (a preset name, say): the main window
    // answers with refreshNames() on every page.
    void namesChanged();

protected:
    model::ConfigModel& m_model;
};

// Sets the enabled state of every control inside `container`, at every depth, leaving the
// container itself as it is so that the page stays selectable.
void setControlsEnabled(QWidget* container, bool enabled);

} // namespace zel::ui
