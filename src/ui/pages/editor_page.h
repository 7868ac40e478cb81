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
#include "session/configuration/edit_step.h"

#include <QWidget>

#include <functional>

class QAbstractSlider;
class QListWidget;

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
    // The model was replaced behind the page's back (an undo, a redo, a copy): show the record
    // on view again from it, keeping which record that is.
    virtual void reshowModel() { loadFromModel(); }

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
    // The user changed what the page shows: `step` names the change. Whoever records it first
    // has the page store its record into the model.
    void edited(const session::EditStep& step);
    // A slider whose moves the page reports was let go: the drag's last value is final.
    void sliderReleased();

protected:
    // Reports a user's edit, unless the page is setting its controls itself; a step without a
    // text is no edit.
    void reportEdit(const session::EditStep& step);
    // Reports every change of `slider`'s value that the user makes, named by `step`; the moves
    // of one drag merge into one step.
    void reportSliderEdits(QAbstractSlider* slider, std::function<session::EditStep()> step);

    // While one lives, changes of the page's controls are the program's, not the user's.
    class ProgramChange {
    public:
        explicit ProgramChange(EditorPage& page) : m_page(page) { ++m_page.m_programChanges; }
        ~ProgramChange() { --m_page.m_programChanges; }
        ProgramChange(const ProgramChange&) = delete;
        ProgramChange& operator=(const ProgramChange&) = delete;

    private:
        EditorPage& m_page;
    };
    bool isProgramChange() const { return m_programChanges > 0; }

    model::ConfigModel& m_model;

private:
    int m_programChanges = 0;
    int m_drags = 0; // counts slider drags, so that two drags of one slider stay two steps
};

// Sets the enabled state of every control inside `container`, at every depth, leaving the
// container itself as it is so that the page stays selectable.
void setControlsEnabled(QWidget* container, bool enabled);

// Chooses row `number` (from 1) of `list` and gives it the focus, for a page that picks its
// record from a list; a number outside the list does nothing.
void showListRecord(QListWidget* list, int number);

} // namespace zel::ui
