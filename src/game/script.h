// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "game/picture_id.h"
#include "game/scene_value.h"
#include "game/text.h"

namespace mokopi::game {

// One change of a value on an answer: StatusAdd(index, sign * (base + R(10))).
struct StatusChange {
    std::uint8_t index;
    std::int8_t sign;
    std::int16_t base;
};

// What a page or an answer shows and does. An empty text keeps the caption,
// no picture keeps the picture.
struct Reaction {
    Text text;
    std::optional<Picture> picture;
    std::vector<StatusChange> changes;
};

// An input box asking for one of the two names.
struct NameQuestion {
    bool forOwner;
    Text title;
    Text prompt;
    Text fallback;  // stored when the answer is empty or cancelled
};

enum class StepKind {
    Page,      // shows `page`
    Answer,    // reads the mouse button: left shows `left`, any other `right`
    AskName,   // asks `question`; the caption stays
    Close,     // shows nothing and leaves Page alone; only `finish` runs
    Handover,  // starts the scene `next`
};

enum class Finish { None, IventEnd, EndingEnd };

struct Step {
    StepKind kind = StepKind::Page;
    Reaction page;
    Reaction left;
    Reaction right;
    const NameQuestion* question = nullptr;
    bool startsGame = false;  // sets GameStarted
    Finish finish = Finish::None;
    std::string_view next;
};

using Script = std::vector<Step>;

// The script a scene value runs, or nullptr when none matches.
const Script* findScript(const SceneValue& scene);

}  // namespace mokopi::game
