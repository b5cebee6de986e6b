<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>AboutBox</name>
    <message>
        <source>もこぴ育成について</source>
        <translation>About Mokopi</translation>
    </message>
    <message>
        <source>もこぴ育成 %1</source>
        <translation>Mokopi %1</translation>
    </message>
    <message>
        <source>ふわふわの生き物もこぴを２４日間育てる育成ゲームです。</source>
        <translation>A game in which you raise a fluffy Mokopi for 24 days.</translation>
    </message>
    <message>
        <source>作者：the もこぴ育成 developers</source>
        <translation>By the Mokopi developers</translation>
    </message>
    <message>
        <source>Copyright © 2026 the もこぴ育成 developers</source>
        <translation>Copyright © 2026 the Mokopi developers</translation>
    </message>
    <message>
        <source>ライセンス：GPL-3.0-or-later</source>
        <translation>Licence: GPL-3.0-or-later</translation>
    </message>
    <message>
        <source>このゲームはフリーソフトウェアです。Free Software Foundation が公表した GNU General Public License のバージョン３か、（お好みで）それ以降のバージョンの条件の下で、再頒布や改変ができます。</source>
        <translation>This game is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License as published by the Free Software Foundation, either version 3 of the License, or (at your option) any later version.</translation>
    </message>
    <message>
        <source>このゲームは役に立つことを願って頒布されますが、一切の保証はありません。商品性や特定の目的への適合性の暗黙の保証もありません。詳しくは GNU General Public License をご覧ください。</source>
        <translation>This game is distributed in the hope that it will be useful, but WITHOUT ANY WARRANTY; without even the implied warranty of MERCHANTABILITY or FITNESS FOR A PARTICULAR PURPOSE. See the GNU General Public License for more details.</translation>
    </message>
    <message>
        <source>GNU General Public License の写しはこのゲームと一緒に届いているはずです。届いていなければ &lt;https://www.gnu.org/licenses/&gt; をご覧ください。</source>
        <translation>You should have received a copy of the GNU General Public License along with this game. If not, see &lt;https://www.gnu.org/licenses/&gt;.</translation>
    </message>
    <message>
        <source>Qt %1 で動いています。</source>
        <translation>Runs on Qt %1.</translation>
    </message>
    <message>
        <source>Qt について</source>
        <translation>About Qt</translation>
    </message>
</context>
<context>
    <name>Accessibility</name>
    <message>
        <source>もこぴの言葉</source>
        <translation>What your Mokopi says</translation>
    </message>
    <message>
        <source>会話の合図</source>
        <translation>Click prompt</translation>
    </message>
    <message>
        <source>1キー</source>
        <translation>key 1</translation>
    </message>
    <message>
        <source>2キー</source>
        <translation>key 2</translation>
    </message>
    <message>
        <source>3キー</source>
        <translation>key 3</translation>
    </message>
    <message>
        <source>F1キー</source>
        <translation>key F1</translation>
    </message>
    <message>
        <source>もこぴのスターテス</source>
        <translation>Your Mokopi&apos;s status</translation>
    </message>
    <message>
        <source>歌詩、舞踊、疲労の値です</source>
        <translation>Its song, dance and fatigue</translation>
    </message>
    <message>
        <source>もこぴが喋るところ</source>
        <translation>Where your Mokopi talks</translation>
    </message>
    <message>
        <source>もこぴの言葉と、疲労度の紫のバーです</source>
        <translation>What your Mokopi says, and the purple fatigue bar</translation>
    </message>
    <message>
        <source>スペースかEnterで左クリック、Shift＋スペースかShift＋Enterかメニューキーで右クリック。答えは←で左クリック、→で右クリックのほうを選びます</source>
        <translation>Space or Enter for a left click; Shift+Space, Shift+Enter or the Menu key for a right click. To answer, the Left arrow picks the left-click choice and the Right arrow the right-click one</translation>
    </message>
    <message>
        <source>疲労度</source>
        <translation>Fatigue</translation>
    </message>
    <message>
        <source>紫のバーが疲労度です</source>
        <translation>The purple bar is the fatigue</translation>
    </message>
    <message>
        <source>会話が続くときの合図です</source>
        <translation>Shows when there is more to read</translation>
    </message>
    <message>
        <source>読み込み中</source>
        <translation>Loading</translation>
    </message>
    <message>
        <source>Pキー、または選んでスペースかEnter</source>
        <translation>key P, or select it and press Space or Enter</translation>
    </message>
    <message>
        <source>セーブ、ロード、終了</source>
        <translation>Save, Load, Quit</translation>
    </message>
    <message>
        <source>効果音、超早モード、イベント、言語の切り替え</source>
        <translation>Switches for sound, super fast mode, events and the language</translation>
    </message>
    <message>
        <source>クリアしたエンディングの回想</source>
        <translation>Replays of the endings you have reached</translation>
    </message>
    <message>
        <source>もこぴを２４日間育てます</source>
        <translation>Raise a Mokopi for 24 days</translation>
    </message>
    <message>
        <source>%1（%2）</source>
        <extracomment>A control&apos;s description, then the keys that work it.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>メニューバー</source>
        <translation>Menu bar</translation>
    </message>
    <message>
        <source>メニュウ、オプション、エンディング</source>
        <translation>Menu, Options, Endings</translation>
    </message>
    <message>
        <source>ふつうのもこぴ</source>
        <translation>Your Mokopi, as ever</translation>
    </message>
    <message>
        <source>歌っているもこぴ</source>
        <translation>Your Mokopi, singing</translation>
    </message>
    <message>
        <source>踊っているもこぴ</source>
        <translation>Your Mokopi, dancing</translation>
    </message>
    <message>
        <source>疲れたもこぴ</source>
        <translation>Your Mokopi, tired out</translation>
    </message>
    <message>
        <source>甘えているもこぴ</source>
        <translation>Your Mokopi, snuggling up</translation>
    </message>
    <message>
        <source>なでられて喜ぶもこぴ</source>
        <translation>Your Mokopi, happy to be petted</translation>
    </message>
    <message>
        <source>喜んでいるもこぴ</source>
        <translation>Your Mokopi, overjoyed</translation>
    </message>
    <message>
        <source>怒っているもこぴ</source>
        <translation>Your Mokopi, cross</translation>
    </message>
    <message>
        <source>悲しんでいるもこぴ</source>
        <translation>Your Mokopi, sad</translation>
    </message>
    <message>
        <source>楽しそうなもこぴ</source>
        <translation>Your Mokopi, having fun</translation>
    </message>
    <message>
        <source>お別れのもこぴ</source>
        <translation>Your Mokopi, saying goodbye</translation>
    </message>
    <message>
        <source>タイトル「もこぴ育成」</source>
        <translation>The title, “Mokopi”</translation>
    </message>
    <message>
        <source>%1時</source>
        <translation>hour %1</translation>
    </message>
    <message>
        <source>%1日</source>
        <translation>day %1</translation>
    </message>
