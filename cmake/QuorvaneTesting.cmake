# quorvane_add_test(<name> SOURCES <files...> LIBS <targets...>
#                   [DEFINITIONS <defs...>] [DEPENDS <targets...>] [GUI])
# A Qt Test class. The classes of one folder share a program,
# testes_<folder> (tests/support/RegistroTestes.h), so that a folder costs
# one link instead of one per class; each class is still a CTest test of
# its own name, run by that program as `testes_<folder> <name>`, so that
# `ctest -R <name>` picks it and a failure names it. DEFINITIONS and
# DEPENDS go to the folder's program. GUI tests run on the offscreen
# platform and are left out of the widget-free build.
function(quorvane_add_test name)
  cmake_parse_arguments(T "GUI" "" "SOURCES;LIBS;DEFINITIONS;DEPENDS" ${ARGN})
  if(T_GUI AND QUORVANE_CORE_ONLY)
    return()
  endif()
  file(RELATIVE_PATH pasta ${PROJECT_SOURCE_DIR}/tests ${CMAKE_CURRENT_SOURCE_DIR})
  string(REPLACE "/" "_" programa "testes_${pasta}")
  if(NOT TARGET ${programa})
    add_executable(${programa})
    target_link_libraries(${programa} PRIVATE Qt6::Test quorvane_test_support)
    # The tests' own code is compiled with less optimisation than the code
    # they test, which keeps -O2: it builds in a fifth less time.
    target_compile_options(${programa} PRIVATE $<$<CONFIG:RelWithDebInfo,Release>:-O1>)
    quorvane_sem_sanitizador(${programa})
    set_target_properties(${programa} PROPERTIES QUORVANE_PROGRAMA_TESTES ON)
    quorvane_usa_pch(${programa})
  endif()
  target_sources(${programa} PRIVATE ${T_SOURCES})
  target_link_libraries(${programa} PRIVATE ${T_LIBS})
  if(T_DEFINITIONS)
    target_compile_definitions(${programa} PRIVATE ${T_DEFINITIONS})
  endif()
  if(T_DEPENDS)
    add_dependencies(${programa} ${T_DEPENDS})
  endif()
  add_test(NAME ${name} COMMAND ${programa} ${name})
  set(env "QT_QPA_PLATFORM=offscreen;QUORVANE_CONFIG_DIR=${CMAKE_CURRENT_BINARY_DIR}/${name}.config;QUORVANE_DATA_DIR=${CMAKE_CURRENT_BINARY_DIR}/${name}.dados")
  if(T_GUI)
    set_tests_properties(${name} PROPERTIES LABELS "gui" ENVIRONMENT "${env}")
  else()
    set_tests_properties(${name} PROPERTIES LABELS "core" ENVIRONMENT "${env}")
  endif()
endfunction()

# quorvane_layer_library(<target> [DEPENDS <targets...>]): a layer library
# made of every .cpp of the calling folder. Layers of the core link Qt Core
# and lower layers only, so that a widget include fails to compile there.
function(quorvane_layer_library target)
  cmake_parse_arguments(L "" "" "DEPENDS" ${ARGN})
  file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  file(GLOB hdrs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  if(srcs)
    add_library(${target} STATIC ${srcs} ${hdrs})
    target_include_directories(${target} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(${target} PUBLIC Qt6::Core ${L_DEPENDS})
    quorvane_usa_pch(${target})
  else()
    add_library(${target} INTERFACE)
    target_include_directories(${target} INTERFACE ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(${target} INTERFACE Qt6::Core ${L_DEPENDS})
  endif()
endfunction()

# quorvane_sem_sanitizador(<target>): the target's own code is compiled
# without the sanitizers' instrumentation (it still links their runtime, and
# the libraries it links keep theirs).
function(quorvane_sem_sanitizador target)
  if(QUORVANE_OPCOES_SANITIZADOR)
    get_target_property(opcoes ${target} COMPILE_OPTIONS)
    if(opcoes)
      list(REMOVE_ITEM opcoes ${QUORVANE_OPCOES_SANITIZADOR})
      set_target_properties(${target} PROPERTIES COMPILE_OPTIONS "${opcoes}")
    endif()
  endif()
endfunction()

# quorvane_dados_de_teste(): every test of the calling folder keeps its
# records in a folder of its own in the build, never in the user's data
# folder (the script tests run quorvane-cli, which keeps records).
function(quorvane_dados_de_teste)
  get_property(testes DIRECTORY PROPERTY TESTS)
  foreach(teste IN LISTS testes)
    set_property(TEST ${teste} APPEND PROPERTY ENVIRONMENT
      "QUORVANE_DATA_DIR=${CMAKE_CURRENT_BINARY_DIR}/${teste}.dados")
  endforeach()
endfunction()
