// The tool refuses recipes with mistakes instead of drawing something else.
#include "canvas.h"
#include "recipe.h"
#include "sheet.h"
#include "synth.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>

namespace {

class Recipes : public testing::Test {
protected:
    QString write(const char* name, const char* json)
    {
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(json);
        return path;
    }

    // The message of the error a recipe stops with, or "" when it draws.
    std::string drawError(const char* json, int frames = 1)
    {
        try {
            const art::Recipe r = art::loadRecipe(write("r.json", json));
            for (int f = 0; f < frames; ++f)
                art::renderFrame(r, f, frames, false);
        } catch (const art::RecipeError& e) {
            return e.what();
        }
        return "";
    }

    QTemporaryDir dir;
};

TEST_F(Recipes, MistakesStopTheBuildNamingWhatIsWrong)
{
    EXPECT_EQ(drawError(R"({"size": 64, "layers": [{"draw": "pet", "tilt": 3}]})"), "");
    EXPECT_NE(drawError(R"({"size": 64, "layers": [{"draw": "pet", "tlit": 3}]})").find("tlit"), std::string::npos);
    EXPECT_NE(drawError(R"({"size": 64, "layers": [{"draw": "pett"}]})").find("pett"), std::string::npos);
    EXPECT_NE(drawError(R"({"size": 64, "layers": [{"draw": "pet", "eyes": "winking"}]})").find("winking"),
              std::string::npos);
    EXPECT_NE(drawError(R"({"size": 64, "layers": [{"draw": "heart", "color": "lime"}]})").find("lime"),
              std::string::npos);
    EXPECT_NE(drawError(R"({"size": 64, "layers": [{"draw": "pet", "tilt": "3"}]})").find("number"),
              std::string::npos);
    EXPECT_NE(drawError(R"({"size": 64, "sise": 3, "layers": [{"draw": "pet"}]})").find("sise"), std::string::npos);
    EXPECT_NE(drawError(R"({"size": 64, "layers": [)"), "");
    // One value per frame, or one for all of them.
    EXPECT_NE(drawError(R"({"size": 64, "layers": [{"draw": "pet", "tilt": [1, 2, 3]}]})", 2).find("tilt"),
              std::string::npos);
}

TEST_F(Recipes, ArraysGiveEachFrameItsOwnValue)
{
    const art::Recipe moving =
        art::loadRecipe(write("m.json", R"({"size": 64, "layers": [{"draw": "plain"}, {"draw": "pet", "x": [300, 700]}]})"));
    EXPECT_NE(art::renderFrame(moving, 0, 2, false), art::renderFrame(moving, 1, 2, false));

    const art::Recipe still =
        art::loadRecipe(write("s.json", R"({"size": 64, "layers": [{"draw": "plain"}, {"draw": "pet", "x": 300}]})"));
    EXPECT_EQ(art::renderFrame(still, 0, 2, false), art::renderFrame(still, 1, 2, false));
}

TEST_F(Recipes, TransparentFramesKeepAlphaAndSupersamplingKeepsTheSize)
{
    const art::Recipe icon = art::loadRecipe(
        write("i.json", R"({"size": 32, "supersample": 4, "layers": [{"draw": "pet", "y": 500, "size": 300}]})"));
    const QImage image = art::renderFrame(icon, 0, 1, true);
    EXPECT_EQ(image.size(), QSize(32, 32));
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(image.pixel(16, 14)), 255);
}

TEST_F(Recipes, PicturesAreWrittenAsTheGameAndTheWindowExpect)
{
    QImage image(20, 20, QImage::Format_ARGB32);
    image.fill(QColor(10, 20, 30, 128));
    art::savePicture(image, dir.filePath("a.bmp"));
    art::savePicture(image, dir.filePath("a.png"));
    QFile bmp(dir.filePath("a.bmp"));
    ASSERT_TRUE(bmp.open(QIODevice::ReadOnly));
    EXPECT_EQ(bmp.read(30).at(28), 24) << "bits per pixel";
    EXPECT_TRUE(QImage(dir.filePath("a.png")).hasAlphaChannel());
    EXPECT_THROW(art::savePicture(image, dir.filePath("a.gif")), art::RecipeError);
    EXPECT_THROW(art::savePicture(image, dir.filePath("no/such/folder/a.bmp")), art::RecipeError);
}

TEST_F(Recipes, TheContactSheetRefusesAMissingPicture)
{
    QImage image(40, 40, QImage::Format_RGB32);
    image.fill(Qt::red);
    image.save(dir.filePath("one.bmp"));
    const QImage sheet = art::contactSheet({dir.filePath("one.bmp")}, 6, 100);
    EXPECT_EQ(sheet.pixelColor(sheet.width() / 12, 50), QColor(Qt::red));
    EXPECT_THROW(art::contactSheet({dir.filePath("one.bmp"), dir.filePath("two.bmp")}, 6, 100), art::RecipeError);
}

TEST(Synth, WavSamplesAreClampedNotWrappedAround)
{
    art::Cue cue;
    cue.samples = {0.0, 1.5, -1.5, 0.5};
    const QByteArray bytes = art::wavBytes(cue);
    ASSERT_EQ(bytes.size(), 44 + 8);
    const auto sample = [&](int i) { return qint16(quint8(bytes[44 + 2 * i]) | (quint8(bytes[45 + 2 * i]) << 8)); };
    EXPECT_EQ(sample(1), 32767);
    EXPECT_EQ(sample(2), -32767);
    EXPECT_EQ(sample(3), 16384);
}

TEST(Synth, PitchNamesFollowEqualTemperament)
{
    EXPECT_DOUBLE_EQ(art::pitchHz("A4"), 440.0);
    EXPECT_NEAR(art::pitchHz("C5"), 523.25, 0.01);
    EXPECT_NEAR(art::pitchHz("C#5"), art::pitchHz("Db5"), 1e-9);
    EXPECT_NEAR(art::pitchHz("A3"), 220.0, 1e-9);
    for (const char* bad : {"H4", "A", "a4", "C##4"})
        EXPECT_THROW(art::pitchHz(bad), art::RecipeError) << bad;
}

TEST(Synth, NormaliseReachesTheCommonLevelOrRefusesASpike)
{
    art::Cue even;
    for (int i = 0; i < 2205; ++i)
        even.samples.push_back(0.01 * std::sin(i * 0.3));
    art::normalise(even, "even");
    EXPECT_NEAR(art::rms(even.samples), art::TargetRms, 1e-9);

    art::Cue spike;
    spike.samples.assign(2205, 0.0);
    spike.samples[1000] = 1.0;
    EXPECT_THROW(art::normalise(spike, "spike"), art::RecipeError);
}

}  // namespace
