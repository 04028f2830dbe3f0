# The picker's two heavy steps, timed on the toolkit's state without a
# backend: natively, and under Wine in the Windows build.
add_executable(bench_views ${CMAKE_CURRENT_LIST_DIR}/bench_views.cpp)
target_link_libraries(bench_views PRIVATE vex_options vex_views vex_layout vex_data)
add_dependencies(benchmarks bench_views)
