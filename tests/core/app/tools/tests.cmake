mw_test(core_kanji_tests
  core/app/tools/kanji_converter_test.cpp
)
