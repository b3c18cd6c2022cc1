# The settings store in the window: Markupwright.ini and FontColor.dat read
# into the main window and collected back from it.
target_sources(mw_gui PRIVATE
  ${CMAKE_CURRENT_SOURCE_DIR}/app/window_settings.cpp
)
