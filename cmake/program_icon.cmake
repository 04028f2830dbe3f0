# Packs the program icon's pictures into one .ico at build time:
#   vex_program_icon(<out.ico> <png>...)
# ImageMagick keeps 16 to 48 px as 32-bit BGRA entries with their masks and
# stores a 256 px picture PNG-compressed, as Windows Vista and later read it.
find_program(VEX_MAGICK_CONVERT NAMES convert REQUIRED)
function(vex_program_icon out)
  add_custom_command(OUTPUT ${out}
    COMMAND ${VEX_MAGICK_CONVERT} ${ARGN} -define png:exclude-chunks=date,time ${out}
    DEPENDS ${ARGN}
    COMMENT "Packing the program icon")
endfunction()
