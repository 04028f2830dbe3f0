# Wine suites run side by side, each in a slot of its own (displays, Wine
# prefixes and their wineservers; scripts/wine-env): CTest hands out the
# slots as the resource "wine", listed in <build>/wine-slots.json (see
# scripts/test for how ctest is given that file), and ends them once
# after the last suite.
set(VEX_WINE_SLOTS 3 CACHE STRING "Wine suites that run at a time")
if(VEXBOX_WINDOWS)
  set(slots)
  foreach(n RANGE 1 ${VEX_WINE_SLOTS})
    list(APPEND slots "{\"id\": \"${n}\", \"slots\": 1}")
  endforeach()
  list(JOIN slots ", " slots)
  file(WRITE ${CMAKE_BINARY_DIR}/wine-slots.json
    "{\"version\": {\"major\": 1, \"minor\": 0}, \"local\": [{\"wine\": [${slots}]}]}\n")
  add_test(NAME wine_slots_end COMMAND ${CMAKE_SOURCE_DIR}/scripts/wine-slots ${CMAKE_BINARY_DIR})
  set_tests_properties(wine_slots_end PROPERTIES FIXTURES_CLEANUP wine_slots)
endif()

# Each slot on a network namespace of its own (scripts/wine-slot), where
# this machine lets us make one (root, or a container that allows it): the
# build's fixed port is then a per-slot fact and its suites run side by
# side. Otherwise they take the port as a CTest resource, one at a time.
set(VEX_WINE_NETNS AUTO CACHE STRING "Wine slots on networks of their own: ON, OFF or AUTO (when unshare -n works)")
set(VEX_WINE_OWN_NETWORK OFF)
if(VEXBOX_WINDOWS)
  if(VEX_WINE_NETNS STREQUAL "AUTO")
    # The whole way a slot is entered: a namespace with its loopback up,
    # and nsenter into it by pid.
    execute_process(
      COMMAND unshare -n sh -c "PATH=$PATH:/usr/sbin:/sbin; ip link set lo up && nsenter -t $$ -n true"
      RESULT_VARIABLE netns_result OUTPUT_QUIET ERROR_QUIET)
    if(netns_result STREQUAL "0")
      set(VEX_WINE_OWN_NETWORK ON)
    endif()
  elseif(VEX_WINE_NETNS)
    set(VEX_WINE_OWN_NETWORK ON)
  endif()
  if(VEX_WINE_OWN_NETWORK)
    message(STATUS "Wine slots: a network namespace each, fixed-port suites side by side")
  else()
    message(STATUS "Wine slots: one shared network, fixed-port suites one at a time")
  endif()
endif()

# A Wine test's CTest properties: a slot, its mode (DESKTOP: a player's
# desktop), and, on a shared network, the build's fixed loopback port (the
# endpoints compiled into the program) when it serves there or reads what
# is served there. ALONE: on a shared network every slot, for a test that
# counts what reaches the fixed port, where every program started beside it
# would send its usage beacon; a slot's own network sees only its own.
function(vex_wine_test_properties name desktop fixed_port alone)
  set(mode 0)
  if(desktop)
    set(mode 1)
  endif()
  set(slots "wine:1")
  if(alone AND NOT VEX_WINE_OWN_NETWORK)
    set(slots "${VEX_WINE_SLOTS},wine:1")
  endif()
  set_tests_properties(${name} PROPERTIES RESOURCE_GROUPS "${slots}" FIXTURES_REQUIRED wine_slots)
  set_property(TEST ${name} APPEND PROPERTY ENVIRONMENT VEX_WINE_SLOTTED=1 VEX_WINE_DESKTOP=${mode})
  if(VEX_WINE_OWN_NETWORK)
    set_property(TEST ${name} APPEND PROPERTY ENVIRONMENT VEX_WINE_NETNS=1)
  elseif(fixed_port)
    set_tests_properties(${name} PROPERTIES RESOURCE_LOCK loopback_port_18631)
  endif()
endfunction()

