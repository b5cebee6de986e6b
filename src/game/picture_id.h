// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace mokopi::game {

// The pictures of the store, by their index in it. Names follow the bitmap
// file names so that a script reads like the picture table.
enum class Picture : std::uint8_t {
    did,
    u0,
    u1,
    o0,
    o1,
    t0,
    t1,
    h0,
    h1,
    l0,
    l1,
    lov,
    endmix0,
    endmix1,
    endai0,
    endai1,
    endhirou0,
    endhirou1,
    enduta0,
    enduta1,
    endodori0,
    endodori1,
    endauta0,
    endauta1,
    endaodori0,
    endaodori1,
    endhuta0,
    endhuta1,
    endhodori0,
    endhodori1,
    ki,
    ikari,
    kanasimi,
    raku,
};

inline constexpr int PictureCount = 34;

// Index in the store, 0..33.
constexpr int index(Picture p) { return static_cast<int>(p); }
constexpr Picture pictureAt(int index) { return static_cast<Picture>(index); }

// The bitmap file of a stored picture, for example "raku.bmp".
std::string_view fileName(Picture p);

// The order in which the store is filled at start-up.
const std::array<Picture, PictureCount>& loadOrder();

// Read straight from their files, not kept in the store.
inline constexpr std::string_view LoadingPictureFile = "load.bmp";
inline constexpr std::string_view TitlePictureFile = "stt.bmp";

}  // namespace mokopi::game
