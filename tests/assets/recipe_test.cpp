// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "canvas.h"
#include "synth.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <stdexcept>

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

// A recipe from its text, read from a file as the build reads it.
static art::Recipe recipeOf(const QString& json)
{
    QTemporaryDir dir;
    QFile file(dir.filePath("r.json"));
    if (!file.open(QIODevice::WriteOnly) || file.write(json.toUtf8()) <= 0 || !file.flush())
        throw std::runtime_error("cannot write a recipe");
    return art::loadRecipe(file.fileName());
}

// Pictures are wider than high, icons square: either way one recipe unit is
// as many pixels across as down, the middle 1000 x 1000 that recipes place
// things in is seen whole, and backgrounds run on to every edge.
TEST(Canvas, KeepsCirclesRoundAndTheMiddleWholeAndBackgroundsReachEveryEdge)
{
    for (const char* size : {"", R"("size": 64,)"}) {
        SCOPED_TRACE(size);
        const QImage disc = art::renderFrame(
            recipeOf(
                QString(R"({%1 "layers": [{"draw": "ellipse", "x": 500, "y": 500, "w": 1000, "h": 1000}]})").arg(size)),
            0, 1, true);
        ASSERT_TRUE(*size ? disc.size() == QSize(64, 64) : disc.width() > disc.height()) << disc.width();
        QRect inked;
        for (int y = 0; y < disc.height(); ++y)
            for (int x = 0; x < disc.width(); ++x)
                if (qAlpha(disc.pixel(x, y)) >= 128)
                    inked |= QRect(x, y, 1, 1);
        EXPECT_NEAR(inked.height(), disc.height(), 1);
        EXPECT_NEAR(inked.width(), inked.height(), 1);
        EXPECT_NEAR(inked.left(), disc.width() - 1 - inked.right(), 1) << "not in the middle";
    }
    for (const char* scenery :
         {"plain", "room", "sky", "palace", "court", "stage", "street", "road", "night", "heaven", "title"}) {
        const QImage scene =
            art::renderFrame(recipeOf(QString(R"({"layers": [{"draw": "%1"}]})").arg(scenery)), 0, 1, true);
        int bare = 0;  // edge pixels the background leaves (mostly) see-through
        for (int x = 0; x < scene.width(); ++x)
            bare += (qAlpha(scene.pixel(x, 0)) < 128) + (qAlpha(scene.pixel(x, scene.height() - 1)) < 128);
        for (int y = 0; y < scene.height(); ++y)
            bare += (qAlpha(scene.pixel(0, y)) < 128) + (qAlpha(scene.pixel(scene.width() - 1, y)) < 128);
        EXPECT_EQ(bare, 0) << scenery;
    }
}
