# Tag dialogs: one model per dialog (fields in, tag text out, presets for
# re-edit), the re-edit dispatch and the commands that open the dialogs.
mw_core_part(mw_core_dialogs
  dialogs/tag_dialog.cpp
  dialogs/dialog_lists.cpp
  dialogs/tag_dialog_models.cpp
  dialogs/other_dialogs.cpp
  dialogs/block_dialogs.cpp
  dialogs/row_cell_dialogs.cpp
  dialogs/form_dialogs.cpp
  dialogs/frame_dialogs.cpp
  dialogs/edit_tag.cpp
  dialogs/tag_dialog_commands.cpp
  dialogs/word_list_dialog.cpp
)
target_link_libraries(mw_core_dialogs PUBLIC mw_core_editing mw_core_editing_selection mw_core_editing_simple mw_core_app)
list(APPEND MW_CORE_EXTRA_PARTS mw_core_dialogs)
