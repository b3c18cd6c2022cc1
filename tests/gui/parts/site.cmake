# The tag checker's window, the link list panel and the project window
# over a real main window, editor and files.
mw_test(gui_site_tests
  gui/check/tag_error_form_test.cpp
  gui/project/link_list_panel_test.cpp
  gui/project/project_form_test.cpp
  gui/project/site_shots_test.cpp)
target_link_libraries(gui_site_tests PRIVATE mw_gui)