</context>
<context>
    <name>Chatter: dancing</name>
    <message>
        <source>{pet}、踊りがんばるです～</source>
        <translation>{pet} is working hard at dancing~</translation>
    </message>
    <message>
        <source>{owner}ご主人様も見ていてクダサーい</source>
        <translation>Master {owner}, please watch toooo~</translation>
    </message>
    <message>
        <source>踊り、がんばれば上達しますか～</source>
        <translation>If I work hard, will my dancing get better~?</translation>
    </message>
    <message>
        <source>{pet}は、癒しの踊りを踊りたいです～</source>
        <translation>{pet} wants to dance a soothing dance~</translation>
    </message>
    <message>
        <source>ふひふひ～</source>
        <translation>Fuhi fuhi~</translation>
    </message>
</context>
<context>
    <name>Chatter: loves dancing</name>
    <message>
        <source>{pet}は踊るとうきうきしちゃうんです～</source>
        <translation>Dancing makes {pet} all bouncy~</translation>
    </message>
    <message>
        <source>{owner}ご主人様～一緒に踊ろうです～</source>
        <translation>Master {owner}~ let&apos;s dance together~</translation>
    </message>
    <message>
        <source>たーのしー</source>
        <translation>Such fuuun!</translation>
    </message>
    <message>
        <source>{pet}ちょっとは綺麗に踊れていますか～</source>
        <translation>Is {pet} dancing a little prettier now~?</translation>
    </message>
    <message>
        <source>体が自然に弾むです～</source>
        <translation>My body bounces all by itself~</translation>
    </message>
</context>
<context>
    <name>Chatter: loves singing</name>
    <message>
        <source>{pet}はお歌大好きです～</source>
        <translation>{pet} loves singing~</translation>
    </message>
    <message>
        <source>{owner}ご主人様～一緒に歌おうです～</source>
        <translation>Master {owner}~ let&apos;s sing together~</translation>
    </message>
    <message>
        <source>ルーラララらー</source>
        <translation>Loo-la-la-la-laa</translation>
    </message>
    <message>
        <source>{pet}のお歌はどうですか～</source>
        <translation>How is {pet}&apos;s singing~?</translation>
    </message>
    <message>
        <source>お歌は心が癒されるです～</source>
        <translation>Singing soothes the heart~</translation>
    </message>
</context>
<context>
    <name>Chatter: resting</name>
    <message>
        <source>{pet}、只今お休み中～</source>
        <translation>{pet} is resting right now~</translation>
    </message>
    <message>
        <source>{owner}ご主人様も、休む？</source>
        <translation>Master {owner}, want to rest too?</translation>
    </message>
    <message>
        <source>明日にそなえるです～</source>
        <translation>Getting ready for tomorrow~</translation>
    </message>
    <message>
        <source>{pet}の疲れはドンドンとれていくのです～</source>
        <translation>{pet}&apos;s tiredness is melting away~</translation>
    </message>
    <message>
        <source>むにゃ～ん</source>
        <translation>Munyaan~</translation>
    </message>
</context>
<context>
    <name>Chatter: singing</name>
    <message>
        <source>{pet}、お歌がんばるです～</source>
        <translation>{pet} is working hard at singing~</translation>
    </message>
    <message>
        <source>{owner}ご主人様も聞いていてくださーい</source>
        <translation>Master {owner}, please listen toooo~</translation>
    </message>
    <message>
        <source>お歌でみんなを癒すのです～</source>
        <translation>I&apos;ll soothe everyone with my songs~</translation>
    </message>
    <message>
        <source>{pet}は、お歌上手くなりたいです～</source>
        <translation>{pet} wants to get good at singing~</translation>
    </message>
    <message>
        <source>ひゅ～といといた～</source>
        <translation>Hyuu~ toi toi taa~</translation>
    </message>
</context>
<context>
    <name>Chatter: worn out</name>
    <message>
        <source>{pet}はもうダメです～</source>
        <translation>{pet} can&apos;t go on~</translation>
    </message>
    <message>
        <source>{owner}ご主人様は厳しすぎます～</source>
        <translation>Master {owner}, you&apos;re too strict~</translation>
    </message>
    <message>
        <source>休ませて下さい～</source>
        <translation>Please let me rest~</translation>
    </message>
    <message>
        <source>ヘロヘロ～</source>
        <translation>So wobbly~</translation>
    </message>
    <message>
        <source>うにゃー</source>
        <translation>Unyaa...</translation>
    </message>
</context>
<context>
    <name>Command line</name>
    <message>
        <source>もこぴ育成：ふわふわの生き物もこぴを２４日間育てるゲームです。
セーブは ~/.local/share/mokopi/mokopi.dat に書きます。画像がプログラムと
同じ場所にあるとき（インストールしていないコピー）は、その横に書きます。</source>
        <translation>Mokopi: raise a fluffy pet for 24 game days.
Saves go to ~/.local/share/mokopi/mokopi.dat, or beside the program
when its pictures are there (a copy that is not installed).</translation>
    </message>
    <message>
        <source>画面の言語：ja（日本語）か en（英語）</source>
        <translation>The language of the window: ja (Japanese) or en (English)</translation>
    </message>
</context>
<context>
    <name>Ending 0: 王宮の恋人</name>
    <message>
        <source>{pet}は
歌と踊りをかね揃えたもこぴとして
世の中に出ていった</source>
        <translation>{pet} went out into the world
as a Mokopi gifted
in both song and dance.</translation>
    </message>
    <message>
        <source>その愛らしさと見事な芸に
誰もが圧倒され
たちまち夢中になっていった</source>
        <translation>Everyone was swept away
by its charm and its splendid art,
and soon they could not get enough.</translation>
    </message>
    <message>
        <source>{pet}の名はあっという間に広まり
{pet}を一目見ようと
毎日毎晩、人々が押し寄せた</source>
        <translation>{pet}&apos;s name spread in no time,
and crowds came day and night
just to catch a glimpse of {pet}.</translation>
    </message>
    <message>
        <source>忙しいながらも{owner}と
幸せに暮らしていたのだが
ある日のこと・・・</source>
        <translation>Busy as it was, it lived happily
