# The tag dialogs' windows: one view built from each dialog's control
# table, the frameset grid, the word-list input and the simple-tag dialog.
target_sources(mw_gui PRIVATE
  ${CMAKE_CURRENT_SOURCE_DIR}/dialogs/field_widgets.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/dialogs/tag_dialog_view.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/dialogs/tag_dialog_controls.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/dialogs/word_list_view.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/dialogs/tag_dialog_views.cpp)
