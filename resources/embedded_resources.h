#pragma once
// Data files stored with the program (text table, size tables, tender texts), compiled in.

#include <string_view>

namespace velmarsund {

// The bytes of the resource at `name`, a path relative to resources/ (for example
// "sizes/1110.csv"); empty when there is no such resource.
std::string_view EmbeddedResource(std::string_view name);

} // namespace velmarsund
