// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>

namespace mokopi::game {

// The running scene: unset, a scene name, or an ending number. Unset counts as
// the empty name (no scene runs); a name never equals a number, so ending 0
// is a real scene while "" is none.
class SceneValue {
public:
    SceneValue() = default;
    SceneValue(std::string name) : value_(std::move(name)) {}
    SceneValue(const char* name) : value_(std::string(name)) {}
    static SceneValue ending(std::int16_t number)
    {
        SceneValue s;
        s.value_ = number;
        return s;
    }

    bool isNone() const
    {
        const auto* text = std::get_if<std::string>(&value_);
        return std::holds_alternative<std::monostate>(value_) || (text && text->empty());
    }
    const std::string* name() const { return std::get_if<std::string>(&value_); }
    std::optional<std::int16_t> endingNumber() const
    {
        if (const auto* n = std::get_if<std::int16_t>(&value_))
            return *n;
        return std::nullopt;
    }

    friend bool operator==(const SceneValue& a, const SceneValue& b)
    {
        if (a.isNone() || b.isNone())
            return a.isNone() && b.isNone();
        return a.value_ == b.value_;
    }

private:
    std::variant<std::monostate, std::string, std::int16_t> value_;
};

}  // namespace mokopi::game
