// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "canvas.h"
#include "synth.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(Recipes, MistakesStopTheBuildNamingWhatIsWrong)
{
    // Each recipe with the word its error must name, or "" for one that works; pictures draw two frames.
    const std::pair<const char*, const char*> cases[] = {
        {R"({"size": 64, "layers": [{"draw": "pet", "tilt": [1, 2]}]})", ""},
        {R"({"size": 64, "layers": [{"draw": "pet", "tlit": 3}]})", "tlit"},
        {R"({"size": 64, "layers": [{"draw": "pett"}]})", "pett"},
        {R"({"size": 64, "layers": [{"draw": "heart", "color": "lime"}]})", "lime"},
        {R"({"size": 64, "layers": [{"draw": "pet", "tilt": "3"}]})", "number"},
        {R"({"size": 64, "layers": [{"draw": "pet", "tilt": [1, 2, 3]}]})", "tilt"},
        {R"({"size": 64, "layers": [)", "r.json"},
        {R"({"length": 0.5, "notes": [{"wave": "sine", "pitch": "A4"}]})", ""},
        {R"({"length": 0.5, "notes": [{"wave": "sine", "pitch": "H4"}]})", "H4"},
        {R"({"length": 0.5, "notes": [{"wave": "sine", "at": 0.4}]})", "ends"},
    };
    QTemporaryDir dir;
    for (const auto& [json, named] : cases) {
        QFile file(dir.filePath("r.json"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(json) > 0 && file.flush());
        std::string error;
        try {
            if (std::string(json).find("notes") != std::string::npos)
                art::synthesize(file.fileName());
            else
                for (int frame : {0, 1})
                    art::renderFrame(art::loadRecipe(file.fileName()), frame, 2, false);
        } catch (const art::RecipeError& e) {
            error = e.what();
        }
        EXPECT_TRUE(*named ? error.find(named) != std::string::npos : error.empty()) << json << " -> " << error;
    }
}
