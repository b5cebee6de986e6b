// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/chatter.h"

#include "game/game.h"

namespace mokopi::game {

namespace {

// Five lines a set, in the order of ChatterSet. Each set's lines are
// translated under the context "Chatter: " and the set's state; "{pet}" and
// "{owner}" stand for the two names.
using Lines = std::array<Text, 5>;

constexpr std::array<Lines, 6> AllLines = {{
    {
        MOKOPI_TR("Chatter: worn out", "{pet}はもうダメです～"),
        MOKOPI_TR("Chatter: worn out", "{owner}ご主人様は厳しすぎます～"),
        MOKOPI_TR("Chatter: worn out", "休ませて下さい～"),
        MOKOPI_TR("Chatter: worn out", "ヘロヘロ～"),
        MOKOPI_TR("Chatter: worn out", "うにゃー"),
    },
    {
        MOKOPI_TR("Chatter: loves singing", "{pet}はお歌大好きです～"),
        MOKOPI_TR("Chatter: loves singing", "{owner}ご主人様～一緒に歌おうです～"),
        MOKOPI_TR("Chatter: loves singing", "ルーラララらー"),
        MOKOPI_TR("Chatter: loves singing", "{pet}のお歌はどうですか～"),
        MOKOPI_TR("Chatter: loves singing", "お歌は心が癒されるです～"),
    },
    {
        MOKOPI_TR("Chatter: loves dancing", "{pet}は踊るとうきうきしちゃうんです～"),
        MOKOPI_TR("Chatter: loves dancing", "{owner}ご主人様～一緒に踊ろうです～"),
        MOKOPI_TR("Chatter: loves dancing", "たーのしー"),
        MOKOPI_TR("Chatter: loves dancing", "{pet}ちょっとは綺麗に踊れていますか～"),
        MOKOPI_TR("Chatter: loves dancing", "体が自然に弾むです～"),
    },
    {
        MOKOPI_TR("Chatter: singing", "{pet}、お歌がんばるです～"),
        MOKOPI_TR("Chatter: singing", "{owner}ご主人様も聞いていてくださーい"),
        MOKOPI_TR("Chatter: singing", "お歌でみんなを癒すのです～"),
        MOKOPI_TR("Chatter: singing", "{pet}は、お歌上手くなりたいです～"),
        MOKOPI_TR("Chatter: singing", "ひゅ～といといた～"),
    },
    {
        MOKOPI_TR("Chatter: dancing", "{pet}、踊りがんばるです～"),
        MOKOPI_TR("Chatter: dancing", "{owner}ご主人様も見ていてクダサーい"),
        MOKOPI_TR("Chatter: dancing", "踊り、がんばれば上達しますか～"),
        MOKOPI_TR("Chatter: dancing", "{pet}は、癒しの踊りを踊りたいです～"),
        MOKOPI_TR("Chatter: dancing", "ふひふひ～"),
    },
    {
        MOKOPI_TR("Chatter: resting", "{pet}、只今お休み中～"),
        MOKOPI_TR("Chatter: resting", "{owner}ご主人様も、休む？"),
        MOKOPI_TR("Chatter: resting", "明日にそなえるです～"),
        MOKOPI_TR("Chatter: resting", "{pet}の疲れはドンドンとれていくのです～"),
        MOKOPI_TR("Chatter: resting", "むにゃ～ん"),
    },
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

Text chatterLine(ChatterSet set, int n) { return AllLines[static_cast<int>(set)].at(n); }

void Game::TimSya_Timer()
{
    // The draw comes every second, also while a scene keeps the pet silent.
    const int n = rnd_.R(5);
    if (!s_.Scene.isNone())
        return;
    showSpeech(chatterLine(chatterSet(s_.Status, s_.Command), n));
}

}  // namespace mokopi::game
