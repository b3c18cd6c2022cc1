# The editing dialogs: find and replace, the repeat tag, and the host that
# shows the dialogs editing commands open.
target_sources(mw_gui PRIVATE
  ${CMAKE_CURRENT_SOURCE_DIR}/editing/find_dialogs.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/editing/qt_dialog_host.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/editing/repeat_tag_dialog.cpp)
