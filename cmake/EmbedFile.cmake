# Turns a file into a C++ source that holds its bytes:
#   cmake -DIN=file -DOUT=file.cpp -DSYMBOL=name -P EmbedFile.cmake
file(READ "${IN}" hex HEX)
string(LENGTH "${hex}" len)
math(EXPR size "${len} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
file(WRITE "${OUT}.tmp"
  "// Generated from ${IN}; do not edit.\n#include <cstddef>\n"
  "namespace tarvis::embedded {\n"
  "extern const unsigned char ${SYMBOL}[] = {${bytes} 0x00};\n"
  "extern const std::size_t ${SYMBOL}_size = ${size};\n}\n")
file(COPY_FILE "${OUT}.tmp" "${OUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUT}.tmp")
