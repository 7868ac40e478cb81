#pragma once
// The "Favorites" page: the favorite list ("Choose a Favorite") and the favorites matrix, one
// row per zone and one column per source, showing the current favorite. Unlike the other grids
// the matrix is a working copy: save-favorite stores it into the ConfigModel and load-favorite
// fills it again, when another favorite is chosen and in the window's commit step.
//
// Cell (c, r) is source c, zone r; row 0 and column 0 are the headers. A cell shows the
// connection code ("" or "A"), "?" while it is the marked cell (its own content is then the held
// text), or "X" while its source or zone lies beyond the configuration's counts.

#include "ui/pages/editor_page.h"

#include <QPoint>
#include <QString>

class QAction;
class QLabel;
class QListWidget;
class QMenu;
class QStandardItemModel;

namespace zel::ui {

class MatrixGrid;

class FavoritesPage : public EditorPage {
    Q_OBJECT
public:
    explicit FavoritesPage(model::ConfigModel& model, QWidget* parent = nullptr);

    MatrixGrid* matrix() const { return m_matrix; }
    QListWidget* favoriteList() const { return m_favoriteList; }
    QMenu* popupMenu() const { return m_popupMenu; }
    QAction* audioOnlyAction() const { return m_audioOnlyAction; }
    QAction* noConnectionAction() const { return m_noConnectionAction; }

    int currentFavorite() const { return m_currentFavorite; }
    QPoint markedCell() const { return m_markedCell; }
    QString heldText() const { return m_heldText; }
    bool popupPending() const { return m_popupPending; }
    QPoint popupCell() const { return m_popupCell; }

    void resetView() override;
    void loadFromModel() override;
    void commitToModel() override;
    void refreshNames() override;
    void reshowModel() override;
    bool edits(model::DiffSubject subject) const override;
    void showRecord(model::DiffSubject subject, int number) override;
    void showMember(const model::Difference& d) override;

    // Stores the matrix into the current favorite; the held text stands in for a "?".
    void saveFavorite();
    // Shows favorite f in every cell that is not "X"; the marked cell and held text stay.
    void loadFavorite(int f);

    // The matrix's rules, in grid coordinates.
    void selectCell(QPoint cell);
    void doubleClickCell(QPoint cell);
    void rightPress(QPoint cell, QPoint globalPos);
    void setAudioOnly();
    void setNoConnection();
    // The user picked entry `position` (from 1) of the favorite list.
    void chooseFavorite(int position);

protected:
    void changeEvent(QEvent* event) override;

private:
    // Sizes the list and the row headers for the font in use and places the rest around them.
    void arrangeForFont();
    // Whether the cell lies within the configuration's sources and zones.
    bool isInside(QPoint cell) const;
    QPoint popupTarget() const;
    QString cellText(int c, int r) const;
    void setCellText(int c, int r, const QString& text);
    // Empties every available cell of zone r's row, then gives source c the audio connection.
    void connectOnly(int c, int r);
    void clearConnection(int c, int r);
    void markUnavailableCells();
    void selectFavoriteEntry(int row);
    void showCornerName();

    QStandardItemModel* m_cells;
    QListWidget* m_favoriteList;
    MatrixGrid* m_matrix;
    QMenu* m_popupMenu;
    QLabel* m_sourceNameCaption = nullptr;
    QLabel* m_sourcesCaption = nullptr;
    QLabel* m_zonesCaption = nullptr;
    QLabel* m_listCaption = nullptr;
    QAction* m_audioOnlyAction;
    QAction* m_noConnectionAction;

    int m_currentFavorite = 1;
    QPoint m_markedCell{0, 0};
    QString m_heldText;
    bool m_popupPending = false;
    QPoint m_popupCell{-1, -1};
};

} // namespace zel::ui
