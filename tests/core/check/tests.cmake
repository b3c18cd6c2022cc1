mw_test(core_check_tests
  core/check/tag_lists_test.cpp
  core/check/tag_check_test.cpp
)
