// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/chatter.h"

#include "game/game.h"

namespace mokopi::game {

namespace {

using Lines = std::array<std::string_view, 5>;

constexpr std::array<Lines, 6> AllLines = {{
    {"{pet}はもうダメです～", "{owner}ご主人様は厳しすぎます～", "休ませて下さい～", "ヘロヘロ～", "うにゃー"},
    {"{pet}はお歌大好きです～", "{owner}ご主人様～一緒に歌おうです～", "ルーラララらー", "{pet}のお歌はどうですか～",
     "お歌は心が癒されるです～"},
    {"{pet}は踊るとうきうきしちゃうんです～", "{owner}ご主人様～一緒に踊ろうです～", "たーのしー",
     "{pet}ちょっとは綺麗に踊れていますか～", "体が自然に弾むです～"},
    {"{pet}、お歌がんばるです～", "{owner}ご主人様も聞いていてくださーい", "お歌でみんなを癒すのです～",
     "{pet}は、お歌上手くなりたいです～", "ひゅ～といといた～"},
    {"{pet}、踊りがんばるです～", "{owner}ご主人様も見ていてクダサーい", "踊り、がんばれば上達しますか～",
     "{pet}は、癒しの踊りを踊りたいです～", "ふひふひ～"},
    {"{pet}、只今お休み中～", "{owner}ご主人様も、休む？", "明日にそなえるです～",
     "{pet}の疲れはドンドンとれていくのです～", "むにゃ～ん"},
}};

}  // namespace

ChatterSet chatterSet(const std::array<std::int16_t, 4>& status, std::uint8_t command)
{
    if (status[Fatigue] >= 150)
        return ChatterSet::WornOut;
    if (command == SongCommand && status[Song] >= 100)
        return ChatterSet::LovesSinging;
    if (command == DanceCommand && status[Dance] >= 100)
        return ChatterSet::LovesDancing;
    if (command == SongCommand)
        return ChatterSet::Singing;
    if (command == DanceCommand)
        return ChatterSet::Dancing;
    return ChatterSet::Resting;
}

std::string_view chatterLine(ChatterSet set, int n) { return AllLines[static_cast<int>(set)].at(n); }

void Game::TimSya_Timer()
{
    // The draw comes every second, also while a scene keeps the pet silent.
    const int n = rnd_.R(5);
    if (!s_.Scene.isNone())
        return;
    showSpeech(chatterLine(chatterSet(s_.Status, s_.Command), n));
}

}  // namespace mokopi::game
