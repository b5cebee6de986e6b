// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/scripts/title_scripts.h"

#include "game/scene_names.h"
#include "game/scripts/script_builders.h"

namespace mokopi::game::scripts {

namespace {

const NameQuestion OwnerQuestion{true, "呼び名を決めてね", "貴方の呼び名：５文字\nななしは「ゆひこ」になります",
                                 "ゆひこ"};
const NameQuestion PetQuestion{false, "呼び名を決めてね", "もこぴの呼び名：５文字\nななしは「やちうみ」になります",
                               "やちうみ"};

Step greeting()
{
    Step s = page("もこ、もこ、", Picture::t0);
    s.startsGame = true;
    return s;
}

}  // namespace

const Script& titleScript()
{
    static const Script script = {
        Step{},  // nothing shows: the title waits for its click
        handOver(scene::Naming),
    };
    return script;
}

const Script& namingScript()
{
    static const Script script = {
        greeting(),
        page("今日からよろしくね・・・えっと、\nなんて呼べばいいの？"),
        ask(OwnerQuestion),
        page("うんと、\n{owner}ご主人様、よろしくね\nえと、ぼくは・・・・なんだっけ？？"),
        ask(PetQuestion),
        page("もこもこ"),
        page("素敵な名前をありがとう\n{owner}ご主人様・・・\n{pet}嬉しい"),
        page("今日から{pet}を\n育てるのですね。"),
        page("{pet}はがんばるのです。"),
        close(Finish::IventEnd),
    };
    return script;
}

}  // namespace mokopi::game::scripts
