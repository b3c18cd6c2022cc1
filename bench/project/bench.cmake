# The site checks over generated folders: full link update and grep.
add_executable(project_bench ${CMAKE_CURRENT_LIST_DIR}/project_bench.cpp)
target_link_libraries(project_bench PRIVATE mw_core benchmark::benchmark benchmark::benchmark_main mw_warnings)
