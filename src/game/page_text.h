// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

namespace mokopi::game {

// Page texts are written as templates: "{pet}" and "{owner}" stand for the
// two names and "\n" for a line break. render() fills them in one pass, so a
// name that itself looks like "{pet}" is shown as typed, and turns every
// line break into CR LF.
std::string render(std::string_view textTemplate, const std::string& petName, const std::string& ownerName);

}  // namespace mokopi::game
