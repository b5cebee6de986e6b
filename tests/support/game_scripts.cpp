#include "support/game_scripts.h"

#include "game/scripts/ending_scripts.h"
#include "game/scripts/event_scripts.h"
#include "game/scripts/scene_names.h"
#include "game/scripts/title_scripts.h"

namespace mokopi::testing {

const std::vector<const char*>& eventNames()
{
    static const std::vector<const char*> names = {
        scene::Equal,    scene::Sad,       scene::Luxury,  scene::LostConfidence, scene::SongGift,    scene::Singing,
        scene::DanceGift, scene::Dancing, scene::Flower, scene::Butterfly,      scene::Caterpillar,
    };
    return names;
}

std::vector<const Script*> allScripts()
{
    std::vector<const Script*> scripts = {&titleScript(), &namingScript()};
    for (const char* name : eventNames())
        scripts.push_back(eventScript(name));
    for (int n = 0; n < EndingCount; ++n)
        scripts.push_back(&endingScript(n));
    return scripts;
}

}  // namespace mokopi::testing
