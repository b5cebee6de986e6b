// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace mokopi::game {

// A literal piece of what the player reads, in the game's own Japanese, with
// the context a translator finds it under in the catalogue (the scene, the
// chatter set, the box). "{pet}", "{owner}" and "\n" in a page text stay as
// they are: the names are inserted after translation.
struct Text {
    const char* context = "";
    const char* source = "";

    bool empty() const { return *source == '\0'; }
};

// What the player reads for a text: its translation into the window's
// language, or the Japanese where there is none. The window hands one in.
using Translate = std::string (*)(const Text& text);

// The Japanese as written, for a game with no window.
inline std::string japanese(const Text& text) { return text.source; }

}  // namespace mokopi::game

// Marks a literal piece of player-facing text. lupdate reads it as
// QT_TRANSLATE_NOOP(context, source) (see i18n/CMakeLists.txt); both
// arguments must be string literals.
#define MOKOPI_TR(context, source) (::mokopi::game::Text{context, source})
// The same mark on a plain string literal, for words that travel as
// std::string (the save file's causes); whoever shows them looks them up in
// the catalogue under the same context.
#define MOKOPI_TR_NOOP(context, source) source
