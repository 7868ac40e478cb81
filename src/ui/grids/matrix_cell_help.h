#pragma once
// What a matrix's headers and cells say to a screen reader, and a cell's tool tip. A column is
// read by its source's or group's name, a row by its zone's name, a cell by both with what its
// mark means ("Kitchen, Streamer: audio"); a record without a name is read by its number
// ("Source 9"). The marks: "A" audio (favorites), "G" member (groups), "?" the marked cell of
// the favorites matrix, "X" a zone or source the loaded unit does not have.

#include <QString>

namespace zel::ui {

enum class MatrixKind { Favorites, Groups };

// Column `column`'s name: `name`, or "Source 3" / "Group 3" when it is blank. Column 0, above
// the zone names, is "Zone".
QString matrixColumnName(MatrixKind kind, int column, const QString& name);
// Zone `zone`'s row: `name`, or "Zone 3" when it is blank.
QString matrixRowName(int zone, const QString& name);

QString matrixCellName(MatrixKind kind, const QString& rowName, const QString& columnName,
                       const QString& mark);

QString matrixCellTip(MatrixKind kind, const QString& mark);

} // namespace zel::ui