with {owner}, until one day...</translation>
    </message>
    <message>
        <source>気品あふれる若い生き物が
家を訪ねてきた</source>
        <translation>a young creature of noble bearing
came calling at the house.</translation>
    </message>
    <message>
        <source>「心を決めたら居ても立ってもいられず
こうして飛んで参りました」</source>
        <translation>&quot;Once my heart was set, I could not sit still,
and so I have flown straight to you.&quot;</translation>
    </message>
    <message>
        <source>「突然の無礼をお許しください、{pet}様。
一目見たときから
お慕い申しておりました」</source>
        <translation>&quot;Forgive me for calling so suddenly, dear {pet}.
I have adored you
from the moment I first saw you.&quot;</translation>
    </message>
    <message>
        <source>「この胸の痛みを癒せるのは
あなた様しかいないのです」</source>
        <translation>&quot;No one but you
can ease the ache in my heart.&quot;</translation>
    </message>
    <message>
        <source>「どうか良いお返事を・・・
私と結婚していただけませんか」</source>
        <translation>&quot;I pray for a kind answer...
Will you marry me?&quot;</translation>
    </message>
    <message>
        <source>{owner}は無礼な奴だと思ったが
{pet}はその気品が気に入り
すぐに承諾してしまった</source>
        <translation>{owner} thought the visitor rather rude,
but {pet} liked its noble air
and said yes on the spot.</translation>
    </message>
    <message>
        <source>なんとその生き物は
王宮の皇太子だったのである</source>
        <translation>And the visitor turned out to be
none other than the crown prince!</translation>
    </message>
    <message>
        <source>妃となった{pet}は
いまひとつ納得のいかない{owner}を連れて
王宮へと移り住んだ</source>
        <translation>{pet} became his consort and moved to the palace,
taking along {owner},
who was still not quite convinced.</translation>
    </message>
    <message>
        <source>忙しいながらも好きなときに歌い踊り
一生幸せに暮らしたという</source>
        <translation>Busy as it was, it sang and danced whenever it liked,
and they say it lived happily ever after.</translation>
    </message>
    <message>
        <source>王宮の恋人</source>
        <translation>Royal Sweetheart</translation>
    </message>
    <message>
        <source>王宮の恋人になったもこぴ</source>
        <translation>Your Mokopi, now the crown prince&apos;s sweetheart</translation>
    </message>
</context>
<context>
    <name>Ending 1: 恋人</name>
    <message>
        <source>{pet}と{owner}の間に
ほのかな想いが芽生えたのは
いつのことだったのだろう</source>
        <translation>When was it, I wonder,
that a faint tenderness first bloomed
between {pet} and {owner}?</translation>
    </message>
    <message>
        <source>気がつけば{pet}は
{owner}にとって一番大切な
生き物になっていた</source>
        <translation>Before they knew it,
{pet} had become the dearest creature
in all the world to {owner}.</translation>
    </message>
    <message>
        <source>二人はもこぴの道も育成の道も捨てて
愛に生きることにした</source>
        <translation>The two gave up the Mokopi&apos;s road and the raising alike,
and chose to live for love.</translation>
    </message>
    <message>
        <source>二人は何よりも大切なものを
手に入れたのだった</source>
        <translation>The two of them had found
what matters more than anything.</translation>
    </message>
    <message>
        <source>恋人</source>
        <translation>Sweethearts</translation>
    </message>
    <message>
        <source>恋人になったもこぴ</source>
        <translation>Your Mokopi, now your sweetheart</translation>
    </message>
</context>
<context>
    <name>Ending 2: さえない人生</name>
    <message>
        <source>{pet}は
立派なもこぴにはなれなかった</source>
        <translation>{pet} never became
a fine Mokopi.</translation>
    </message>
    <message>
        <source>努力はしたものの
もこぴへの道は
少しずつ閉ざされていった</source>
        <translation>It tried its best,
but little by little
the road to becoming a Mokopi closed.</translation>
    </message>
    <message>
        <source>結局{pet}は
普通の生き物として
生きる道を選んだ</source>
        <translation>In the end, {pet} chose
to live its life
as an ordinary creature.</translation>
    </message>
    <message>
        <source>でも、それはそれで
幸せなことなのかもしれない</source>
        <translation>But perhaps that is
a happiness all its own.</translation>
    </message>
    <message>
        <source>{owner}が{pet}の育成に
失敗したという・・・</source>
        <translation>That {owner} had failed
at raising {pet}...</translation>
    </message>
    <message>
        <source>・・・その事実だけが
世の中に響き渡ったのだった</source>
        <translation>...was the only thing
the whole world came to hear of.</translation>
    </message>
    <message>
        <source>さえない人生</source>
        <translation>A Humdrum Life</translation>
    </message>
    <message>
        <source>さえない人生を送るもこぴ</source>
        <translation>Your Mokopi, living a humdrum life</translation>
    </message>
</context>
<context>
    <name>Ending 3: 詩歌い</name>
    <message>
        <source>{pet}は
もこぴ詩人に華麗に成長を遂げた</source>
        <translation>{pet} blossomed beautifully
into a Mokopi singer and poet.</translation>
    </message>
    <message>
        <source>{pet}が芸を売り始めて数年
その名はそこそこ
知られるようになった</source>
        <translation>A few years after {pet} began to perform,
its name had become
fairly well known.</translation>
    </message>
    <message>
        <source>やがて世界大臣が{pet}に目を留め
{pet}は宮廷の歌い手となった</source>
        <translation>In time the World Minister noticed {pet},
and {pet} became a singer at court.</translation>
    </message>
    <message>
        <source>忙しい日々の中でも{owner}への恩を忘れず
時々帰ってきては
自慢の歌声を聞かせてくれる</source>
        <translation>Busy as its days are, it never forgets all it owes {owner},
and now and then it comes home
to sing in the voice it is so proud of.</translation>
    </message>
    <message>
        <source>詩歌い</source>
        <translation>Singer</translation>
    </message>
    <message>
        <source>詩歌いになったもこぴ</source>
        <translation>Your Mokopi, now a singer</translation>
    </message>
</context>
<context>
    <name>Ending 4: 踊り子</name>
    <message>
        <source>{pet}は、
もこぴ踊り子へと華麗な成長を遂げた</source>
        <translation>{pet} blossomed beautifully
into a Mokopi dancer.</translation>
    </message>
    <message>
        <source>大ヒットとはいかないものの
そこそこ名を知られ
{owner}と幸せに暮らしていたが、ある日</source>
        <translation>It was no great star,
