# The black-box window figures under Wine: the structural floor (a program of
# its own, sharing nothing with the toolkit), start to ready and memory, and
# click to settled screen, each beside the floor in the same run.
if(VEXBOX_WINDOWS)
  add_executable(vexbox_floor WIN32 ${CMAKE_CURRENT_LIST_DIR}/floor_app.cpp)
  target_link_libraries(vexbox_floor PRIVATE vex_options comctl32)
  add_executable(bench_startup ${CMAKE_CURRENT_LIST_DIR}/bench_startup.cpp)
  target_link_libraries(bench_startup PRIVATE vex_options psapi)
  target_link_options(bench_startup PRIVATE -municode)
  add_executable(bench_screen_clicks ${CMAKE_CURRENT_LIST_DIR}/bench_screen_clicks.cpp)
  target_link_libraries(bench_screen_clicks PRIVATE vex_options vex_layout)
  target_link_options(bench_screen_clicks PRIVATE -municode)
  add_dependencies(benchmarks vexbox_floor bench_startup bench_screen_clicks)
endif()
