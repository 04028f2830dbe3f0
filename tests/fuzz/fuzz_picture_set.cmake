# Taking a picture out of arbitrary bytes: no read outside the buffer, no
# crash, whatever the set claims.
vex_add_fuzzer(fuzz_picture_set
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/fuzz_picture_set.cpp
  LIBS vex_data
  SECONDS 30)
