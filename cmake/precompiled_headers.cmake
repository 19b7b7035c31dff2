# Most of the compile time goes into reading Qt's headers again for every file. The layers
# built on Qt Widgets share one precompiled header, the tests another that adds GoogleTest,
# each made once per build. A packager may turn them off with
# -DCMAKE_DISABLE_PRECOMPILE_HEADERS=ON.
set(qt_headers <QApplication> <QCheckBox> <QComboBox> <QDateTime> <QDir> <QEvent> <QFile>
    <QFileInfo> <QGroupBox> <QHash> <QKeyEvent> <QLabel> <QLineEdit> <QList> <QMenu>
    <QMessageBox> <QMouseEvent> <QObject> <QPainter> <QPlainTextEdit> <QPushButton> <QString>
    <QTextStream> <QTimer> <QWidget>)

# Made from an empty file with the same flags as the files that use it.
function(solva_header_library name)
    file(WRITE ${CMAKE_BINARY_DIR}/${name}.cpp "")
    add_library(${name} STATIC ${CMAKE_BINARY_DIR}/${name}.cpp)
    target_link_libraries(${name} PRIVATE ${ARGN})
    set_target_properties(${name} PROPERTIES AUTOMOC OFF)
endfunction()

solva_header_library(solva_qt_headers Qt6::Widgets)
target_precompile_headers(solva_qt_headers PRIVATE ${qt_headers})
foreach(target solva_platform solva_table solva_chart solva_files solva_history
        solva_recovery solva_device solva_report solva_language solva_app solva_cli)
    if(TARGET ${target})
        target_precompile_headers(${target} REUSE_FROM solva_qt_headers)
    endif()
endforeach()

if(SOLVA_BUILD_TESTS)
    find_package(GTest REQUIRED)
    solva_header_library(solva_test_headers Qt6::Widgets GTest::gtest)
    target_precompile_headers(solva_test_headers PRIVATE ${qt_headers} <gtest/gtest.h>)
    foreach(test form1_tests app_widgets_tests chart_test core_tests device_tests device_ports_tests
            files_tests history_sent_maps_tests recovery_tests report_tests table_tests
            texts_test cli_tests solva_test_main)
        if(TARGET ${test})
            target_precompile_headers(${test} REUSE_FROM solva_test_headers)
        endif()
    endforeach()
endif()
