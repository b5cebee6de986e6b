// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/script.h"

namespace mokopi::game::scripts {

// The title wait: one click hands over to the naming scene.
const Script& titleScript();
// The naming scene: greeting, the two names, and the clock starts.
const Script& namingScript();

}  // namespace mokopi::game::scripts
