# The find, replace and repeat-tag dialogs over a real editor widget.
mw_test(gui_editing_tests
  gui/editing/find_dialogs_test.cpp
  gui/editing/dialog_host_test.cpp)
target_link_libraries(gui_editing_tests PRIVATE mw_gui)
