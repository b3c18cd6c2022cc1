mw_test(core_editing_simple_tests
  core/editing/simple_tags_test.cpp
  core/editing/simple_tag_dialog_test.cpp
)
