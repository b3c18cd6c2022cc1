mw_test(core_dialogs_tests
  core/dialogs/dialog_build_test.cpp
)
