// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/scripts/title_scripts.h"

#include "game/scene_names.h"
#include "game/scripts/script_builders.h"

namespace mokopi::game::scripts {

namespace {

// The naming scene's pages are translated under this context; in a page,
// "{owner}" and "{pet}" stand for the two names.
const NameQuestion OwnerQuestion{
    true,
    MOKOPI_TR("Naming scene", "呼び名を決めてね"),
    MOKOPI_TR("Naming scene", "貴方の呼び名：５文字\nななしは「ゆひこ」になります"),
    //: The owner's name when the box is left empty: at most five characters.
    MOKOPI_TR("Naming scene", "ゆひこ"),
};
const NameQuestion PetQuestion{
    false,
    MOKOPI_TR("Naming scene", "呼び名を決めてね"),
    MOKOPI_TR("Naming scene", "もこぴの呼び名：５文字\nななしは「やちうみ」になります"),
    //: The pet's name when the box is left empty: at most five characters.
    MOKOPI_TR("Naming scene", "やちうみ"),
};

Step greeting()
{
    Step s = page(MOKOPI_TR("Naming scene", "もこ、もこ、"), Picture::t0);
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
        page(MOKOPI_TR("Naming scene", "今日からよろしくね・・・えっと、\nなんて呼べばいいの？")),
        ask(OwnerQuestion),
        page(MOKOPI_TR("Naming scene", "うんと、\n{owner}ご主人様、よろしくね\nえと、ぼくは・・・・なんだっけ？？")),
        ask(PetQuestion),
        page(MOKOPI_TR("Naming scene", "もこもこ")),
        page(MOKOPI_TR("Naming scene", "素敵な名前をありがとう\n{owner}ご主人様・・・\n{pet}嬉しい")),
        page(MOKOPI_TR("Naming scene", "今日から{pet}を\n育てるのですね。")),
        page(MOKOPI_TR("Naming scene", "{pet}はがんばるのです。")),
        close(Finish::IventEnd),
    };
    return script;
}

}  // namespace mokopi::game::scripts
