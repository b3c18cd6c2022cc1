mw_test(core_project_tests
  core/project/relative_path_test.cpp
  core/project/link_list_test.cpp
  core/project/project_file_test.cpp
  core/project/cross_check_test.cpp
  core/project/grep_test.cpp
)
