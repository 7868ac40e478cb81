#pragma once
// Bold captions placed at fixed points of a page, above and beside its grids.

#include <QPoint>
#include <QString>

class QLabel;
class QWidget;

namespace zel::ui {

QLabel* placeBoldCaption(QWidget* page, const QString& text, QPoint topLeft);

} // namespace zel::ui
