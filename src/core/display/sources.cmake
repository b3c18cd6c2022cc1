# Display: HTML colouring (the tokenizer, its RTF writer and colour runs).
mw_core_part(mw_core_display
  display/html_scanner.cpp
  display/html_to_rtf.cpp
)
target_link_libraries(mw_core_display PUBLIC mw_core_text)
list(APPEND MW_CORE_EXTRA_PARTS mw_core_display)
