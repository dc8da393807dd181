# Each layer is one library made of every .cpp in src/<layer>/ (main.cpp excluded), and one
# GoogleTest executable made of every .cpp in tests/<layer>/. Adding a file needs no CMake edit.
# SUBDIRS names sub-folders of src/<layer>/ that belong to the same library.

function(orv_add_layer layer)
  cmake_parse_arguments(ARG "" "" "DEPS;SUBDIRS" ${ARGN})
  set(folders ${layer})
  foreach(sub IN LISTS ARG_SUBDIRS)
    list(APPEND folders ${layer}/${sub})
  endforeach()
  list(TRANSFORM folders PREPEND ${CMAKE_CURRENT_SOURCE_DIR}/ OUTPUT_VARIABLE folders)
  list(TRANSFORM folders APPEND /*.cpp OUTPUT_VARIABLE source_globs)
  list(TRANSFORM folders APPEND /*.h OUTPUT_VARIABLE header_globs)
  file(GLOB sources CONFIGURE_DEPENDS ${source_globs})
  list(FILTER sources EXCLUDE REGEX "/main\\.cpp$")
  file(GLOB headers CONFIGURE_DEPENDS ${header_globs})
  if(sources)
    add_library(orv_${layer} STATIC ${sources} ${headers})
    set(scope PUBLIC)
  else()
    add_library(orv_${layer} INTERFACE)  # a layer whose code has not come yet
    set(scope INTERFACE)
  endif()
  target_include_directories(orv_${layer} ${scope} ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(orv_${layer} ${scope} orv_common ${ARG_DEPS})
endfunction()

# MAIN names the library that provides main() (GoogleTest's own by default).
function(orv_add_layer_tests layer)
  cmake_parse_arguments(ARG "" "MAIN" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${layer}/*.cpp)
  if(NOT sources)
    return()
  endif()
  if(NOT ARG_MAIN)
    set(ARG_MAIN GTest::gtest_main)
  endif()
  add_executable(test_${layer} ${sources})
  target_link_libraries(test_${layer} PRIVATE orv_${layer} orv_testsupport ${ARG_MAIN} ${ARG_DEPS})
  set(env "ORV_SOURCE_DIR=${PROJECT_SOURCE_DIR};ORV_SHARED_DIR=${PROJECT_SOURCE_DIR}/../shared;ORV_BINARY_DIR=${PROJECT_BINARY_DIR}")
  # Suites named *UnderWm need a real X server with a window manager, suites named *UnderWayland a
  # Wayland compositor: they run in entries of their own (orv_add_window_manager_tests,
  # orv_add_wayland_tests) and are left out of the offscreen one.
  add_test(NAME ${layer} COMMAND test_${layer} --gtest_filter=-*UnderWm.*:*UnderWayland.*)
  set_tests_properties(${layer} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;${env}")
endfunction()

# The *UnderWm suites of a layer's tests, in Xvfb with openbox (tools/with-window-manager.sh) on the
# xcb platform: the faults that only a real window manager shows (frames, placement, focus, sizes).
function(orv_add_window_manager_tests layer)
  if(NOT TARGET test_${layer})
    return()
  endif()
  add_test(NAME ${layer}_wm COMMAND ${PROJECT_SOURCE_DIR}/tools/with-window-manager.sh
    $<TARGET_FILE:test_${layer}> --gtest_filter=*UnderWm.*)
  set_tests_properties(${layer}_wm PROPERTIES TIMEOUT 600
    ENVIRONMENT "QT_QPA_PLATFORM=xcb;ORV_TEST_PLATFORM=xcb;ORV_SOURCE_DIR=${PROJECT_SOURCE_DIR};ORV_SHARED_DIR=${PROJECT_SOURCE_DIR}/../shared;ORV_BINARY_DIR=${PROJECT_BINARY_DIR}")
endfunction()

# The *UnderWayland suites of a layer's tests on the wayland platform, in a headless weston of their
# own (tools/with-weston.sh). Left out where weston or Qt's Wayland platform is not installed.
function(orv_add_wayland_tests layer)
  find_program(WESTON weston)
  find_file(QT_WAYLAND_PLUGIN libqwayland-generic.so PATHS ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_PLUGINS}/platforms
    /usr/lib/x86_64-linux-gnu/qt6/plugins/platforms NO_DEFAULT_PATH)
  if(NOT TARGET test_${layer} OR NOT WESTON OR NOT QT_WAYLAND_PLUGIN)
    message(STATUS "weston or qt6-wayland missing: the Wayland window tests are left out")
    return()
  endif()
  add_test(NAME ${layer}_wayland COMMAND ${PROJECT_SOURCE_DIR}/tools/with-weston.sh
    $<TARGET_FILE:test_${layer}> --gtest_filter=*UnderWayland.*)
  # Qt 6.4's Wayland text input dereferences the seat's input device, which a headless weston has
  # not got: the tests type without an input method, as a desktop session never needs to.
  set_tests_properties(${layer}_wayland PROPERTIES TIMEOUT 300
    ENVIRONMENT "QT_IM_MODULE=none;QT_QPA_PLATFORM=wayland;ORV_TEST_PLATFORM=wayland;ORV_SOURCE_DIR=${PROJECT_SOURCE_DIR};ORV_SHARED_DIR=${PROJECT_SOURCE_DIR}/../shared;ORV_BINARY_DIR=${PROJECT_BINARY_DIR}")
endfunction()
