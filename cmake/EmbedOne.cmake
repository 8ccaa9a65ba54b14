# Writes the bytes of IN as a C++ array named ID into OUT.
file(READ ${IN} hex HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n" bytes "${bytes}")
file(WRITE ${OUT} "#include <span>\nnamespace vemo::assets {\nstatic const unsigned char data[] = {\n${bytes}};\nextern const std::span<const unsigned char> ${ID};\nconst std::span<const unsigned char> ${ID}{data, sizeof data};\n}\n")
