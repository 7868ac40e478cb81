#pragma once
// The site window's and Find Units' pictures for the user guide.

#include <QString>

#include <functional>

class QWidget;

namespace zel::ui {
class MainWindow;
}

// `save` saves a widget's picture under a file name.
bool saveSitePictures(zel::ui::MainWindow& window,
                      const std::function<bool(QWidget&, const QString&)>& save);
