mw_test(core_dialogs_tests
  core/dialogs/dialog_build_test.cpp
  core/dialogs/edit_tag_test.cpp
  core/dialogs/dialog_commands_test.cpp
  core/dialogs/word_list_dialog_test.cpp
)
