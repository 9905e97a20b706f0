# Qt's and GoogleTest's headers take longer to read than most of our files take to
# compile. With SURFPLOT_PCH=ON the Qt layers read theirs once per library, and every
# test program linking the test main reuses one reading of GoogleTest's and Qt's. Only
# the headers the files include anyway are listed. `make test` sets it for its
# sanitizer builds. Its plain build reads Qt's headers in every file, so that a file
# that forgets one still fails there, and precompiles only GoogleTest's
# (SURFPLOT_PCH=GoogleTest), which every test file includes.
if(NOT SURFPLOT_PCH)
  return()
endif()

# Every test program linking the test main reads the headers it precompiled.
function(surfplot_reuse_test_main_headers)
  get_property(test_targets DIRECTORY ${PROJECT_SOURCE_DIR}/tests PROPERTY BUILDSYSTEM_TARGETS)
  foreach(target ${test_targets})
    get_target_property(libraries ${target} LINK_LIBRARIES)
    if(NOT target STREQUAL surfplot_test_main AND surfplot_test_main IN_LIST libraries)
      target_precompile_headers(${target} REUSE_FROM surfplot_test_main)
    endif()
  endforeach()
endfunction()

if(SURFPLOT_PCH STREQUAL "GoogleTest")
  if(TARGET surfplot_test_main)
    target_precompile_headers(surfplot_test_main PRIVATE <gtest/gtest.h> <gmock/gmock.h>)
    surfplot_reuse_test_main_headers()
  endif()
  return()
endif()

set(surfplot_std_headers <algorithm> <array> <cmath> <cstdint> <functional> <memory> <optional> <string>
                         <vector>)
target_precompile_headers(surfplot_picture PRIVATE ${surfplot_std_headers} <QImage> <QPainter> <QString> <QFont>)
target_precompile_headers(surfplot_gui PRIVATE ${surfplot_std_headers} <QAction> <QApplication> <QGuiApplication>
                          <QImage> <QKeyEvent> <QLabel> <QLineEdit> <QMenu> <QPainter> <QPushButton> <QString> <QTimer>
                          <QWidget>)
target_precompile_headers(surfplot_cli PRIVATE ${surfplot_std_headers} <QCommandLineParser> <QGuiApplication> <QString>)

if(TARGET surfplot_test_main)
  target_precompile_headers(surfplot_test_main PRIVATE ${surfplot_std_headers} <random> <gtest/gtest.h>
                            <gmock/gmock.h> <QApplication> <QImage> <QTemporaryDir> <QTest>)
  surfplot_reuse_test_main_headers()
endif()
