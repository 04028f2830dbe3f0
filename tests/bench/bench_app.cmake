# Clicks on the real windows of the whole program, under Wine.
if(VEXBOX_WINDOWS)
  add_executable(bench_app_clicks ${CMAKE_CURRENT_LIST_DIR}/bench_app_clicks.cpp)
  target_link_libraries(bench_app_clicks PRIVATE vex_options vex_app)
  add_dependencies(benchmarks bench_app_clicks)
endif()
