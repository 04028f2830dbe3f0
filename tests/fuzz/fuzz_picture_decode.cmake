# Picture decoding of arbitrary bytes: PNG, JPEG, BMP and ICO readers never
# read outside the buffer nor crash, whatever the headers claim.
vex_add_fuzzer(fuzz_picture_decode
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/fuzz_picture_decode.cpp
  LIBS vex_picture
  SECONDS 30)
