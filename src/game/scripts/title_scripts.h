#pragma once

#include "game/script.h"

namespace mokopi {

// The title wait: one click hands over to the naming scene.
const Script& titleScript();
// The naming scene: greeting, the two names, and the clock starts.
const Script& namingScript();

}  // namespace mokopi