but it made a fair name for itself
and lived happily with {owner}, until one day</translation>
    </message>
    <message>
        <source>いつものように街角で踊る{pet}が
世界大臣の目に留まり
{pet}はスカウトされた</source>
        <translation>as {pet} danced on its street corner as ever,
the World Minister caught sight of it,
and {pet} was asked to dance at court.</translation>
    </message>
    <message>
        <source>宮廷の踊り子となった{pet}は
忙しい日々の合間に{owner}のもとへ帰り
時々踊りを見せてくれる</source>
        <translation>Now a court dancer, {pet} comes home to {owner}
between its busy days,
and dances for {owner} now and then.</translation>
    </message>
    <message>
        <source>踊り子</source>
        <translation>Dancer</translation>
    </message>
    <message>
        <source>踊り子になったもこぴ</source>
        <translation>Your Mokopi, now a dancer</translation>
    </message>
</context>
<context>
    <name>Ending 5: 愛の詩歌い</name>
    <message>
        <source>{pet}は、
もこぴ詩人に華麗に成長を遂げた</source>
        <translation>{pet} blossomed beautifully
into a Mokopi singer and poet.</translation>
    </message>
    <message>
        <source>世に出た{pet}は
たちまちその名を知られ
大変な人気者となった</source>
        <translation>Once out in the world,
{pet} quickly made a name for itself
and became the darling of everyone.</translation>
    </message>
    <message>
        <source>{pet}の歌を聞こうと
毎日長い行列ができた</source>
        <translation>Every day, long lines formed
to hear {pet} sing.</translation>
    </message>
    <message>
        <source>ある日、いつものように皆の前で歌っていると
一人の美しい生き物が現れた</source>
        <translation>One day, as it sang for everyone as usual,
a beautiful creature appeared.</translation>
    </message>
    <message>
        <source>「もし、{pet}様」</source>
        <translation>&quot;Pardon me, dear {pet}.&quot;</translation>
    </message>
    <message>
        <source>「私は王宮に仕える者です」</source>
        <translation>&quot;I serve at the royal palace.&quot;</translation>
    </message>
    <message>
        <source>「先日あなたの歌を聞いて
すっかり心を奪われてしまいました」</source>
        <translation>&quot;When I heard you sing the other day,
you stole my heart away.&quot;</translation>
    </message>
    <message>
        <source>「恋しさに夜も眠れません。
私を救えるのは
あなただけなのです」</source>
        <translation>&quot;I long for you so that I cannot sleep.
You alone
can save me.&quot;</translation>
    </message>
    <message>
        <source>「どうか私についてきてください」</source>
        <translation>&quot;Please, come away with me.&quot;</translation>
    </message>
    <message>
        <source>{pet}は貴族と結ばれ
{owner}と共に王宮へ迎えられて
毎日幸せに歌ったという</source>
        <translation>{pet} was wed to the noble,
welcomed into the palace together with {owner},
and they say it sang happily every day.</translation>
    </message>
    <message>
        <source>愛の詩歌い</source>
        <translation>Singer of Love</translation>
    </message>
    <message>
        <source>愛の詩歌いになったもこぴ</source>
        <translation>Your Mokopi, now a singer of love</translation>
    </message>
</context>
<context>
    <name>Ending 6: 愛の踊り子</name>
    <message>
        <source>{pet}は、
もこぴ踊り子へと華麗な成長を遂げた</source>
        <translation>{pet} blossomed beautifully
into a Mokopi dancer.</translation>
    </message>
    <message>
        <source>世に出た{pet}はすぐに名を知られ
その踊りは美の極みとまで
言われるようになった</source>
        <translation>Once out in the world, {pet} was soon known,
and its dancing came to be called
beauty itself.</translation>
    </message>
    <message>
        <source>ある日、熱い視線の観衆の前で
{pet}が踊り始めると
誰かがそっと手を取り、踊りを止めた</source>
        <translation>One day, as {pet} began to dance
before a spellbound crowd,
someone gently took its hand and stopped the dance.</translation>
    </message>
    <message>
        <source>「申し訳ありません。
あなたの美しさに
心が休まらないのです」</source>
        <translation>&quot;Forgive me.
Your beauty
gives my heart no rest.&quot;</translation>
    </message>
    <message>
        <source>「初めてあなたの踊りを見たときから
心を奪われ、夜も眠れません」</source>
        <translation>&quot;Since I first saw you dance,
you have held my heart, and I cannot sleep.&quot;</translation>
    </message>
    <message>
        <source>「どうか私を救ってください。
私の伴侶となって
私のためだけに踊ってほしいのです」</source>
        <translation>&quot;Please, save me.
Be my partner for life,
and dance for me alone.&quot;</translation>
    </message>
    <message>
        <source>踊りを止められて怒った{pet}だったが
その物腰と美しさが気に入り
すぐに承諾した</source>
        <translation>{pet} was cross to have its dance stopped,
but it liked the stranger&apos;s grace and beauty
and said yes at once.</translation>
    </message>
    <message>
        <source>喜んだその生き物は
自分が王宮に仕える貴族だと
明かしたのだった</source>
        <translation>Overjoyed, the stranger then revealed
that it was a noble
in the service of the royal palace.</translation>
    </message>
    <message>
        <source>貴族の伴侶となった{pet}は
共に招かれた{owner}と一緒に
王宮で幸せに踊り暮らしたという</source>
        <translation>{pet} became the noble&apos;s partner
and, with {owner}, who was invited too,
they say it danced happily ever after at the palace.</translation>
    </message>
    <message>
        <source>愛の踊り子</source>
        <translation>Dancer of Love</translation>
    </message>
    <message>
        <source>愛の踊り子になったもこぴ</source>
        <translation>Your Mokopi, now a dancer of love</translation>
    </message>
</context>
<context>
    <name>Ending 7: やつれた詩歌い</name>
    <message>
        <source>{pet}は
なんとかもこぴ詩人として成長した。</source>
        <translation>{pet} somehow grew up
to be a Mokopi singer and poet.</translation>
    </message>
    <message>
        <source>しかし{owner}の厳しい育成で
努力することを覚えた{pet}は・・・</source>
        <translation>But {pet}, who had learned to strive
under {owner}&apos;s strict raising...</translation>
    </message>
    <message>
        <source>・・・自分の芸に満足することができず
修行の旅に出てしまった</source>
        <translation>...could never be content with its art,
and set off on a long journey to train.</translation>
    </message>
    <message>
        <source>{owner}は一人家に残され
二度と{pet}に会うことはなかった</source>
        <translation>{owner} was left at home alone
