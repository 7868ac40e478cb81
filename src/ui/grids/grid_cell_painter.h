#pragma once
// Owner drawing shared by the naming grids and the two matrices: which colours a cell gets and
// how its text is placed. The grids never use the toolkit's own cell painting or selection
// highlight, so what is drawn here is all the user sees of a cell.

#include <QColor>
#include <QString>

class QFont;
class QPainter;
class QPalette;
class QRect;

namespace zel::ui {

// The two families of grids. Naming grids have a label column and a name column and no header
// row; matrices have a header row (row 0) and a label column (column 0).
enum class GridKind { Naming, Matrix };

struct CellLook {
    QColor fill;
    QColor text;
};

// Fixed colours of matrix cells.
inline const QColor kHeaderRowFill{170, 170, 170};
inline const QColor kMarkerFill{0, 0, 255};
inline const QColor kAudioFill{0, 255, 255};
inline const QColor kGroupFill{119, 255, 119};

// Colours of the cell at `column`, `row` (as the grid numbers them; in a matrix row 0 is the
// header row) holding `text`. `enabled` is false while no configuration is loaded: text is then
// drawn in the inactive-caption colour.
CellLook cellLook(GridKind kind, int column, int row, const QString& text, bool enabled,
                  const QPalette& palette);

// Label columns and matrix cells centre their text; name columns start it 10 pixels in.
enum class CellAlignment { Centred, Indented };

CellAlignment cellAlignment(GridKind kind, int column);

// Fills `rect` and draws `text` in `font`, placed by `alignment` and clipped to the cell.
void paintGridCell(QPainter& painter, const QRect& rect, const QString& text, const CellLook& look,
                   CellAlignment alignment, const QFont& font);

} // namespace zel::ui
