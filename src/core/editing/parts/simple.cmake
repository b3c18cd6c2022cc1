# Simple tag commands: wrapping, single tags, comment, date, attributes.
mw_core_part(mw_core_editing_simple
  editing/simple_tags.cpp
  editing/simple_tag_dialog.cpp
)
target_link_libraries(mw_core_editing_simple PUBLIC mw_core_editing)
list(APPEND MW_CORE_EXTRA_PARTS mw_core_editing_simple)
