#pragma once
// A page of two naming grids side by side that edit the ConfigModel's names in place: the
// "Source / Zone Naming" page (zone names and source names, their row counts following the
// configuration last read) and the "Favorite / Group Naming" page (ten favorite and ten group
// names). One class; the settings say which lists it shows.

#include "ui/grids/name_list_model.h"
#include "ui/pages/editor_page.h"

#include <array>

namespace zel::ui {

class NameGrid;

// One grid of a naming page.
struct NamingGridSetting {
    NameList list;
    model::DiffSubject subject; // the comparison subject whose records the grid shows
    const char* caption;
    int nameWidth;
};

struct NamingPageSettings {
    std::array<NamingGridSetting, 2> grids; // left, right
    // The grids show as many rows as the configuration has zones and sources.
    bool rowsFollowCounts;
};

extern const NamingPageSettings kSourceZoneNaming;
extern const NamingPageSettings kFavoriteGroupNaming;

class NamingPage : public EditorPage {
    Q_OBJECT
public:
    NamingPage(model::ConfigModel& model, const NamingPageSettings& settings,
               QWidget* parent = nullptr);

    // The grid of `list`; null when this page does not show it.
    NameGrid* grid(NameList list) const;

    void resetView() override;
    void loadFromModel() override;
    void refreshNames() override;
    bool edits(model::DiffSubject subject) const override;
    void showRecord(model::DiffSubject subject, int number) override;

private:
    const NamingPageSettings& m_settings;
    std::array<NameListModel*, 2> m_names{};
    std::array<NameGrid*, 2> m_grids{};
};

} // namespace zel::ui
