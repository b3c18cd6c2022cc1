# Display: HTML colouring (the tokenizer, its RTF writer and colour runs).
mw_core_part(mw_core_display
  display/html_scanner.cpp
  display/html_to_rtf.cpp
)
target_link_libraries(mw_core_display PUBLIC mw_core_text)
list(APPEND MW_CORE_EXTRA_PARTS mw_core_display)

# The lossless view of a document for a Unicode editor widget; it reads the
# code page 932 tables of the kanji converter.
mw_core_part(mw_core_display_view display/unicode_view.cpp)
target_link_libraries(mw_core_display_view PUBLIC mw_core_text mw_core_kanji)
list(APPEND MW_CORE_EXTRA_PARTS mw_core_display_view)

# Working copies of a document beside it, for the display refresh and the
# browser preview.
mw_core_part(mw_core_display_copy display/working_copy.cpp)
target_link_libraries(mw_core_display_copy PUBLIC mw_core_app)
list(APPEND MW_CORE_EXTRA_PARTS mw_core_display_copy)
