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
  editing/command_registry.cpp
  editing/command_groups.cpp
  editing/basic_commands.cpp
)
target_link_libraries(mw_core_editing PUBLIC mw_core_text)
list(APPEND MW_CORE_EXTRA_PARTS mw_core_editing)

# Further command groups each bring their own part in editing/parts/*.cmake
# (an object library linked to mw_core_editing, appended to
# MW_CORE_EXTRA_PARTS), so they build and test independently.
file(GLOB MW_EDITING_PARTS CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/editing/parts/*.cmake)
foreach(part ${MW_EDITING_PARTS})
  include(${part})
endforeach()
