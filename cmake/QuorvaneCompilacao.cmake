# What keeps a build short: precompiled headers, ccache when it is
# installed, and links one at a time so that they do not starve compiles.

# Nearly every file includes Qt, which is most of what the compiler reads:
# three sets of headers are compiled once each, and every target of the
# project reuses the set of its kind. One for the widget-free layers (Qt
# Core); one for the windows (the widgets most files use); and one for the
# chart's files, which adds the chart's header, and through it all of Qt
# Widgets and Qt Print Support. That last set takes a compiler half a second
# to load, four times the windows' set, and few files need it: only the
# targets made mostly of such files use it (quorvane_usa_pch GRAFICO).
option(QUORVANE_PCH "Compile the common Qt and standard headers once (precompiled headers)" ON)

set(QUORVANE_PCH_NUCLEO
  <algorithm> <array> <cmath> <cstdint> <cstring> <functional> <limits> <memory> <optional>
  <string> <utility> <vector>
  <QByteArray> <QDateTime> <QDir> <QFile> <QFileInfo> <QHash> <QList> <QLocale> <QMap> <QObject>
  <QString> <QStringList> <QTimer> <QVariant>)
set(QUORVANE_PCH_JANELAS ${QUORVANE_PCH_NUCLEO}
  <QAction> <QApplication> <QCheckBox> <QCloseEvent> <QColor> <QComboBox> <QDialog> <QDialogButtonBox>
  <QEvent> <QGridLayout> <QHBoxLayout> <QLabel> <QLineEdit> <QMdiArea> <QMdiSubWindow> <QMenu>
  <QMessageBox> <QPainter> <QPointer> <QPushButton> <QScreen> <QToolBar> <QToolButton> <QVBoxLayout>
  <QWidget>)
set(QUORVANE_PCH_GRAFICO ${QUORVANE_PCH_JANELAS} <qcustomplot.h>)

# GCC drops a precompiled header it cannot use without a word: say so
# instead, so that the time it saves is not lost unseen.
if(QUORVANE_PCH AND CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  add_compile_options(-Winvalid-pch)
endif()

# ccache, when installed, serves files compiled before; it is never needed.
find_program(QUORVANE_CCACHE ccache)
if(QUORVANE_CCACHE AND NOT CMAKE_CXX_COMPILER_LAUNCHER)
  # Without these, ccache would not cache a file compiled with a
  # precompiled header.
  set(CMAKE_CXX_COMPILER_LAUNCHER ${CMAKE_COMMAND} -E env
    CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime ${QUORVANE_CCACHE})
endif()

# mold, when installed, links a test program in a tenth of the time of the
# default linker.
include(CheckLinkerFlag)
check_linker_flag(CXX -fuse-ld=mold QUORVANE_MOLD)
if(QUORVANE_MOLD)
  add_link_options(-fuse-ld=mold)
endif()

# Ninja: one link at a time (links take memory and a core each).
set_property(GLOBAL APPEND PROPERTY JOB_POOLS quorvane_enlace=1)
set(CMAKE_JOB_POOL_LINK quorvane_enlace)

# quorvane_usa_pch(<target> [GRAFICO]): the target compiles with the
# precompiled headers of its kind, chosen once every target is known;
# GRAFICO asks for the chart's set where the target links the windows.
function(quorvane_usa_pch target)
  cmake_parse_arguments(P "GRAFICO" "" "" ${ARGN})
  set_property(GLOBAL APPEND PROPERTY QUORVANE_ALVOS_PCH ${target})
  if(P_GRAFICO)
    set_target_properties(${target} PROPERTIES QUORVANE_PCH_GRAFICO ON)
  endif()
endfunction()

# Whether a target links the windows (directly: the layers above the
# widget-free ones all do).
function(quorvane_tem_janelas target saida)
  get_target_property(libs ${target} LINK_LIBRARIES)
  set(${saida} FALSE PARENT_SCOPE)
  foreach(lib IN LISTS libs)
    if(lib MATCHES "^(Qt6::Widgets|quorvane_views|quorvane_operations|quorvane_shell)$")
      set(${saida} TRUE PARENT_SCOPE)
    endif()
  endforeach()
endfunction()

# Called at the end of the top-level CMakeLists: quorvane_common compiles
# the widget-free set, quorvane_operations the windows' set and
# quorvane_views the chart's; every other target reuses one of them. The
# reusing targets differ only in macros that no header of the sets reads,
# which GCC and clang accept.
function(quorvane_aplica_pch)
  if(NOT QUORVANE_PCH)
    return()
  endif()
  get_property(alvos GLOBAL PROPERTY QUORVANE_ALVOS_PCH)
  set(donos quorvane_common quorvane_operations quorvane_views)
  if(TARGET quorvane_views)
    target_precompile_headers(quorvane_common PRIVATE ${QUORVANE_PCH_NUCLEO})
    target_precompile_headers(quorvane_operations PRIVATE ${QUORVANE_PCH_JANELAS})
    target_precompile_headers(quorvane_views PRIVATE ${QUORVANE_PCH_GRAFICO})
  else()
    target_precompile_headers(quorvane_common PRIVATE ${QUORVANE_PCH_NUCLEO})
  endif()
  # Under the sanitizers the test programs are compiled without them, and
  # clang takes a precompiled header only with the same instrumentation:
  # they share one of their own, made by a target that defines nothing else.
  if(QUORVANE_OPCOES_SANITIZADOR)
    set(vazio ${CMAKE_BINARY_DIR}/quorvane_pch_testes.cpp)
    file(WRITE ${vazio} "// Compiles the test programs' precompiled header.\n")
    add_library(quorvane_pch_testes OBJECT ${vazio})
    set_target_properties(quorvane_pch_testes PROPERTIES AUTOMOC OFF)
    target_link_libraries(quorvane_pch_testes PRIVATE Qt6::Core)
    target_compile_options(quorvane_pch_testes PRIVATE $<$<CONFIG:RelWithDebInfo,Release>:-O1>)
    quorvane_sem_sanitizador(quorvane_pch_testes)
    target_precompile_headers(quorvane_pch_testes PRIVATE ${QUORVANE_PCH_NUCLEO})
  endif()
  foreach(alvo IN LISTS alvos)
    if(alvo IN_LIST donos)
      continue()
    endif()
    get_target_property(testes ${alvo} QUORVANE_PROGRAMA_TESTES)
    get_target_property(grafico ${alvo} QUORVANE_PCH_GRAFICO)
    quorvane_tem_janelas(${alvo} janelas)
    if(testes AND QUORVANE_OPCOES_SANITIZADOR)
      target_precompile_headers(${alvo} REUSE_FROM quorvane_pch_testes)
    elseif(janelas AND grafico)
      target_precompile_headers(${alvo} REUSE_FROM quorvane_views)
    elseif(janelas)
      target_precompile_headers(${alvo} REUSE_FROM quorvane_operations)
    else()
      target_precompile_headers(${alvo} REUSE_FROM quorvane_common)
    endif()
  endforeach()
endfunction()
