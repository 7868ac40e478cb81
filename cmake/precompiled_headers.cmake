# Precompiled headers: most of a test file's or window file's compile time goes into parsing Qt's
# and GoogleTest's headers again for every file. Each target named here parses them once. On by
# default with clang, whose precompiled headers are read lazily (measured on a window test: 15 s
# of CPU with g++, 11 s with clang, 4 s with clang and these headers); g++'s are loaded whole
# and saved only about 4% of a whole build, so they stay off there unless asked for.
if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  set(zel_precompile_default ON)
else()
  set(zel_precompile_default OFF)
endif()
option(ZEL_PRECOMPILE "Precompile the Qt and GoogleTest headers of the window and the tests"
  ${zel_precompile_default})

set(ZEL_PCH_STD <algorithm> <functional> <memory> <optional> <string> <utility> <vector>)
set(ZEL_PCH_QT_CORE <QByteArray> <QDir> <QFile> <QFileInfo> <QObject> <QString> <QStringList>
  <QTemporaryDir> <QTimer>)
set(ZEL_PCH_QT_WIDGETS <QAction> <QActionGroup> <QApplication> <QCheckBox> <QComboBox>
  <QDialog> <QDialogButtonBox> <QHBoxLayout> <QHeaderView> <QLabel> <QLineEdit> <QListWidget>
  <QMainWindow> <QMenu> <QMessageBox> <QPlainTextEdit> <QPushButton> <QSlider> <QTabWidget>
  <QTableView> <QTreeWidget> <QVBoxLayout> <QWidget>)
set(ZEL_PCH_TESTS <gtest/gtest.h>)

# zel_precompile(TARGET KIND): KIND is "widgets" (the window, and with Qt Test the programs that
# test it), "qt" (Qt Core) or "plain" (the standard library); test programs add GoogleTest.
function(zel_precompile target kind)
  if(NOT ZEL_PRECOMPILE OR NOT TARGET ${target})
    return()
  endif()
  get_target_property(type ${target} TYPE)
  set(headers ${ZEL_PCH_STD})
  if(type STREQUAL "EXECUTABLE")
    list(APPEND headers ${ZEL_PCH_TESTS})
  endif()
  if(kind STREQUAL "qt" OR kind STREQUAL "widgets")
    list(APPEND headers ${ZEL_PCH_QT_CORE})
  endif()
  if(kind STREQUAL "widgets")
    list(APPEND headers ${ZEL_PCH_QT_WIDGETS})
    if(type STREQUAL "EXECUTABLE")
      list(APPEND headers <QSignalSpy> <QTest>)
    endif()
  endif()
  target_precompile_headers(${target} PRIVATE ${headers})
endfunction()