and never saw {pet} again.</translation>
    </message>
    <message>
        <source>遠くから聞こえてくるのは
ひどくやつれたもこぴ詩人の
噂ばかりだった</source>
        <translation>All that came from far away
were rumors of a Mokopi singer
worn terribly thin.</translation>
    </message>
    <message>
        <source>いつか{pet}が帰ってくる日を・・・</source>
        <translation>Of the day {pet} would come home...</translation>
    </message>
    <message>
        <source>{owner}は夢見て待ち続けたが
やがて{pet}が過労で倒れ
亡くなったという知らせが届いた</source>
        <translation>{owner} dreamed, and waited on and on,
until at last the news came that {pet}
had collapsed from overwork and passed away.</translation>
    </message>
    <message>
        <source>やつれた詩歌い</source>
        <translation>Worn-Out Singer</translation>
    </message>
    <message>
        <source>やつれた詩歌いになったもこぴ</source>
        <translation>Your Mokopi, now a worn-out singer</translation>
    </message>
</context>
<context>
    <name>Ending 8: やつれた踊り子</name>
    <message>
        <source>{pet}がもこぴ踊り子となり、
究極の踊りを求めて
{owner}の元を去ってから、数年</source>
        <translation>Some years had passed since {pet}, now a Mokopi dancer,
left {owner} in search
of the ultimate dance.</translation>
    </message>
    <message>
        <source>{owner}の耳に
{pet}の噂が届いた</source>
        <translation>Word of {pet}
reached {owner}&apos;s ears.</translation>
    </message>
    <message>
        <source>「遠い国でなぁ、{pet}っちゅう
えらいやつれたもこぴ踊り子が
踊っとったんじゃ」</source>
        <translation>&quot;Off in a far country, see, there was
this awful worn-out Mokopi dancer
name o&apos; {pet}, a-dancin&apos; away.&quot;</translation>
    </message>
    <message>
        <source>「ありゃ自分に厳しすぎるわい。
寝る間も惜しんで
踊っとるに違いねぇ」</source>
        <translation>&quot;That &apos;un&apos;s too hard on itself, I reckon.
Dancin&apos; the whole night through,
nary a wink o&apos; sleep, I&apos;ll be bound.&quot;</translation>
    </message>
    <message>
        <source>「立派っちゅうより
見とって辛うて
かなわんかったわ」</source>
        <translation>&quot;Fine dancin&apos;? Nay,
it fair pained me
just to watch.&quot;</translation>
    </message>
    <message>
        <source>「誰も見んけぇ自分を責めて、もっと踊る。
もっとやつれて、また誰も見ん。
悪循環じゃのう」</source>
        <translation>&quot;Nobody watches, so it blames itself an&apos; dances more.
Gets thinner yet, an&apos; still nobody watches.
Goes round an&apos; round, it does.&quot;</translation>
    </message>
    <message>
        <source>「あのもこぴを育てたもんは
よっぽど厳しかったんじゃろうなぁ」</source>
        <translation>&quot;Whoever raised that Mokopi
must&apos;ve been mighty hard on it, I&apos;d wager.&quot;</translation>
    </message>
    <message>
        <source>噂は{owner}の耳に届き続け
やがて{pet}が過労で倒れ
亡くなったという知らせが届いた</source>
        <translation>The rumors kept reaching {owner},
until at last the news came that {pet}
had collapsed from overwork and passed away.</translation>
    </message>
    <message>
        <source>やつれた踊り子</source>
        <translation>Worn-Out Dancer</translation>
    </message>
    <message>
        <source>やつれた踊り子になったもこぴ</source>
        <translation>Your Mokopi, now a worn-out dancer</translation>
    </message>
</context>
<context>
    <name>Event: いもむし</name>
    <message>
        <source>いもむしさん、
いもいもですぅ</source>
        <translation>Mister Caterpillar,
squirm squirm~</translation>
    </message>
    <message>
        <source>左クリック＞{pet}に似ているね
右クリック＞あんまり弄ると死んじゃうぞ</source>
        <translation>Left click &gt; It looks just like you, {pet}!
Right click &gt; Poke it too much and it&apos;ll die!</translation>
    </message>
</context>
<context>
    <name>Event: うたをうたう</name>
    <message>
        <source>{pet}が、
小鳥たちと歌っている・・・</source>
        <translation>{pet} is singing
with the little birds...</translation>
    </message>
    <message>
        <source>左クリック＞声をかける
右クリック＞そっとしておく</source>
        <translation>Left click &gt; Call out to it
Right click &gt; Leave it be</translation>
    </message>
    <message>
        <source>きゃ～
{owner}ご主人様～！見て下さい、
小鳥さんたちが{pet}とお歌を歌ってくれているんですよ～！</source>
        <translation>Kyaa~
Master {owner}~! Look, look!
The birdies are singing with {pet}~!</translation>
    </message>
    <message>
        <source>ふ～ふ～
うううう～
るる～（ちゅんちゅん）</source>
        <translation>Hmm~ hmm~
Oooooh~
La la~ (tweet tweet)</translation>
    </message>
</context>
<context>
    <name>Event: うたをおくる</name>
    <message>
        <source>{owner}ご主人様のために
{pet}、お歌を作りました。
聞いてくれますか？</source>
        <translation>Master {owner},
{pet} made up a song just for you.
Will you listen?</translation>
    </message>
    <message>
        <source>左クリック＞いいよ
右クリック＞今忙しいから・・・</source>
        <translation>Left click &gt; Sure!
Right click &gt; I&apos;m busy right now...</translation>
    </message>
    <message>
        <source>ありがとうです～
{pet}、はりきって歌いますね～！</source>
        <translation>Thank you~
{pet} will sing with all its heart~!</translation>
    </message>
    <message>
        <source>うにゃ～
それなら仕方ないですぅ～
また聞いて下さいね</source>
        <translation>Unyaa~
Then it can&apos;t be helped~
Please listen another time, okay?</translation>
    </message>
</context>
<context>
    <name>Event: おどりをおくる</name>
    <message>
        <source>{owner}ご主人様のために
{pet}、踊りたいです～。
見てくださーい</source>
        <translation>{pet} wants to dance
just for you, Master {owner}~.
Please watch~!</translation>
    </message>
    <message>
        <source>左クリック＞いいよ
右クリック＞今忙しいから・・・</source>
        <translation>Left click &gt; Sure!
Right click &gt; I&apos;m busy right now...</translation>
    </message>
    <message>
        <source>きゃ～
{pet}、がんばりますぅ～！</source>
        <translation>Kyaa~
{pet} will do its very best~!</translation>
    </message>
    <message>
        <source>うにゃ～
