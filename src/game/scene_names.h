// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace mokopi::game::scene {

// The title wait and the naming scene of every new game.
inline constexpr const char* Title = "stop";
inline constexpr const char* Naming = "open";

// The conversation events the hour can start.
inline constexpr const char* Equal = "イコール";
inline constexpr const char* Sad = "かなしむ";
inline constexpr const char* Luxury = "ぜいたく";
inline constexpr const char* LostConfidence = "じしんそうしつ";
inline constexpr const char* SongGift = "うたをおくる";
inline constexpr const char* Singing = "うたをうたう";
inline constexpr const char* DanceGift = "おどりをおくる";
inline constexpr const char* Dancing = "おどりをおどる";
inline constexpr const char* Flower = "おはな";
inline constexpr const char* Butterfly = "ちょうちょ";
inline constexpr const char* Caterpillar = "いもむし";

}  // namespace mokopi::game::scene
