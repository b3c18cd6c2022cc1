mw_test(gui_app_tests
  gui/app/command_table_test.cpp
  gui/app/main_window_test.cpp
  gui/app/documents_test.cpp
  gui/app/dialog_commands_test.cpp
)
target_link_libraries(gui_app_tests PRIVATE mw_gui)
