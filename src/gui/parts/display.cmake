# The editor widget, its gutter, the EditorSurface over it and the display
# refresh.
target_sources(mw_gui PRIVATE
  ${CMAKE_CURRENT_SOURCE_DIR}/display/scintilla_editor.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/display/line_gutter.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/display/scintilla_surface.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/display/display_refresh.cpp)

if(MW_BUILD_BENCH)
  find_package(benchmark REQUIRED)
  add_executable(gui_editor_bench ${PROJECT_SOURCE_DIR}/bench/gui/editor_bench.cpp)
  target_link_libraries(gui_editor_bench PRIVATE mw_gui benchmark::benchmark mw_warnings)
endif()
