# The project manager's core: relative paths, the link list of one page,
# the project file, the checks across a site's files and the simple grep.
mw_core_part(mw_core_project
  project/relative_path.cpp
  project/link_list.cpp
  project/project_file.cpp
  project/cross_check.cpp
  project/grep.cpp
)
target_link_libraries(mw_core_project PUBLIC mw_core_text mw_core_app mw_core_editing
                      mw_core_display_view)
list(APPEND MW_CORE_EXTRA_PARTS mw_core_project)
