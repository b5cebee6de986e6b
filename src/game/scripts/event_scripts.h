#pragma once

#include <string_view>

#include "game/script.h"

namespace mokopi {

// The conversation event of that name, or nullptr for any other name.
const Script* eventScript(std::string_view name);

}  // namespace mokopi
