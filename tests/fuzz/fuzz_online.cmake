# What the self-update reads from the network: the first response's headers
# and the download address, the version page, and the signature forms.
# Each starts from a small corpus of real answers under corpus/<target>.
vex_add_fuzzer(fuzz_download_response
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/fuzz_download_response.cpp
  LIBS vex_toolkit
  CORPUS ${CMAKE_CURRENT_LIST_DIR}/corpus/fuzz_download_response
  SECONDS 20)
vex_add_fuzzer(fuzz_version_page
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/fuzz_version_page.cpp
  LIBS vex_online
  CORPUS ${CMAKE_CURRENT_LIST_DIR}/corpus/fuzz_version_page
  SECONDS 20)
vex_add_fuzzer(fuzz_update_signature
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/fuzz_update_signature.cpp
  LIBS vex_toolkit
  CORPUS ${CMAKE_CURRENT_LIST_DIR}/corpus/fuzz_update_signature
  SECONDS 20)
