# Text transformations, processed paste and text-file insertion.
mw_core_part(mw_core_editing_transform
  editing/transforms.cpp
  editing/transform_commands.cpp
)
target_link_libraries(mw_core_editing_transform PUBLIC mw_core_editing mw_core_kanji)
list(APPEND MW_CORE_EXTRA_PARTS mw_core_editing_transform)
