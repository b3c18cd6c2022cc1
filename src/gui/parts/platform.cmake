# Platform adapters: the single-instance hand-off over a per-user local
# socket, and the application object that reports escaped errors.
find_package(Qt6 REQUIRED COMPONENTS Network)
target_sources(mw_gui PRIVATE
  ${PROJECT_SOURCE_DIR}/src/platform/app/guarded_application.cpp
  ${PROJECT_SOURCE_DIR}/src/platform/app/single_instance.cpp)
target_link_libraries(mw_gui PUBLIC Qt6::Network)