それなら仕方ないですぅ～
また今度ですね～</source>
        <translation>Unyaa~
Then it can&apos;t be helped~
Next time, then~</translation>
    </message>
</context>
<context>
    <name>Event: おどりをおどる</name>
    <message>
        <source>{pet}が、蛇たちと踊っている・・・</source>
        <translation>{pet} is dancing with the snakes...</translation>
    </message>
    <message>
        <source>左クリック＞声をかける
右クリック＞そっとしておく</source>
        <translation>Left click &gt; Call out to it
Right click &gt; Leave it be</translation>
    </message>
    <message>
        <source>きゃ～
{owner}ご主人様～！見て下さい、
蛇さんたちが{pet}と踊りを踊ってくれているんですよ～！</source>
        <translation>Kyaa~
Master {owner}~! Look, look!
The snakies are dancing with {pet}~!</translation>
    </message>
    <message>
        <source>ふ～ふ～
うううう～
るる～（にょろにょろ）</source>
        <translation>Hmm~ hmm~
Oooooh~
La la~ (wiggle wiggle)</translation>
    </message>
</context>
<context>
    <name>Event: おはな</name>
    <message>
        <source>{owner}ご主人様、見て下さい、
お花が咲いてますぅ</source>
        <translation>Master {owner}, look, look!
The flowers are blooming~</translation>
    </message>
    <message>
        <source>左クリック＞可愛いね
右クリック＞綺麗だね</source>
        <translation>Left click &gt; How cute!
Right click &gt; How pretty!</translation>
    </message>
</context>
<context>
    <name>Event: かなしむ</name>
    <message>
        <source>{owner}ご主人様は{pet}が嫌いなのですか？</source>
        <translation>Master {owner}, don&apos;t you like {pet}?</translation>
    </message>
    <message>
        <source>左クリック＞そんなことないよ
右クリック＞厳しくするのは愛しているからだよ</source>
        <translation>Left click &gt; Of course I do!
Right click &gt; I&apos;m strict because I love you</translation>
    </message>
    <message>
        <source>だったらもっと優しくして下さい～
{pet}、くじけそうです～
（ひっくひっく）</source>
        <translation>Then please be kinder~
{pet} is about to give up~
(sniff, sniff)</translation>
    </message>
    <message>
        <source>そうだったのですか！
{pet}、がんばるです～！！</source>
        <translation>Oh, so that&apos;s why!
{pet} will try really hard~!!</translation>
    </message>
</context>
<context>
    <name>Event: じしんそうしつ</name>
    <message>
        <source>{pet}、このごろ自信ないです</source>
        <translation>{pet} doesn&apos;t feel very sure lately...</translation>
    </message>
    <message>
        <source>{owner}ご主人様、
{pet}はちゃんとしたもこぴになれるかなぁ</source>
        <translation>Master {owner},
can {pet} really become a proper Mokopi?</translation>
    </message>
    <message>
        <source>左クリック＞抱きしめる
右クリック＞励ます</source>
        <translation>Left click &gt; Hug it
Right click &gt; Cheer it on</translation>
    </message>
    <message>
        <source>きゃ！
もこ、もこ</source>
        <translation>Kyaa!
Moko, moko</translation>
    </message>
    <message>
        <source>うにゅーーー！
そうね、くよくよしていても始まらないね</source>
        <translation>Unyuuu!
You&apos;re right, moping won&apos;t get me anywhere!</translation>
    </message>
    <message>
        <source>ありがとう{owner}ご主人様、
{pet}、がんばる</source>
        <translation>Thank you, Master {owner}.
{pet} will try hard!</translation>
    </message>
</context>
<context>
    <name>Event: ぜいたく</name>
    <message>
        <source>もこぴになったら&#x3000;{pet}、
{owner}ご主人様にうーんと贅沢させてあげます～</source>
        <translation>When {pet} is a Mokopi,
{pet} will spoil you sooo much, Master {owner}~</translation>
    </message>
    <message>
        <source>左クリック＞ありがとうね
右クリック＞そんなことは心配しなくて良いよ</source>
        <translation>Left click &gt; Thank you!
Right click &gt; You don&apos;t need to worry about that</translation>
    </message>
    <message>
        <source>えへてへ</source>
        <translation>Ehehe~</translation>
    </message>
    <message>
        <source>むにゅ～
ダメです～
もう、{pet}は、キメッチャッタんです～</source>
        <translation>Munyuu~
No, no~
{pet} has already decided, so there~</translation>
    </message>
</context>
<context>
    <name>Event: ちょうちょ</name>
    <message>
        <source>ちょうちょさん、まってぇですう！</source>
        <translation>Mister Butterfly, wait for meee!</translation>
    </message>
    <message>
        <source>左クリック＞あんまり走ると転ぶぞぉ！
右クリック＞無邪気な奴めぇ！</source>
        <translation>Left click &gt; Don&apos;t run so fast, you&apos;ll trip!
Right click &gt; Oh, you little innocent!</translation>
    </message>
</context>
<context>
    <name>Event: イコール</name>
    <message>
        <source>{owner}ご主人様～＊</source>
        <translation>Master {owner}~*</translation>
    </message>
    <message>
        <source>{owner}ご主人様は、
活発な生き物とおとなしい生き物、
どちらが好きですか～？</source>
        <translation>Master {owner},
which do you like better,
lively creatures or quiet ones~?</translation>
    </message>
    <message>
        <source>左クリック＞おとなしい生き物
右クリック＞活発な生き物</source>
        <translation>Left click &gt; Quiet ones
Right click &gt; Lively ones</translation>
    </message>
    <message>
        <source>うにゅー
{pet}も、そうなりたい～</source>
        <translation>Unyuu~
{pet} wants to be like that too~</translation>
    </message>
</context>
<context>
    <name>Game boxes</name>
    <message>
        <source>エンディングを回想して終了します</source>
        <translation>Replay this ending? The game you are playing now will end.</translation>
    </message>
    <message>
        <source>ロードしました</source>
        <translation>Game loaded.</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>もこぴ育成</source>
        <translation>Mokopi</translation>
    </message>
    <message>
        <source>もこぴ育成
VER１．０３</source>
        <translation>Mokopi
Version 1.03</translation>
    </message>
    <message>
        <source>生き物をもこぴにと育成していきます。
期間は２４日間。
その前に各能力のどれか一つでも一杯になったら
エンディングへと移行します｡

