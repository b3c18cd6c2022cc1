# Kanji code conversion and the width conversions, on ICU.
mw_core_part(mw_core_kanji
  app/tools/kanji_converter.cpp
  app/tools/kanji_codec.cpp
  app/tools/kanji_detect.cpp
  app/tools/kanji_tables.cpp
)
target_link_libraries(mw_core_kanji PUBLIC mw_core_app ICU::uc ICU::i18n)
list(APPEND MW_CORE_EXTRA_PARTS mw_core_kanji)
