#pragma once
// The seven pages on which the configuration is edited, as tabs of the window. Every step that
// reaches all of them (reset, load, commit, refresh) goes through here, so that the pages always
// take it in the same order; a page that changes names other pages repeat gets them all
// refreshed.

#include "model/config_reader.h"
#include "session/configuration/edit_step.h"

#include <QList>
#include <QObject>

class QTabWidget;
class QWidget;

namespace zel::model {
class ConfigModel;
}

namespace zel::ui {

class EditorPage;
class FavoritesPage;
class GroupsPage;
class NamingPage;
class NetworkPage;
class PresetsPage;
class QuickEqLibrary;
class ZoneAudioPage;

class EditorPageSet : public QObject {
    Q_OBJECT
public:
    // Builds the pages on `model` and adds them to `tabs`, after the tabs it holds already.
    EditorPageSet(model::ConfigModel& model, QuickEqLibrary& quickEq, QTabWidget* tabs);

    NamingPage* namingPage() const { return m_namingPage; }
    NamingPage* favoriteGroupNamingPage() const { return m_favoriteGroupNamingPage; }
    ZoneAudioPage* zoneAudioPage() const { return m_zoneAudioPage; }
    PresetsPage* presetsPage() const { return m_presetsPage; }
    FavoritesPage* favoritesPage() const { return m_favoritesPage; }
    GroupsPage* groupsPage() const { return m_groupsPage; }
    NetworkPage* networkPage() const { return m_networkPage; }
    // The seven pages in tab order.
    QList<EditorPage*> pages() const;

    // Every page's view back to its blank state; the model has been reset.
    void resetViews();
    // Every page's controls on or off; the pages themselves stay selectable.
    void setEditingEnabled(bool enabled);
    // Every page shows the model that the reader run described by `summary` left.
    void loadFromModel(const model::ReadSummary& summary);
    // Every page stores its pending edits into the model.
    void commitToModel();
    // Every page rebuilds the lists and captions that repeat names held elsewhere.
    void refreshNames();
    // Commit, then refresh; then `shown`, when it is one of the pages, hears it is the visible one.
    void commitAndRefresh(QWidget* shown);
    // Every page shows the model again, each keeping the record it shows; the model was
    // replaced behind their backs.
    void reshowModel();
    // Every page shows the model again; the page that edits what `step` changed comes to the
    // front, with that record in view (undo and redo put a step back).
    void showStep(const session::EditStep& step);
    // The page that edits `subject`, or null.
    EditorPage* pageEditing(model::DiffSubject subject) const;

signals:
    // A page's edit is in the model now; `step` names it.
    void edited(const session::EditStep& step);
    // A page's slider was let go.
    void sliderReleased();

private:
    QTabWidget* m_tabs;
    NamingPage* m_namingPage;
    NamingPage* m_favoriteGroupNamingPage;
    ZoneAudioPage* m_zoneAudioPage;
    PresetsPage* m_presetsPage;
    FavoritesPage* m_favoritesPage;
    GroupsPage* m_groupsPage;
    NetworkPage* m_networkPage;
};

} // namespace zel::ui
