# The editor widget and the EditorSurface over it.
target_sources(mw_gui PRIVATE
  ${CMAKE_CURRENT_SOURCE_DIR}/display/scintilla_editor.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/display/scintilla_surface.cpp)

