mw_test(core_display_tests
  core/display/html_to_rtf_test.cpp
  core/display/colour_html_test.cpp
  core/display/rtf_readback_test.cpp
  core/display/unicode_view_test.cpp
  core/display/working_copy_test.cpp
)
