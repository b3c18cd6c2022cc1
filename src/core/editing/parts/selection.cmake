# Selection and navigation: tag, element, attribute value and body text
# searches, row selections and jumps.
mw_core_part(mw_core_editing_selection editing/selection.cpp)
target_link_libraries(mw_core_editing_selection PUBLIC mw_core_editing)
list(APPEND MW_CORE_EXTRA_PARTS mw_core_editing_selection)
