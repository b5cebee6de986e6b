// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/picture_id.h"

namespace mokopi::game {

namespace {

constexpr std::array<std::string_view, PictureCount> FileNames = {
    "did.bmp",        "u0.bmp",         "u1.bmp",        "o0.bmp",        "o1.bmp",         "t0.bmp",
    "t1.bmp",         "h0.bmp",         "h1.bmp",        "l0.bmp",        "l1.bmp",         "lov.bmp",
    "endmix0.bmp",    "endmix1.bmp",    "endai0.bmp",    "endai1.bmp",    "endhirou0.bmp",  "endhirou1.bmp",
    "enduta0.bmp",    "enduta1.bmp",    "endodori0.bmp", "endodori1.bmp", "endauta0.bmp",   "endauta1.bmp",
    "endaodori0.bmp", "endaodori1.bmp", "endhuta0.bmp",  "endhuta1.bmp",  "endhodori0.bmp", "endhodori1.bmp",
    "ki.bmp",         "ikari.bmp",      "kanasimi.bmp",  "raku.bmp",
};

constexpr std::array<Picture, PictureCount> makeLoadOrder()
{
    // The exhausted pair comes before the ordinary one, as the game always loaded them.
    std::array<Picture, PictureCount> order{};
    constexpr int first[] = {0, 1, 2, 3, 4, 7, 8, 9, 10, 5, 6, 11};
    int k = 0;
    for (int i : first)
        order[k++] = pictureAt(i);
    for (int i = 12; i < PictureCount; ++i)
        order[k++] = pictureAt(i);
    return order;
}

constexpr auto LoadOrder = makeLoadOrder();

}  // namespace

std::string_view fileName(Picture p) { return FileNames[index(p)]; }

const std::array<Picture, PictureCount>& loadOrder() { return LoadOrder; }

}  // namespace mokopi::game
