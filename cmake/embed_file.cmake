# Writes OUT, a C++ file holding the bytes of IN as SYMBOL.
file(READ ${IN} hex HEX)
string(LENGTH "${hex}" len)
math(EXPR size "${len} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n" bytes "${bytes}")
file(WRITE ${OUT} "// Generated from ${IN}.\n#include \"toolkit/common/embedded.h\"\nnamespace {\nalignas(8) const unsigned char kBytes[] = {\n${bytes}0};\n}\nnamespace vex::assets {\nextern const EmbeddedBytes ${SYMBOL};\nconst EmbeddedBytes ${SYMBOL}{kBytes, ${size}};\n}\n")
