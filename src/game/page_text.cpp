// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/page_text.h"

namespace mokopi::game {

std::string render(std::string_view textTemplate, const std::string& petName, const std::string& ownerName)
{
    static constexpr std::string_view Pet = "{pet}";
    static constexpr std::string_view Owner = "{owner}";

    std::string text;
    text.reserve(textTemplate.size() + 16);
    for (std::size_t i = 0; i < textTemplate.size();) {
        const std::string_view rest = textTemplate.substr(i);
        if (rest.starts_with(Pet)) {
            text += petName;
            i += Pet.size();
        } else if (rest.starts_with(Owner)) {
            text += ownerName;
            i += Owner.size();
        } else if (rest.front() == '\n') {
            text += "\r\n";
            ++i;
        } else {
            text += rest.front();
            ++i;
        }
    }
    return text;
}

}  // namespace mokopi::game
