// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string_view>

#include "game/script.h"

namespace mokopi::game::scripts {

// The conversation event of that name, or nullptr for any other name.
const Script* eventScript(std::string_view name);

}  // namespace mokopi::game::scripts
