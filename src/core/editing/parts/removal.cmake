# Tag removal, closing and tag case: asks the tag checker which element is open.
mw_core_part(mw_core_editing_removal
  editing/tag_removal.cpp
)
target_link_libraries(mw_core_editing_removal PUBLIC mw_core_editing mw_core_check)
list(APPEND MW_CORE_EXTRA_PARTS mw_core_editing_removal)
