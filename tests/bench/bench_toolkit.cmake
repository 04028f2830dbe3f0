# Opening a 40-control window, redrawing it, filling and sorting a lineup
# sized list: the Windows build, run under Wine.
if(VEXBOX_WINDOWS)
  add_executable(bench_toolkit ${CMAKE_CURRENT_LIST_DIR}/bench_toolkit.cpp)
  target_link_libraries(bench_toolkit PRIVATE vex_options vex_toolkit)
  add_dependencies(benchmarks bench_toolkit)
endif()
