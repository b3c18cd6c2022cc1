# The tag editing engine: the editor surface the commands are written
# against, its in-memory implementation, and the tag text primitives.
mw_core_part(mw_core_editing
  editing/memory_editor.cpp
  editing/tag_scan.cpp
  editing/tag_text.cpp
  editing/insertion.cpp
  editing/typing.cpp
  editing/find_replace.cpp
  editing/repeat_tag.cpp
)
target_link_libraries(mw_core_editing PUBLIC mw_core_text)
list(APPEND MW_CORE_EXTRA_PARTS mw_core_editing)
