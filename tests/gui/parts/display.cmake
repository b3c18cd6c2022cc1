# The editor widget, its gutter and its EditorSurface, driven under the
# offscreen platform.
mw_test(gui_display_tests
  gui/display/scintilla_surface_test.cpp
  gui/display/conformance_test.cpp
  gui/display/display_refresh_test.cpp)
target_link_libraries(gui_display_tests PRIVATE mw_gui)
