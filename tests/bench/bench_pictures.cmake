# Taking each of the 51 portraits out of its set: natively, and the same
# program under Wine in the Windows build.
add_executable(bench_pictures ${CMAKE_CURRENT_LIST_DIR}/bench_pictures.cpp)
target_link_libraries(bench_pictures PRIVATE vex_options vex_data)
add_dependencies(benchmarks bench_pictures)
