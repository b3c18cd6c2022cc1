mw_test(core_editing_tests
  core/editing/char_sync_test.cpp
  core/editing/memory_editor_test.cpp
  core/editing/tag_scan_test.cpp
  core/editing/tag_text_test.cpp
)
