# The tag dialogs' windows opened by their commands over a real editor.
mw_test(gui_dialogs_tests
  gui/dialogs/tag_dialog_view_test.cpp)
target_link_libraries(gui_dialogs_tests PRIVATE mw_gui)
