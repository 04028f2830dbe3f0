# http_request's throughput beside curl's: tests/bench/bench_http runs the
# timer below under Wine and curl natively against one loopback server.
if(VEXBOX_WINDOWS)
  add_executable(http_fetch_timer ${CMAKE_CURRENT_LIST_DIR}/bench_http_fetch.cpp)
  target_link_libraries(http_fetch_timer PRIVATE vex_options vex_net wininet)
  add_dependencies(benchmarks http_fetch_timer)
endif()
