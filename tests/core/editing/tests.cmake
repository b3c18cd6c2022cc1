mw_test(core_editing_tests
  core/editing/char_sync_test.cpp
  core/editing/memory_editor_test.cpp
  core/editing/tag_scan_test.cpp
  core/editing/tag_text_test.cpp
  core/editing/fragment_colour_test.cpp
  core/editing/insertion_test.cpp
  core/editing/typing_test.cpp
  core/editing/find_replace_test.cpp
  core/editing/repeat_tag_test.cpp
)

# Each further command group has its own test executable in parts/*.cmake.
file(GLOB MW_EDITING_TEST_PARTS CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/parts/*.cmake)
foreach(part ${MW_EDITING_TEST_PARTS})
  include(${part})
endforeach()