育成は簡単です｡
コマンドを押しておけば自然に生き物は成長していきます｡
その際に､疲労度がたまるので
（もこぴが喋るところの紫のバーが疲労度です）
適当に休んで疲れを癒してあげましょう｡

「イベントアリ」をＯＮにすると
時折生き物が声をかけてくることがあります｡
そのときは画面の指示に従って
マウスをクリックして答えてあげましょう｡

オプションの「超早モード」で、時を早くすることが出来ます。
一度クリアしたエンディングは、「エンディング」の項目で
回想することが出来ます｡
その際に､現在育成している生き物はクリアされてしまうので
気をつけましょう｡

各アイテムの上でマウスをしばらくおくと､各説明が出ます｡
絵の画面をクリックすると生き物を撫でることが出来ます｡ 
撫でると、日数が少し経過してしまいますが。</source>
        <translation>You raise a little creature to be a Mokopi.
The raising lasts 24 days.
If any one of its skills fills up before then,
the story moves on to its ending.

Raising it is easy.
Press a command, and the creature grows all by itself.
It gets tired along the way, though
(the purple bar where the Mokopi talks is its fatigue),
so let it rest now and then to ease its weariness.

With &quot;Events&quot; turned on,
the creature will sometimes talk to you.
When it does, follow what the screen says
and answer with a click of the mouse.

&quot;Super Fast&quot; under Options makes time go faster.
An ending you have reached can be seen again
from the &quot;Endings&quot; menu.
Doing so ends the game you are playing now,
so take care.

Rest the mouse on anything for a moment to learn what it does.
Click the picture to pet the creature.
Petting it lets a little time go by, though.</translation>
    </message>
</context>
<context>
    <name>Name box</name>
    <message>
        <source>改行</source>
        <translation>line break</translation>
    </message>
    <message>
        <source>タブ</source>
        <translation>tab</translation>
    </message>
    <message>
        <source>制御文字</source>
        <translation>control character</translation>
    </message>
    <message>
        <source>「</source>
        <extracomment>The quotation marks around a character a name cannot hold.</extracomment>
        <translation>“</translation>
    </message>
    <message>
        <source>」</source>
        <translation>”</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>名前に使えない文字があります：</source>
        <extracomment>Followed by the characters a name cannot hold, a line break and the request for another name.</extracomment>
        <translation>A name cannot hold: </translation>
    </message>
    <message>
        <source>ほかの名前を入れてください。</source>
        <translation>Please enter another name.</translation>
    </message>
</context>
<context>
    <name>Naming scene</name>
    <message>
        <source>呼び名を決めてね</source>
        <translation>Choose a name</translation>
    </message>
    <message>
        <source>貴方の呼び名：５文字
ななしは「ゆひこ」になります</source>
        <translation>Your name (up to 5 letters):
Leave it blank to be &quot;Robin&quot;</translation>
    </message>
    <message>
        <source>ゆひこ</source>
        <extracomment>The owner&apos;s name when the box is left empty: at most five characters.</extracomment>
        <translation>Robin</translation>
    </message>
    <message>
        <source>もこぴの呼び名：５文字
ななしは「やちうみ」になります</source>
        <translation>Your Mokopi&apos;s name (up to 5 letters):
Leave it blank for &quot;Fluff&quot;</translation>
    </message>
    <message>
        <source>やちうみ</source>
        <extracomment>The pet&apos;s name when the box is left empty: at most five characters.</extracomment>
        <translation>Fluff</translation>
    </message>
    <message>
        <source>もこ、もこ、</source>
        <translation>Moko, moko...</translation>
    </message>
    <message>
        <source>今日からよろしくね・・・えっと、
なんて呼べばいいの？</source>
        <translation>Let&apos;s be friends from today on... Um,
what should I call you?</translation>
    </message>
    <message>
        <source>うんと、
{owner}ご主人様、よろしくね
えと、ぼくは・・・・なんだっけ？？</source>
        <translation>Okay!
Master {owner}, it&apos;s so nice to meet you!
Um, and me... what&apos;s my name again??</translation>
    </message>
    <message>
        <source>もこもこ</source>
        <translation>Moko moko</translation>
    </message>
    <message>
        <source>素敵な名前をありがとう
{owner}ご主人様・・・
{pet}嬉しい</source>
        <translation>Thank you for such a lovely name,
Master {owner}...
{pet} is so happy!</translation>
    </message>
    <message>
        <source>今日から{pet}を
育てるのですね。</source>
        <translation>So from today on,
you will be raising {pet}.</translation>
    </message>
    <message>
        <source>{pet}はがんばるのです。</source>
        <translation>{pet} will try really hard!</translation>
    </message>
</context>
<context>
    <name>Picture files</name>
    <message>
        <source>画像ファイルが見つかりません。</source>
        <translation>A picture file is missing.</translation>
    </message>
    <message>
        <source>画像ファイルを読み込めません。</source>
        <translation>A picture file cannot be read.</translation>
    </message>
    <message>
        <source>%1

%2

もこぴ育成を終了します。</source>
        <extracomment>What went wrong, then the picture file&apos;s path.</extracomment>
        <translation>%1

%2

Mokopi will close now.</translation>
    </message>
</context>
<context>
    <name>Save and load</name>
    <message>
        <source>%1
（%2）</source>
        <extracomment>What failed, then why.</extracomment>
        <translation>%1
(%2)</translation>
    </message>
    <message>
        <source>セーブできませんでした。</source>
        <translation>The game could not be saved.</translation>
    </message>
    <message>
        <source>セーブしました</source>
        <translation>Game saved.</translation>
    </message>
    <message>
        <source>セーブファイルを読み込めませんでした。</source>
        <translation>The saved game could not be loaded.</translation>
    </message>
    <message>
        <source>もこぴ育成はすでに起動しています。
先に起動したほうで遊んでください。</source>
        <translation>Mokopi is already running.
Please play in the one you started first.</translation>
    </message>
    <message>
        <source>ホームフォルダーがないため、保存先がありません</source>
        <translation>There is no home folder, so there is nowhere to save</translation>
    </message>
