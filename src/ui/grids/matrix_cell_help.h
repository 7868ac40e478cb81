#pragma once
// What a matrix cell's mark means, for a screen reader ("Kitchen, source 3: audio") and as the
// cell's tool tip. The marks: "A" audio (favorites), "G" member (groups), "?" the marked cell of
// the favorites matrix, "X" a zone or source the loaded unit does not have.

#include <QString>

namespace zel::ui {

enum class MatrixKind { Favorites, Groups };

QString matrixCellName(MatrixKind kind, const QString& rowHeader, int column, const QString& mark);

QString matrixCellTip(MatrixKind kind, const QString& mark);

} // namespace zel::ui
