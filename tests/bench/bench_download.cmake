# The background downloader beside curl: tests/bench/bench_download runs the
# timer below under Wine and curl natively against one loopback server.
if(VEXBOX_WINDOWS)
  add_executable(download_timer ${CMAKE_CURRENT_LIST_DIR}/bench_download_timer.cpp)
  target_link_libraries(download_timer PRIVATE vex_options vex_toolkit)
  add_dependencies(benchmarks download_timer)
endif()
