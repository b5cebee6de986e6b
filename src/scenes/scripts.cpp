#include "scenes/script.h"

#include "scenes/ending_scripts.h"
#include "scenes/event_scripts.h"
#include "scenes/scene_names.h"
#include "scenes/title_scripts.h"

namespace mokopi {

const Script* findScript(const SceneValue& scene)
{
    if (const auto ending = scene.endingNumber())
        return *ending >= 0 && *ending < EndingCount ? &endingScript(*ending) : nullptr;
    const std::string* name = scene.name();
    if (name == nullptr || name->empty())
        return nullptr;
    if (*name == scene::Title)
        return &titleScript();
    if (*name == scene::Naming)
        return &namingScript();
    return eventScript(*name);
}

}  // namespace mokopi
