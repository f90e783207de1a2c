# cmake -DINPUT=<file> -DOUTPUT=<file.cpp> -P embed_bytes.cmake
# Writes a C++ source that holds INPUT's bytes, returned by EmbeddedTableBytes().
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" digits)
math(EXPR size "${digits} / 2")
if(size EQUAL 0)
  set(bytes "0")
else()
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  # Sixteen bytes to a line.
  string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n    " bytes "${bytes}")
endif()
file(WRITE "${OUTPUT}" "// Generated at build time from translate.txt; edit that file, not this one.
#include \"i18n/embedded_table.h\"

namespace Vrel::Translate {
namespace {
constexpr unsigned char kBytes[] = {
    ${bytes}
};
}  // namespace

std::string_view EmbeddedTableBytes() noexcept {
    return {reinterpret_cast<const char*>(kBytes), ${size}};
}

}  // namespace Vrel::Translate
")