# vex_add_test(<name> SOURCES ... LIBS ... [WINE_ONLY] [NATIVE_ONLY] [DESKTOP] [FIXED_PORT] [TIMEOUT s])
# One GoogleTest executable per suite. Natively it runs directly; in the
# Windows build it runs under Wine in a slot through scripts/wine-test.
# DESKTOP runs it on a player's desktop (scripts/wine-env): managed windows,
# a window manager, the fonts a desktop adds. Suites that drive input or
# read the screen run there.
function(vex_add_test name)
  cmake_parse_arguments(T "WINE_ONLY;NATIVE_ONLY;DESKTOP;FIXED_PORT" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
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
  if(TARGET vex_test_pch)
    target_precompile_headers(${name} REUSE_FROM vex_test_pch)
  endif()
  if(VEXBOX_WINDOWS)
    # The program's resources, manifest included: a test runs with the
    # common controls and DPI awareness vexbox.exe runs with.
    target_link_libraries(${name} PRIVATE vex_resources)
    set(options)
    foreach(option DESKTOP FIXED_PORT)
      if(T_${option})
        list(APPEND options ${option})
      endif()
    endforeach()
    vex_add_wine_run(${name} ${name} ${options} TIMEOUT ${T_TIMEOUT})
  else()
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES TIMEOUT ${T_TIMEOUT}
      ENVIRONMENT "VEX_BUILD_DIR=${CMAKE_BINARY_DIR};VEX_SOURCE_DIR=${CMAKE_SOURCE_DIR}")
  endif()
endfunction()

# vex_add_wine_run(<name> <target> [DESKTOP] [FIXED_PORT] [TIMEOUT s] [ARGS ...]):
# runs a Windows test executable under Wine as test <name>, with ARGS (for
# example a --gtest_filter that runs some of a suite once more in the other
# mode).
function(vex_add_wine_run name target)
  cmake_parse_arguments(T "DESKTOP;FIXED_PORT" "TIMEOUT" "ARGS" ${ARGN})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  add_test(NAME ${name} COMMAND ${CMAKE_SOURCE_DIR}/scripts/wine-slot ${CMAKE_SOURCE_DIR}/scripts/wine-test
    $<TARGET_FILE:${target}> ${T_ARGS})
  set_tests_properties(${name} PROPERTIES TIMEOUT ${T_TIMEOUT}
    ENVIRONMENT "VEX_BUILD_DIR=${CMAKE_BINARY_DIR};VEX_SOURCE_DIR=${CMAKE_SOURCE_DIR}")
  vex_wine_test_properties(${name} "${T_DESKTOP}" "${T_FIXED_PORT}" OFF)
endfunction()

# vex_add_script_test(<name> COMMAND ... [WINE] [DESKTOP] [FIXED_PORT] [ALONE]):
# a test driven by a script (for example a Python loopback server around
# vexbox.exe); DESKTOP and FIXED_PORT as for vex_add_test, ALONE as for
# vex_wine_test_properties.
function(vex_add_script_test name)
  cmake_parse_arguments(T "WINE;DESKTOP;FIXED_PORT;ALONE" "TIMEOUT" "COMMAND" ${ARGN})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  if(T_WINE)
    set(T_COMMAND ${CMAKE_SOURCE_DIR}/scripts/wine-slot ${T_COMMAND})
  endif()
  add_test(NAME ${name} COMMAND ${T_COMMAND})
  set_tests_properties(${name} PROPERTIES TIMEOUT ${T_TIMEOUT}
    ENVIRONMENT "VEX_BUILD_DIR=${CMAKE_BINARY_DIR};VEX_SOURCE_DIR=${CMAKE_SOURCE_DIR}")
  if(T_WINE)
    vex_wine_test_properties(${name} "${T_DESKTOP}" "${T_FIXED_PORT}" "${T_ALONE}")
  endif()
endfunction()

if(VEXBOX_WINDOWS)
  find_package(GTest REQUIRED CONFIG PATHS ${CMAKE_SOURCE_DIR}/build/deps/prefix NO_DEFAULT_PATH)
else()
  find_package(GTest REQUIRED)
endif()

# GoogleTest's header is most of what a test file costs to compile: the
# native build compiles it once and every suite reuses it. Not the
# optimised MinGW build: GCC 12 forgets there that the library's headers are
# system headers and warns about its false -Warray-bounds finds in them.
if(NOT VEXBOX_FUZZ AND NOT VEXBOX_WINDOWS)
  file(WRITE ${CMAKE_BINARY_DIR}/generated/test_pch.cpp "")
  add_library(vex_test_pch OBJECT ${CMAKE_BINARY_DIR}/generated/test_pch.cpp)
  target_link_libraries(vex_test_pch PRIVATE vex_options GTest::gtest)
  target_precompile_headers(vex_test_pch PRIVATE <gtest/gtest.h> <string> <vector>)
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
