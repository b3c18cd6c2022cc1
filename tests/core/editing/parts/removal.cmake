mw_test(core_editing_removal_tests
  core/editing/tag_removal_test.cpp
)
