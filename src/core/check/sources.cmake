# The tag consistency check: the three tag lists and the one-pass scan.
mw_core_part(mw_core_check
  check/tag_lists.cpp
  check/tag_check.cpp
)
target_link_libraries(mw_core_check PUBLIC mw_core_text mw_core_app)
list(APPEND MW_CORE_EXTRA_PARTS mw_core_check)
