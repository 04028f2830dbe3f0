# vex_add_test(<name> SOURCES ... LIBS ... [WINE_ONLY] [NATIVE_ONLY] [DESKTOP] [TIMEOUT s])
# One GoogleTest executable per suite. Natively it runs directly; in the
# Windows build it runs under Wine inside its own Xvfb display through
# scripts/wine-test, one suite at a time. DESKTOP runs it on a player's
# desktop (scripts/wine-env): managed windows, a window manager, the fonts a
# desktop adds. Suites that drive input or read the screen run there.
function(vex_add_test name)
  cmake_parse_arguments(T "WINE_ONLY;NATIVE_ONLY;DESKTOP" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
  if(VEXBOX_FUZZ OR (T_WINE_ONLY AND NOT VEXBOX_WINDOWS))
    return()
  endif()
  if(T_NATIVE_ONLY AND VEXBOX_WINDOWS)
    return()
  endif()
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE vex_options ${T_LIBS} GTest::gtest GTest::gtest_main)
  if(VEXBOX_WINDOWS)
    # The program's resources, manifest included: a test runs with the
    # common controls and DPI awareness vexbox.exe runs with.
    target_link_libraries(${name} PRIVATE vex_resources)
    set(desktop)
    if(T_DESKTOP)
      set(desktop DESKTOP)
    endif()
    vex_add_wine_run(${name} ${name} ${desktop} TIMEOUT ${T_TIMEOUT})
  else()
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES TIMEOUT ${T_TIMEOUT}
      ENVIRONMENT "VEX_BUILD_DIR=${CMAKE_BINARY_DIR};VEX_SOURCE_DIR=${CMAKE_SOURCE_DIR}")
  endif()
endfunction()

# vex_add_wine_run(<name> <target> [DESKTOP] [TIMEOUT s] [ARGS ...]): runs a
# Windows test executable under Wine as test <name>, with ARGS (for example
# a --gtest_filter that runs some of a suite once more in the other mode).
function(vex_add_wine_run name target)
  cmake_parse_arguments(T "DESKTOP" "TIMEOUT" "ARGS" ${ARGN})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  set(desktop 0)
  if(T_DESKTOP)
    set(desktop 1)
  endif()
  add_test(NAME ${name} COMMAND ${CMAKE_SOURCE_DIR}/scripts/wine-test $<TARGET_FILE:${target}> ${T_ARGS})
  set_tests_properties(${name} PROPERTIES RESOURCE_LOCK wine TIMEOUT ${T_TIMEOUT}
    ENVIRONMENT "VEX_BUILD_DIR=${CMAKE_BINARY_DIR};VEX_SOURCE_DIR=${CMAKE_SOURCE_DIR};VEX_WINE_DESKTOP=${desktop}")
endfunction()

# vex_add_script_test(<name> COMMAND ... [WINE] [DESKTOP]): a test driven by
# a script (for example a Python loopback server around vexbox.exe);
# DESKTOP as for vex_add_test.
function(vex_add_script_test name)
  cmake_parse_arguments(T "WINE;DESKTOP" "TIMEOUT" "COMMAND" ${ARGN})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  set(desktop 0)
  if(T_DESKTOP)
    set(desktop 1)
  endif()
  add_test(NAME ${name} COMMAND ${T_COMMAND})
  set_tests_properties(${name} PROPERTIES TIMEOUT ${T_TIMEOUT}
    ENVIRONMENT "VEX_BUILD_DIR=${CMAKE_BINARY_DIR};VEX_SOURCE_DIR=${CMAKE_SOURCE_DIR};VEX_WINE_DESKTOP=${desktop}")
  if(T_WINE)
    set_tests_properties(${name} PROPERTIES RESOURCE_LOCK wine)
  endif()
endfunction()

if(VEXBOX_WINDOWS)
  find_package(GTest REQUIRED CONFIG PATHS ${CMAKE_SOURCE_DIR}/build/deps/prefix NO_DEFAULT_PATH)
else()
  find_package(GTest REQUIRED)
endif()

# vex_add_fuzzer(<name> SOURCES ... LIBS ... [SECONDS s] [CORPUS dir]): a
# libFuzzer target, built only in the fuzz configuration and run by CTest for
# a bounded time, from the starting inputs in CORPUS when given (new inputs
# go to a folder in the build tree, never into the sources).
function(vex_add_fuzzer name)
  cmake_parse_arguments(T "" "SECONDS;CORPUS" "SOURCES;LIBS" ${ARGN})
  if(NOT VEXBOX_FUZZ)
    return()
  endif()
  if(NOT T_SECONDS)
    set(T_SECONDS 20)
  endif()
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE vex_options ${T_LIBS})
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  math(EXPR limit "${T_SECONDS} + 60")
  set(corpus)
  if(T_CORPUS)
    set(found ${CMAKE_CURRENT_BINARY_DIR}/${name}_found)
    file(MAKE_DIRECTORY ${found})
    set(corpus ${found} ${T_CORPUS})
  endif()
  add_test(NAME ${name} COMMAND ${name} -max_total_time=${T_SECONDS} -rss_limit_mb=2048 -print_final_stats=1
    ${corpus})
  set_tests_properties(${name} PROPERTIES TIMEOUT ${limit})
endfunction()