</context>
<context>
    <name>Save file</name>
    <message>
        <source>セーブファイルがありません</source>
        <translation>There is no save file</translation>
    </message>
    <message>
        <source>保存先のフォルダーがありません</source>
        <translation>The folder to save into is missing</translation>
    </message>
    <message>
        <source>読む権限がありません</source>
        <translation>No permission to read it</translation>
    </message>
    <message>
        <source>書き込む権限がありません</source>
        <translation>No permission to write it</translation>
    </message>
    <message>
        <source>読み取り専用の場所には書き込めません</source>
        <translation>A read-only place cannot be written to</translation>
    </message>
    <message>
        <source>ディスクがいっぱいです</source>
        <translation>The disk is full</translation>
    </message>
    <message>
        <source>ディスクの使用量が上限に達しています</source>
        <translation>The disk quota is used up</translation>
    </message>
    <message>
        <source>ファイルの大きさの上限を超えます</source>
        <translation>The file would be larger than allowed</translation>
    </message>
    <message>
        <source>リンクが循環しています</source>
        <translation>The links go round in a circle</translation>
    </message>
    <message>
        <source>場所の名前が長すぎます</source>
        <translation>The path is too long</translation>
    </message>
    <message>
        <source>ディスクの読み書きに失敗しました</source>
        <translation>The disk could not be read or written</translation>
    </message>
    <message>
        <source>開いているファイルが多すぎます</source>
        <translation>Too many files are open</translation>
    </message>
    <message>
        <source>メモリが足りません</source>
        <translation>Not enough memory</translation>
    </message>
    <message>
        <source>ほかのプログラムが使用中です</source>
        <translation>Another program is using it</translation>
    </message>
    <message>
        <source>セーブファイルを読めません</source>
        <translation>The save file cannot be read</translation>
    </message>
    <message>
        <source>セーブファイルを書き込めません</source>
        <translation>The save file cannot be written</translation>
    </message>
    <message>
        <source>セーブファイルの場所にフォルダーがあります</source>
        <translation>A folder stands where the save file belongs</translation>
    </message>
    <message>
        <source>セーブファイルの場所にパイプがあります</source>
        <translation>A pipe stands where the save file belongs</translation>
    </message>
    <message>
        <source>セーブファイルの場所にデバイスがあります</source>
        <translation>A device stands where the save file belongs</translation>
    </message>
    <message>
        <source>セーブファイルの場所にソケットがあります</source>
        <translation>A socket stands where the save file belongs</translation>
    </message>
    <message>
        <source>セーブファイルではありません</source>
        <translation>It is not a save file</translation>
    </message>
    <message>
        <source>セーブファイルが大きすぎます</source>
        <translation>The save file is too large</translation>
    </message>
    <message>
        <source>：エラー番号 </source>
        <translation>: error number </translation>
    </message>
    <message>
        <source>文字コードが正しくありません</source>
        <translation>The text encoding is wrong</translation>
    </message>
    <message>
        <source>項目の数が合いません</source>
        <translation>The number of fields is wrong</translation>
    </message>
    <message>
        <source>引用符が閉じていません</source>
        <translation>A quotation mark is never closed</translation>
    </message>
    <message>
        <source>名前が引用符で囲まれていません</source>
        <translation>A name is not in quotation marks</translation>
    </message>
    <message>
        <source>名前に使えない文字があります</source>
        <translation>A name holds a character names cannot hold</translation>
    </message>
    <message>
        <source>数値が正しくありません</source>
        <translation>A number is not valid</translation>
    </message>
    <message>
        <source>数値が範囲を超えています</source>
        <translation>A number is out of range</translation>
    </message>
    <message>
        <source>真偽値が正しくありません</source>
        <translation>A true-or-false value is not valid</translation>
    </message>
    <message>
        <source>記録のあとに余分な内容があります</source>
        <translation>Something more follows the record</translation>
    </message>
    <message>
        <source>セーブファイルが空です</source>
        <translation>The save file is empty</translation>
    </message>
    <message>
        <source>記録の前に空の行があります</source>
        <translation>A blank line comes before the record</translation>
    </message>
</context>
<context>
    <name>Speech line</name>
    <message>
        <source>きゃきゃ！</source>
        <translation>Hee hee!</translation>
    </message>
    <message>
        <source>くりっく！！&#x3000;</source>
        <translation>click!!  </translation>
    </message>
</context>
<context>
    <name>Status panel</name>
    <message>
        <source>歌詩&#x3000;&#x3000;</source>
        <extracomment>A label of the status panel, with the spacing that parts it from its number.</extracomment>
        <translation>Song  </translation>
    </message>
    <message>
        <source>舞踊&#x3000;&#x3000;</source>
        <translation>Dance  </translation>
    </message>
    <message>
        <source>疲労&#x3000;&#x3000;</source>
        <translation>Fatigue  </translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>うた</source>
        <translation>Sing</translation>
    </message>
    <message>
        <source>お歌を歌います</source>
        <translation>Sing a song</translation>
    </message>
    <message>
        <source>おどり</source>
        <translation>Dance</translation>
    </message>
    <message>
        <source>踊りを踊ります</source>
        <translation>Dance a dance</translation>
    </message>
    <message>
        <source>やすむ</source>
        <translation>Rest</translation>
    </message>
    <message>
        <source>おやすみします</source>
        <translation>Take a rest</translation>
    </message>
    <message>
        <source>バージョン＆遊び方</source>
        <extracomment>The help button; a caption too wide for the button breaks after &quot;＆&quot;.</extracomment>
        <translation>About and Help</translation>
    </message>
    <message>
        <source>もこぴとの遊び方を教えてあげます</source>
        <translation>I&apos;ll show you how to play with your Mokopi</translation>
    </message>
    <message>
        <source>今の時間です</source>
        <translation>The hour now</translation>
    </message>
    <message>
        <source>今の日にちです</source>
        <translation>The day now</translation>
    </message>
    <message>
        <source>もこぴのスターテス</source>
        <translation>Your Mokopi&apos;s status</translation>
    </message>
    <message>
        <source>スターテスです</source>
        <translation>Its status</translation>
    </message>
    <message>
        <source>疲労度です（イベント時は此処をクリックして会話を進めます）</source>
        <translation>Fatigue (when your Mokopi talks to you, click here to go on)</translation>
    </message>
    <message>
        <source>なでなでします</source>
        <translation>Give it a pat</translation>
    </message>
    <message>
        <source>メニュウ</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>セーブ</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>ロード</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>終了</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>オプション</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>ＳＥ</source>
        <translation>Sound</translation>
    </message>
    <message>
        <source>超早モード</source>
        <translation>Super Fast</translation>
    </message>
    <message>
        <source>イベントアリ</source>
        <translation>Events</translation>
    </message>
    <message>
        <source>言語 / Language</source>
        <extracomment>Found by players of either language, so best in both.</extracomment>
        <translation>Language</translation>
    </message>
    <message>
        <source>エンディング</source>
        <translation>Endings</translation>
    </message>
    <message>
        <source>このゲームについて</source>
        <translation>About this game</translation>
    </message>
</context>
</TS>
