mw_test(core_editing_transform_tests
  core/editing/transforms_test.cpp
  core/editing/transform_commands_test.cpp
)
