mw_test(core_display_tests
  core/display/html_to_rtf_test.cpp
)
