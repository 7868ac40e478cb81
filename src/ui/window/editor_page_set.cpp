#include "ui/window/editor_page_set.h"

#include "ui/pages/favorites_page.h"
#include "ui/pages/groups_page.h"
#include "ui/pages/naming_page.h"
#include "ui/pages/network_page.h"
#include "ui/pages/presets_page.h"
#include "ui/pages/zone_audio_page.h"

#include <QKeySequence>
#include <QTabWidget>

namespace zel::ui {

EditorPageSet::EditorPageSet(model::ConfigModel& model, QuickEqLibrary& quickEq, QTabWidget* tabs)
    : QObject(tabs), m_tabs(tabs), m_namingPage(new NamingPage(model, kSourceZoneNaming)),
      m_favoriteGroupNamingPage(new NamingPage(model, kFavoriteGroupNaming)),
      m_zoneAudioPage(new ZoneAudioPage(model, quickEq)),
      m_presetsPage(new PresetsPage(model, quickEq)), m_favoritesPage(new FavoritesPage(model)),
      m_groupsPage(new GroupsPage(model)), m_networkPage(new NetworkPage(model))
{
    tabs->addTab(m_namingPage, tr("Source / Zone Naming"));
    tabs->addTab(m_favoriteGroupNamingPage, tr("Favorite / Group Naming"));
    tabs->addTab(m_zoneAudioPage, tr("Zone Audio Controls"));
    tabs->addTab(m_presetsPage, tr("ZEL EQ Presets"));
    tabs->addTab(m_favoritesPage, tr("Favorites"));
    tabs->addTab(m_groupsPage, tr("Groups"));
    tabs->addTab(m_networkPage, tr("Network"));
    // Where the pages are listed, the keys that go from page to page anywhere in the window.
    const QString pageKeys =
        tr("%1: next page; %2: previous page")
            .arg(QKeySequence(Qt::CTRL | Qt::Key_Tab).toString(QKeySequence::NativeText),
                 QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab)
                     .toString(QKeySequence::NativeText));
    for (int page = 0; page < tabs->count(); ++page)
        tabs->setTabToolTip(page, pageKeys);

    for (EditorPage* page : pages()) {
        connect(page, &EditorPage::namesChanged, this, &EditorPageSet::refreshNames);
        // An edit is in the model at once, so that it is one step of the history.
        connect(page, &EditorPage::edited, this, [this, page](const session::EditStep& step) {
            page->commitToModel();
            emit edited(step);
        });
        connect(page, &EditorPage::sliderReleased, this, &EditorPageSet::sliderReleased);
    }
}

QList<EditorPage*> EditorPageSet::pages() const
{
    return {m_namingPage,  m_favoriteGroupNamingPage, m_zoneAudioPage,
            m_presetsPage, m_favoritesPage,           m_groupsPage,
            m_networkPage};
}

void EditorPageSet::resetViews()
{
    for (EditorPage* page : pages())
        page->resetView();
}

void EditorPageSet::setEditingEnabled(bool enabled)
{
    // The reset and the reader run switch the pages in this fixed order.
    const QList<EditorPage*> order = {
        m_favoritesPage,           m_namingPage, m_networkPage, m_zoneAudioPage,
        m_favoriteGroupNamingPage, m_groupsPage, m_presetsPage};
    for (EditorPage* page : order)
        setControlsEnabled(page, enabled);
}

void EditorPageSet::loadFromModel(const model::ReadSummary& summary)
{
    // Each page shows its first record (zone 1, preset 1, favorite 1), marks its unavailable
    // cells and applies its enabling rules.
    for (EditorPage* page : pages())
        page->loadFromModel();
    if (summary.handled(model::Command::Display))
        m_networkPage->updateLevelText(); // even when the level stayed the same
}

void EditorPageSet::commitToModel()
{
    for (EditorPage* page : pages())
        page->commitToModel();
}

void EditorPageSet::refreshNames()
{
    for (EditorPage* page : pages())
        page->refreshNames();
}

void EditorPageSet::reshowModel()
{
    for (EditorPage* page : pages())
        page->reshowModel();
    refreshNames();
}

void EditorPageSet::showStep(const session::EditStep& step)
{
    reshowModel();
    if (EditorPage* page = step.wholeConfiguration ? nullptr : pageEditing(step.subject)) {
        m_tabs->setCurrentWidget(page);
        if (step.record > 0)
            page->showRecord(step.subject, step.record);
    }
}

EditorPage* EditorPageSet::pageEditing(model::DiffSubject subject) const
{
    for (EditorPage* page : pages()) {
        if (page->edits(subject))
            return page;
    }
    return nullptr;
}

void EditorPageSet::commitAndRefresh(QWidget* shown)
{
    commitToModel();
    refreshNames();
    if (auto* page = qobject_cast<EditorPage*>(shown))
        page->pageShown();
}

} // namespace zel::ui
