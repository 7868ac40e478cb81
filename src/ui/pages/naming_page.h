#pragma once
// The "Source / Zone Naming" page: the zone-name grid ("Zone Names") and the source-name grid
// ("Source Names"). They edit the ConfigModel's names in place; their row counts follow the
// zone and source counts of the configuration last read.

#include "ui/pages/editor_page.h"

namespace zel::ui {

class NameGrid;
class NameListModel;

class NamingPage : public EditorPage {
    Q_OBJECT
public:
    explicit NamingPage(model::ConfigModel& model, QWidget* parent = nullptr);

    NameGrid* zoneGrid() const { return m_zoneGrid; }
    NameGrid* sourceGrid() const { return m_sourceGrid; }

    void resetView() override;
    void loadFromModel() override;
    void refreshNames() override;
    bool edits(model::DiffSubject subject) const override;
    void showRecord(model::DiffSubject subject, int number) override;

private:
    NameListModel* m_zoneNames;
    NameListModel* m_sourceNames;
    NameGrid* m_zoneGrid;
    NameGrid* m_sourceGrid;
};

} // namespace zel::ui
