#pragma once

#include <vector>

#include "game/script.h"

namespace mokopi::testing {

// The names of the eleven conversation events.
const std::vector<const char*>& eventNames();

// Every script of the game: the title, the naming scene, the eleven events
// and the nine endings.
std::vector<const Script*> allScripts();

}  // namespace mokopi::testing
