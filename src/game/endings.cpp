// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/endings.h"

namespace mokopi::game {

namespace {

// The stories, page by page; "{pet}" and "{owner}" stand for the names.
// Each ending's texts are translated under the context "Ending ", its
// number and its title.

// 王宮の恋人: song, dance and affection all high; the pet marries the crown prince.
constexpr Text RoyalLoverStory[] = {
    MOKOPI_TR("Ending 0: 王宮の恋人", "{pet}は\n歌と踊りをかね揃えたもこぴとして\n世の中に出ていった"),
    MOKOPI_TR("Ending 0: 王宮の恋人", "その愛らしさと見事な芸に\n誰もが圧倒され\nたちまち夢中になっていった"),
    MOKOPI_TR("Ending 0: 王宮の恋人",
              "{pet}の名はあっという間に広まり\n{pet}を一目見ようと\n毎日毎晩、人々が押し寄せた"),
    MOKOPI_TR("Ending 0: 王宮の恋人", "忙しいながらも{owner}と\n幸せに暮らしていたのだが\nある日のこと・・・"),
    MOKOPI_TR("Ending 0: 王宮の恋人", "気品あふれる若い生き物が\n家を訪ねてきた"),
    MOKOPI_TR("Ending 0: 王宮の恋人", "「心を決めたら居ても立ってもいられず\nこうして飛んで参りました」"),
    MOKOPI_TR("Ending 0: 王宮の恋人",
              "「突然の無礼をお許しください、{pet}様。\n一目見たときから\nお慕い申しておりました」"),
    MOKOPI_TR("Ending 0: 王宮の恋人", "「この胸の痛みを癒せるのは\nあなた様しかいないのです」"),
    MOKOPI_TR("Ending 0: 王宮の恋人", "「どうか良いお返事を・・・\n私と結婚していただけませんか」"),
    MOKOPI_TR("Ending 0: 王宮の恋人",
              "{owner}は無礼な奴だと思ったが\n{pet}はその気品が気に入り\nすぐに承諾してしまった"),
    MOKOPI_TR("Ending 0: 王宮の恋人", "なんとその生き物は\n王宮の皇太子だったのである"),
    MOKOPI_TR("Ending 0: 王宮の恋人", "妃となった{pet}は\nいまひとつ納得のいかない{owner}を連れて\n王宮へと移り住んだ"),
    MOKOPI_TR("Ending 0: 王宮の恋人", "忙しいながらも好きなときに歌い踊り\n一生幸せに暮らしたという"),
};

// 恋人: affection highest; owner and pet fall in love.
constexpr Text LoversStory[] = {
    MOKOPI_TR("Ending 1: 恋人", "{pet}と{owner}の間に\nほのかな想いが芽生えたのは\nいつのことだったのだろう"),
    MOKOPI_TR("Ending 1: 恋人", "気がつけば{pet}は\n{owner}にとって一番大切な\n生き物になっていた"),
    MOKOPI_TR("Ending 1: 恋人", "二人はもこぴの道も育成の道も捨てて\n愛に生きることにした"),
    MOKOPI_TR("Ending 1: 恋人", "二人は何よりも大切なものを\n手に入れたのだった"),
};

// さえない人生: nothing high enough; an ordinary life.
constexpr Text OrdinaryLifeStory[] = {
    MOKOPI_TR("Ending 2: さえない人生", "{pet}は\n立派なもこぴにはなれなかった"),
    MOKOPI_TR("Ending 2: さえない人生", "努力はしたものの\nもこぴへの道は\n少しずつ閉ざされていった"),
    MOKOPI_TR("Ending 2: さえない人生", "結局{pet}は\n普通の生き物として\n生きる道を選んだ"),
    MOKOPI_TR("Ending 2: さえない人生", "でも、それはそれで\n幸せなことなのかもしれない"),
    MOKOPI_TR("Ending 2: さえない人生", "{owner}が{pet}の育成に\n失敗したという・・・"),
    MOKOPI_TR("Ending 2: さえない人生", "・・・その事実だけが\n世の中に響き渡ったのだった"),
};

// 詩歌い: song highest, little affection; a court singer.
constexpr Text SingerStory[] = {
    MOKOPI_TR("Ending 3: 詩歌い", "{pet}は\nもこぴ詩人に華麗に成長を遂げた"),
    MOKOPI_TR("Ending 3: 詩歌い", "{pet}が芸を売り始めて数年\nその名はそこそこ\n知られるようになった"),
    MOKOPI_TR("Ending 3: 詩歌い", "やがて世界大臣が{pet}に目を留め\n{pet}は宮廷の歌い手となった"),
    MOKOPI_TR("Ending 3: 詩歌い",
              "忙しい日々の中でも{owner}への恩を忘れず\n時々帰ってきては\n自慢の歌声を聞かせてくれる"),
};

// 踊り子: dance highest, little affection; a court dancer.
constexpr Text DancerStory[] = {
    MOKOPI_TR("Ending 4: 踊り子", "{pet}は、\nもこぴ踊り子へと華麗な成長を遂げた"),
    MOKOPI_TR("Ending 4: 踊り子",
              "大ヒットとはいかないものの\nそこそこ名を知られ\n{owner}と幸せに暮らしていたが、ある日"),
    MOKOPI_TR("Ending 4: 踊り子", "いつものように街角で踊る{pet}が\n世界大臣の目に留まり\n{pet}はスカウトされた"),
    MOKOPI_TR("Ending 4: 踊り子",
              "宮廷の踊り子となった{pet}は\n忙しい日々の合間に{owner}のもとへ帰り\n時々踊りを見せてくれる"),
};

// 愛の詩歌い: song highest with high affection; a noble's spouse who sings.
constexpr Text LovingSingerStory[] = {
    MOKOPI_TR("Ending 5: 愛の詩歌い", "{pet}は、\nもこぴ詩人に華麗に成長を遂げた"),
    MOKOPI_TR("Ending 5: 愛の詩歌い", "世に出た{pet}は\nたちまちその名を知られ\n大変な人気者となった"),
    MOKOPI_TR("Ending 5: 愛の詩歌い", "{pet}の歌を聞こうと\n毎日長い行列ができた"),
    MOKOPI_TR("Ending 5: 愛の詩歌い", "ある日、いつものように皆の前で歌っていると\n一人の美しい生き物が現れた"),
    MOKOPI_TR("Ending 5: 愛の詩歌い", "「もし、{pet}様」"),
    MOKOPI_TR("Ending 5: 愛の詩歌い", "「私は王宮に仕える者です」"),
    MOKOPI_TR("Ending 5: 愛の詩歌い", "「先日あなたの歌を聞いて\nすっかり心を奪われてしまいました」"),
    MOKOPI_TR("Ending 5: 愛の詩歌い", "「恋しさに夜も眠れません。\n私を救えるのは\nあなただけなのです」"),
    MOKOPI_TR("Ending 5: 愛の詩歌い", "「どうか私についてきてください」"),
    MOKOPI_TR("Ending 5: 愛の詩歌い", "{pet}は貴族と結ばれ\n{owner}と共に王宮へ迎えられて\n毎日幸せに歌ったという"),
};

// 愛の踊り子: dance highest with high affection; a noble's spouse who dances.
constexpr Text LovingDancerStory[] = {
    MOKOPI_TR("Ending 6: 愛の踊り子", "{pet}は、\nもこぴ踊り子へと華麗な成長を遂げた"),
    MOKOPI_TR("Ending 6: 愛の踊り子",
              "世に出た{pet}はすぐに名を知られ\nその踊りは美の極みとまで\n言われるようになった"),
    MOKOPI_TR("Ending 6: 愛の踊り子",
              "ある日、熱い視線の観衆の前で\n{pet}が踊り始めると\n誰かがそっと手を取り、踊りを止めた"),
    MOKOPI_TR("Ending 6: 愛の踊り子", "「申し訳ありません。\nあなたの美しさに\n心が休まらないのです」"),
    MOKOPI_TR("Ending 6: 愛の踊り子", "「初めてあなたの踊りを見たときから\n心を奪われ、夜も眠れません」"),
    MOKOPI_TR("Ending 6: 愛の踊り子",
              "「どうか私を救ってください。\n私の伴侶となって\n私のためだけに踊ってほしいのです」"),
    MOKOPI_TR("Ending 6: 愛の踊り子",
              "踊りを止められて怒った{pet}だったが\nその物腰と美しさが気に入り\nすぐに承諾した"),
    MOKOPI_TR("Ending 6: 愛の踊り子", "喜んだその生き物は\n自分が王宮に仕える貴族だと\n明かしたのだった"),
    MOKOPI_TR("Ending 6: 愛の踊り子",
              "貴族の伴侶となった{pet}は\n共に招かれた{owner}と一緒に\n王宮で幸せに踊り暮らしたという"),
};

// やつれた詩歌い: song highest but worn out; the pet wears itself away.
constexpr Text HaggardSingerStory[] = {
    MOKOPI_TR("Ending 7: やつれた詩歌い", "{pet}は\nなんとかもこぴ詩人として成長した。"),
    MOKOPI_TR("Ending 7: やつれた詩歌い", "しかし{owner}の厳しい育成で\n努力することを覚えた{pet}は・・・"),
    MOKOPI_TR("Ending 7: やつれた詩歌い", "・・・自分の芸に満足することができず\n修行の旅に出てしまった"),
    MOKOPI_TR("Ending 7: やつれた詩歌い", "{owner}は一人家に残され\n二度と{pet}に会うことはなかった"),
    MOKOPI_TR("Ending 7: やつれた詩歌い", "遠くから聞こえてくるのは\nひどくやつれたもこぴ詩人の\n噂ばかりだった"),
    MOKOPI_TR("Ending 7: やつれた詩歌い", "いつか{pet}が帰ってくる日を・・・"),
    MOKOPI_TR("Ending 7: やつれた詩歌い",
              "{owner}は夢見て待ち続けたが\nやがて{pet}が過労で倒れ\n亡くなったという知らせが届いた"),
};

// やつれた踊り子: dance highest but worn out; told through village gossip.
constexpr Text HaggardDancerStory[] = {
    MOKOPI_TR("Ending 8: やつれた踊り子",
              "{pet}がもこぴ踊り子となり、\n究極の踊りを求めて\n{owner}の元を去ってから、数年"),
    MOKOPI_TR("Ending 8: やつれた踊り子", "{owner}の耳に\n{pet}の噂が届いた"),
    MOKOPI_TR("Ending 8: やつれた踊り子",
              "「遠い国でなぁ、{pet}っちゅう\nえらいやつれたもこぴ踊り子が\n踊っとったんじゃ」"),
    MOKOPI_TR("Ending 8: やつれた踊り子", "「ありゃ自分に厳しすぎるわい。\n寝る間も惜しんで\n踊っとるに違いねぇ」"),
    MOKOPI_TR("Ending 8: やつれた踊り子", "「立派っちゅうより\n見とって辛うて\nかなわんかったわ」"),
    MOKOPI_TR("Ending 8: やつれた踊り子",
              "「誰も見んけぇ自分を責めて、もっと踊る。\nもっとやつれて、また誰も見ん。\n悪循環じゃのう」"),
    MOKOPI_TR("Ending 8: やつれた踊り子", "「あのもこぴを育てたもんは\nよっぽど厳しかったんじゃろうなぁ」"),
    MOKOPI_TR("Ending 8: やつれた踊り子",
              "噂は{owner}の耳に届き続け\nやがて{pet}が過労で倒れ\n亡くなったという知らせが届いた"),
};

}  // namespace

// In the order of their numbers: the menu's items, the save file's flags and
// the picture store's pairs all count the endings this way.
constexpr std::array<Ending, EndingCount> Endings = {{
    {MOKOPI_TR("Ending 0: 王宮の恋人", "王宮の恋人"),
     MOKOPI_TR("Ending 0: 王宮の恋人", "王宮の恋人になったもこぴ"),
     {Picture::endmix0, Picture::endmix1},
     RoyalLoverStory},
    {MOKOPI_TR("Ending 1: 恋人", "恋人"),
     MOKOPI_TR("Ending 1: 恋人", "恋人になったもこぴ"),
     {Picture::endai0, Picture::endai1},
     LoversStory},
    {MOKOPI_TR("Ending 2: さえない人生", "さえない人生"),
     MOKOPI_TR("Ending 2: さえない人生", "さえない人生を送るもこぴ"),
     {Picture::endhirou0, Picture::endhirou1},
     OrdinaryLifeStory},
    {MOKOPI_TR("Ending 3: 詩歌い", "詩歌い"),
     MOKOPI_TR("Ending 3: 詩歌い", "詩歌いになったもこぴ"),
     {Picture::enduta0, Picture::enduta1},
     SingerStory},
    {MOKOPI_TR("Ending 4: 踊り子", "踊り子"),
     MOKOPI_TR("Ending 4: 踊り子", "踊り子になったもこぴ"),
     {Picture::endodori0, Picture::endodori1},
     DancerStory},
    {MOKOPI_TR("Ending 5: 愛の詩歌い", "愛の詩歌い"),
     MOKOPI_TR("Ending 5: 愛の詩歌い", "愛の詩歌いになったもこぴ"),
     {Picture::endauta0, Picture::endauta1},
     LovingSingerStory},
    {MOKOPI_TR("Ending 6: 愛の踊り子", "愛の踊り子"),
     MOKOPI_TR("Ending 6: 愛の踊り子", "愛の踊り子になったもこぴ"),
     {Picture::endaodori0, Picture::endaodori1},
     LovingDancerStory},
    {MOKOPI_TR("Ending 7: やつれた詩歌い", "やつれた詩歌い"),
     MOKOPI_TR("Ending 7: やつれた詩歌い", "やつれた詩歌いになったもこぴ"),
     {Picture::endhuta0, Picture::endhuta1},
     HaggardSingerStory},
    {MOKOPI_TR("Ending 8: やつれた踊り子", "やつれた踊り子"),
     MOKOPI_TR("Ending 8: やつれた踊り子", "やつれた踊り子になったもこぴ"),
     {Picture::endhodori0, Picture::endhodori1},
     HaggardDancerStory},
}};

const Ending& ending(EndingId id) { return Endings[number(id)]; }

const Ending& ending(int n) { return Endings.at(static_cast<std::size_t>(n)); }

std::optional<EndingId> endingShowing(Picture picture)
{
    for (int n = 0; n < EndingCount; ++n)
        for (Picture p : Endings[n].pictures)
            if (p == picture)
                return static_cast<EndingId>(n);
    return std::nullopt;
}

}  // namespace mokopi::game
