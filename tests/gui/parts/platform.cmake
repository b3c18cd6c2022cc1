# The single-instance hand-off, in one process and between real programs,
# and the application object's error reporting.
mw_test(gui_platform_tests
  platform/single_instance_test.cpp
  platform/program_test.cpp
  platform/guarded_application_test.cpp
  platform/window_hand_off_test.cpp)
target_link_libraries(gui_platform_tests PRIVATE mw_gui)
target_compile_definitions(gui_platform_tests PRIVATE MW_PROGRAM="$<TARGET_FILE:markupwright>")
add_dependencies(gui_platform_tests markupwright)
