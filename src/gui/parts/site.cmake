# The site-check windows: the tag checker's result window, the link list
# panel and the project window.
target_sources(mw_gui PRIVATE
  ${CMAKE_CURRENT_SOURCE_DIR}/check/tag_error_form.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/project/link_list_panel.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/project/project_form.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/project/project_links.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/project/project_grep.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/project/site_checks.cpp)
