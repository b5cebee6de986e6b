#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace mokopi {

// The first `count` characters (Unicode code points) of UTF-8 text, never
// splitting one.
std::string firstCharacters(std::string_view utf8, std::size_t count);

}  // namespace mokopi
