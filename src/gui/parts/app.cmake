# The command table and the main window.
target_sources(mw_gui PRIVATE
  ${CMAKE_CURRENT_SOURCE_DIR}/app/command_table.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/app/document_set.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/app/file_history_menu.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/app/main_window.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/app/main_window_documents.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/app/main_window_lifecycle.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/app/qt_prompts.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/app/window_parts.cpp
)

add_executable(markupwright ${CMAKE_CURRENT_SOURCE_DIR}/app/main.cpp)
target_link_libraries(markupwright PRIVATE mw_gui mw_warnings)
install(TARGETS markupwright RUNTIME DESTINATION bin)

if(MW_BUILD_BENCH)
  find_package(benchmark REQUIRED)
  add_executable(gui_window_bench ${PROJECT_SOURCE_DIR}/bench/gui/window_bench.cpp)
  target_link_libraries(gui_window_bench PRIVATE mw_gui benchmark::benchmark mw_warnings)
endif()
