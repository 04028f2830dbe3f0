# vex_embed(<target> <symbol> <file>): compiles the bytes of <file> into
# <target> as `extern const vex::EmbeddedBytes <symbol>` (see toolkit/common/embedded.h).
set(VEX_EMBED_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/embed_file.cmake)
function(vex_embed target symbol file)
  get_filename_component(abs ${file} ABSOLUTE)
  set(out ${CMAKE_BINARY_DIR}/generated/embed/${symbol}.cpp)
  add_custom_command(OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -DIN=${abs} -DOUT=${out} -DSYMBOL=${symbol} -P ${VEX_EMBED_SCRIPT}
    DEPENDS ${abs} ${VEX_EMBED_SCRIPT}
    COMMENT "Embedding ${file}")
  target_sources(${target} PRIVATE ${out})
endfunction()
