# The window's settings round trip under the offscreen platform.
mw_test(gui_settings_tests
  gui/app/window_settings_test.cpp
)
target_link_libraries(gui_settings_tests PRIVATE mw_gui)
