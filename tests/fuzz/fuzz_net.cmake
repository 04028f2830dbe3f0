# The HTTP client's text handling on arbitrary bytes: no crash, no read
# outside a text, and the invariants each routine promises.
foreach(target fuzz_text_ops fuzz_url_parts fuzz_cookie_merge fuzz_set_cookies)
  vex_add_fuzzer(${target}
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/${target}.cpp
    LIBS vex_net
    SECONDS 15)
endforeach()
