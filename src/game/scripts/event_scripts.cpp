// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/scripts/event_scripts.h"

#include <map>

#include "game/scene_names.h"
#include "game/scripts/script_builders.h"

namespace mokopi::game::scripts {

namespace {

const Finish End = Finish::IventEnd;

// Each event's texts are translated under the context "Event: " and its
// name; "{owner}" and "{pet}" stand for the two names.
const std::map<std::string_view, Script>& events()
{
    static const std::map<std::string_view, Script> all = {
        {scene::Equal,
         {
             page(MOKOPI_TR("Event: イコール", "{owner}ご主人様～＊"), Picture::raku),
             page(MOKOPI_TR("Event: イコール",
                            "{owner}ご主人様は、\n活発な生き物とおとなしい生き物、\nどちらが好きですか～？")),
             page(MOKOPI_TR("Event: イコール", "左クリック＞おとなしい生き物\n右クリック＞活発な生き物")),
             // The answer raises the value it names and lowers the other; any
             // button but the left one counts as the right answer.
             answer(say(MOKOPI_TR("Event: イコール", "うにゅー\n{pet}も、そうなりたい～"), std::nullopt,
                        {up(Song, 20), down(Dance, 20)}),
                    say(MOKOPI_TR("Event: イコール", "うにゅー\n{pet}も、そうなりたい～"), std::nullopt,
                        {up(Dance, 20), down(Song, 20)})),
             close(End),
         }},
        {scene::Luxury,
         {
             page(MOKOPI_TR("Event: ぜいたく",
                            "もこぴになったら　{pet}、\n{owner}ご主人様にうーんと贅沢させてあげます～"),
                  Picture::ki),
             page(MOKOPI_TR("Event: ぜいたく", "左クリック＞ありがとうね\n右クリック＞そんなことは心配しなくて良いよ")),
             answer(say(MOKOPI_TR("Event: ぜいたく", "えへてへ"), std::nullopt, {up(Affection, 5), up(Fatigue, 5)}),
                    say(MOKOPI_TR("Event: ぜいたく", "むにゅ～\nダメです～\nもう、{pet}は、キメッチャッタんです～"),
                        Picture::ikari, {down(Affection, 5), down(Fatigue, 5)})),
             close(End),
         }},
        {scene::LostConfidence,
         {
             page(MOKOPI_TR("Event: じしんそうしつ", "{pet}、このごろ自信ないです"), Picture::kanasimi),
             page(MOKOPI_TR("Event: じしんそうしつ", "{owner}ご主人様、\n{pet}はちゃんとしたもこぴになれるかなぁ")),
             page(MOKOPI_TR("Event: じしんそうしつ", "左クリック＞抱きしめる\n右クリック＞励ます")),
             answer(say(MOKOPI_TR("Event: じしんそうしつ", "きゃ！\nもこ、もこ"), Picture::ki, {up(Affection, 5)}),
                    say(MOKOPI_TR("Event: じしんそうしつ", "うにゅーーー！\nそうね、くよくよしていても始まらないね"),
                        Picture::ki, {up(Song, 5), up(Dance, 5)})),
             page(MOKOPI_TR("Event: じしんそうしつ", "ありがとう{owner}ご主人様、\n{pet}、がんばる"), Picture::raku),
             close(End),
         }},
        {scene::SongGift,
         {
             page(MOKOPI_TR("Event: うたをおくる",
                            "{owner}ご主人様のために\n{pet}、お歌を作りました。\n聞いてくれますか？"),
                  Picture::raku),
             page(MOKOPI_TR("Event: うたをおくる", "左クリック＞いいよ\n右クリック＞今忙しいから・・・")),
             answer(say(MOKOPI_TR("Event: うたをおくる", "ありがとうです～\n{pet}、はりきって歌いますね～！"),
                        Picture::ki, {up(Affection, 10), up(Fatigue, 10)}),
                    say(MOKOPI_TR("Event: うたをおくる", "うにゃ～\nそれなら仕方ないですぅ～\nまた聞いて下さいね"),
                        Picture::kanasimi, {down(Affection, 10), down(Fatigue, 10)})),
             close(End),
         }},
        {scene::Singing,
         {
             page(MOKOPI_TR("Event: うたをうたう", "{pet}が、\n小鳥たちと歌っている・・・"), Picture::raku),
             page(MOKOPI_TR("Event: うたをうたう", "左クリック＞声をかける\n右クリック＞そっとしておく")),
             answer(say(MOKOPI_TR("Event: うたをうたう",
                                  "きゃ～\n{owner}ご主人様～！見て下さい、\n小鳥さんたちが{pet}"
                                  "とお歌を歌ってくれているんですよ～！"),
                        Picture::ki, {up(Affection, 10), up(Fatigue, 10)}),
                    say(MOKOPI_TR("Event: うたをうたう", "ふ～ふ～\nうううう～\nるる～（ちゅんちゅん）"), std::nullopt,
                        {down(Affection, 10), down(Fatigue, 10), up(Song, 10)})),
             close(End),
         }},
        {scene::DanceGift,
         {
             page(
                 MOKOPI_TR("Event: おどりをおくる", "{owner}ご主人様のために\n{pet}、踊りたいです～。\n見てくださーい"),
                 Picture::raku),
             page(MOKOPI_TR("Event: おどりをおくる", "左クリック＞いいよ\n右クリック＞今忙しいから・・・")),
             answer(say(MOKOPI_TR("Event: おどりをおくる", "きゃ～\n{pet}、がんばりますぅ～！"), Picture::ki,
                        {up(Affection, 10), up(Fatigue, 10)}),
                    say(MOKOPI_TR("Event: おどりをおくる", "うにゃ～\nそれなら仕方ないですぅ～\nまた今度ですね～"),
                        Picture::kanasimi, {down(Affection, 10), down(Fatigue, 10)})),
             close(End),
         }},
        {scene::Dancing,
         {
             page(MOKOPI_TR("Event: おどりをおどる", "{pet}が、蛇たちと踊っている・・・"), Picture::raku),
             page(MOKOPI_TR("Event: おどりをおどる", "左クリック＞声をかける\n右クリック＞そっとしておく")),
             answer(say(MOKOPI_TR("Event: おどりをおどる",
                                  "きゃ～\n{owner}ご主人様～！見て下さい、\n蛇さんたちが{pet}"
                                  "と踊りを踊ってくれているんですよ～！"),
                        Picture::ki, {up(Affection, 10), up(Fatigue, 10)}),
                    say(MOKOPI_TR("Event: おどりをおどる", "ふ～ふ～\nうううう～\nるる～（にょろにょろ）"),
                        std::nullopt, {down(Affection, 10), down(Fatigue, 10), up(Dance, 10)})),
             close(End),
         }},
        // The three nature events end on the answer click, leaving the choice on screen.
        {scene::Butterfly,
         {
             page(MOKOPI_TR("Event: ちょうちょ", "ちょうちょさん、まってぇですう！"), Picture::ki),
             page(MOKOPI_TR("Event: ちょうちょ", "左クリック＞あんまり走ると転ぶぞぉ！\n右クリック＞無邪気な奴めぇ！")),
             answer(silently({down(Fatigue, 5)}), silently({up(Affection, 10)}), End),
         }},
        {scene::Flower,
         {
             page(MOKOPI_TR("Event: おはな", "{owner}ご主人様、見て下さい、\nお花が咲いてますぅ"), Picture::raku),
             page(MOKOPI_TR("Event: おはな", "左クリック＞可愛いね\n右クリック＞綺麗だね")),
             answer(silently({up(Dance, 5)}), silently({up(Song, 5)}), End),
         }},
        {scene::Caterpillar,
         {
             page(MOKOPI_TR("Event: いもむし", "いもむしさん、\nいもいもですぅ"), Picture::raku),
             page(
                 MOKOPI_TR("Event: いもむし", "左クリック＞{pet}に似ているね\n右クリック＞あんまり弄ると死んじゃうぞ")),
             answer(silently({up(Affection, 5), up(Fatigue, 5)}), silently({down(Affection, 5), down(Fatigue, 5)}),
                    End),
         }},
        {scene::Sad,
         {
             page(MOKOPI_TR("Event: かなしむ", "{owner}ご主人様は{pet}が嫌いなのですか？"), Picture::kanasimi),
             page(MOKOPI_TR("Event: かなしむ",
                            "左クリック＞そんなことないよ\n右クリック＞厳しくするのは愛しているからだよ")),
             answer(say(MOKOPI_TR("Event: かなしむ",
                                  "だったらもっと優しくして下さい～\n{pet}、くじけそうです～\n（ひっくひっく）"),
                        std::nullopt, {up(Dance, 5), up(Song, 5)}),
                    say(MOKOPI_TR("Event: かなしむ", "そうだったのですか！\n{pet}、がんばるです～！！"), Picture::ki,
                        {up(Affection, 5)}),
                    End),
         }},
    };
    return all;
}

}  // namespace

const Script* eventScript(std::string_view name)
{
    const auto& all = events();
    const auto found = all.find(name);
    return found == all.end() ? nullptr : &found->second;
}

}  // namespace mokopi::game::scripts
