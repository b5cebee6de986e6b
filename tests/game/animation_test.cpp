// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <tuple>

#include "game/animation.h"
#include "support/game_fixture.h"

namespace mokopi::testing {

using namespace game;
namespace {

// The first rule that holds picks the pair; scenes other than the naming one
// leave the picture alone.
TEST(AnimationRuleTest, EachSceneAndValueShowsItsPairOrNothing)
{
    using enum Picture;
    const std::tuple<const char*, SceneValue, Values, std::optional<Picture>, std::optional<Picture>> cases[] = {
        {"fresh game", "", {0, 0, 0, 0}, t0, t1},
        {"song, dance and affection tie at 150", "", {150, 150, 0, 150}, u0, u1},
        {"dance ties affection above song", "", {50, 120, 0, 120}, o0, o1},
        {"affection leads", SceneValue(), {99, 100, 0, 101}, l0, l1},
        {"fatigue 200 beats song 250", "", {250, 0, 200, 0}, h0, h1},
        {"fatigue 199", "", {250, 0, 199, 0}, u0, u1},
        {"everything at 99", "", {99, 99, 99, 99}, t0, t1},
        {"song exactly 100", "", {100, 0, 0, 0}, u0, u1},
        {"affection exactly 100", "", {0, 0, 0, 100}, l0, l1},
        {"the naming scene animates", "open", {0, 100, 0, 0}, o0, o1},
        {"ending 4 whatever the values", SceneValue::ending(4), {250, 0, 250, 0}, endodori0, endodori1},
        {"ending 8", SceneValue::ending(8), {0, 0, 0, 0}, endhodori0, endhodori1},
        {"the title", "stop", {0, 0, 0, 0}, std::nullopt, std::nullopt},
        {"an event", "おはな", {150, 0, 0, 0}, std::nullopt, std::nullopt},
    };
    for (const auto& [why, scene, values, first, second] : cases) {
        EXPECT_EQ(animationPicture(scene, values, 0), first) << why;
        EXPECT_EQ(animationPicture(scene, values, 1), second) << why;
    }
}

// Written from the picture table, not from the code: a picture at the wrong
// index shows the wrong face in every scene that names it.
TEST(PictureTable, EachIndexNamesItsFile)
{
    const char* const files[PictureCount] = {
        "did.bmp",        "u0.bmp",         "u1.bmp",        "o0.bmp",        "o1.bmp",         "t0.bmp",
        "t1.bmp",         "h0.bmp",         "h1.bmp",        "l0.bmp",        "l1.bmp",         "lov.bmp",
        "endmix0.bmp",    "endmix1.bmp",    "endai0.bmp",    "endai1.bmp",    "endhirou0.bmp",  "endhirou1.bmp",
        "enduta0.bmp",    "enduta1.bmp",    "endodori0.bmp", "endodori1.bmp", "endauta0.bmp",   "endauta1.bmp",
        "endaodori0.bmp", "endaodori1.bmp", "endhuta0.bmp",  "endhuta1.bmp",  "endhodori0.bmp", "endhodori1.bmp",
        "ki.bmp",         "ikari.bmp",      "kanasimi.bmp",  "raku.bmp",
    };
    for (int i = 0; i < PictureCount; ++i)
        EXPECT_EQ(fileName(pictureAt(i)), files[i]) << i;
}

}  // namespace
}  // namespace mokopi::testing
