// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "game/game.h"
#include "game/script.h"

// Short words for writing script tables.
namespace mokopi::game::scripts {

inline StatusChange up(Value value, std::int16_t base) { return {value, +1, base}; }
inline StatusChange down(Value value, std::int16_t base) { return {value, -1, base}; }

inline Reaction say(Text text, std::optional<Picture> picture = std::nullopt, std::vector<StatusChange> changes = {})
{
    return Reaction{text, picture, std::move(changes)};
}

// Changes values and keeps text and picture.
inline Reaction silently(std::vector<StatusChange> changes) { return Reaction{{}, std::nullopt, std::move(changes)}; }

inline Step page(Text text, std::optional<Picture> picture = std::nullopt)
{
    Step s;
    s.page = say(text, picture);
    return s;
}

// The click that leaves a choice page: left button, or any other.
inline Step answer(Reaction left, Reaction right, Finish finish = Finish::None)
{
    Step s;
    s.kind = StepKind::Answer;
    s.left = std::move(left);
    s.right = std::move(right);
    s.finish = finish;
    return s;
}

inline Step ask(const NameQuestion& question)
{
    Step s;
    s.kind = StepKind::AskName;
    s.question = &question;
    return s;
}

inline Step close(Finish finish)
{
    Step s;
    s.kind = StepKind::Close;
    s.finish = finish;
    return s;
}

inline Step handOver(std::string_view next)
{
    Step s;
    s.kind = StepKind::Handover;
    s.next = next;
    return s;
}

}  // namespace mokopi::game::scripts
