# Writes a C++ source that holds the given files as byte arrays, found by their path relative
# to BASE_DIR through velmarsund::EmbeddedResource(). Run in script mode:
#   cmake -DOUTPUT=... -DBASE_DIR=... -DFILES="a;b" -P EmbedResources.cmake
set(_body "")
set(_table "")
set(_index 0)
foreach(_file IN LISTS FILES)
  file(RELATIVE_PATH _name "${BASE_DIR}" "${_file}")
  file(READ "${_file}" _hex HEX)
  string(LENGTH "${_hex}" _hexlen)
  math(EXPR _size "${_hexlen} / 2")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," _bytes "${_hex}")
  string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n" _bytes "${_bytes}")
  string(APPEND _body "static const unsigned char r${_index}[] = {\n${_bytes}0x00};\n")
  string(APPEND _table "    {\"${_name}\", r${_index}, ${_size}},\n")
  math(EXPR _index "${_index} + 1")
endforeach()
file(WRITE "${OUTPUT}.tmp" "// Generated from resources/; do not edit.
#include \"embedded_resources.h\"

#include <cstddef>

namespace {
${_body}
struct Entry {
    const char* name;
    const unsigned char* data;
    std::size_t size;
};
const Entry kEntries[] = {
${_table}    {nullptr, nullptr, 0},
};
} // namespace

namespace velmarsund {

std::string_view EmbeddedResource(std::string_view name)
{
    for (const Entry* e = kEntries; e->name; ++e)
        if (name == e->name) return {reinterpret_cast<const char*>(e->data), e->size};
    return {};
}

} // namespace velmarsund
")
# Replace only when changed, so that an unchanged resource set does not rebuild.
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
