#include <string>
#include <vector>

#include "media/animation.h"
#include "support/game_fixture.h"

namespace mokopi::testing {
namespace {

// Song, dance, fatigue, affection and the pair that shows while no scene runs.
TEST(AnimationRuleTest, TheFirstRuleThatHoldsPicksTheEverydayPair)
{
    struct Case {
        const char* why;
        std::array<std::int16_t, 4> status;
        Picture first, second;
    };
    const Case cases[] = {
        {"fresh game", {0, 0, 0, 0}, Picture::t0, Picture::t1},
        {"song, dance and affection tie at 150", {150, 150, 0, 150}, Picture::u0, Picture::u1},
        {"dance ties affection above song", {50, 120, 0, 120}, Picture::o0, Picture::o1},
        {"affection leads", {99, 100, 0, 101}, Picture::l0, Picture::l1},
        {"fatigue 200 beats song 250", {250, 0, 200, 0}, Picture::h0, Picture::h1},
        {"fatigue 199", {250, 0, 199, 0}, Picture::u0, Picture::u1},
        {"everything at 99", {99, 99, 99, 99}, Picture::t0, Picture::t1},
        {"song 100 ties dance", {100, 100, 0, 0}, Picture::u0, Picture::u1},
        {"dance 100 alone", {0, 100, 0, 0}, Picture::o0, Picture::o1},
        {"song above the scale", {300, 299, 0, 0}, Picture::u0, Picture::u1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(animationPicture(SceneValue(""), c.status, 0), c.first);
        EXPECT_EQ(animationPicture(SceneValue(""), c.status, 1), c.second);
        // The naming scene animates like the running game, unset like no scene.
        EXPECT_EQ(animationPicture(SceneValue("open"), c.status, 0), c.first);
        EXPECT_EQ(animationPicture(SceneValue(), c.status, 1), c.second);
    }
}

TEST(AnimationRuleTest, EachEndingShowsItsOwnPairWhateverTheValues)
{
    const char* pairs[9][2] = {
        {"endmix0.bmp", "endmix1.bmp"},     {"endai0.bmp", "endai1.bmp"},       {"endhirou0.bmp", "endhirou1.bmp"},
        {"enduta0.bmp", "enduta1.bmp"},     {"endodori0.bmp", "endodori1.bmp"}, {"endauta0.bmp", "endauta1.bmp"},
        {"endaodori0.bmp", "endaodori1.bmp"}, {"endhuta0.bmp", "endhuta1.bmp"}, {"endhodori0.bmp", "endhodori1.bmp"},
    };
    for (std::int16_t n = 0; n < 9; ++n) {
        for (int frame = 0; frame < 2; ++frame) {
            const auto picture = animationPicture(SceneValue::ending(n), {250, 0, 250, 0}, frame);
            ASSERT_TRUE(picture.has_value());
            EXPECT_EQ(fileName(*picture), pairs[n][frame]) << "ending " << n;
        }
    }
}

TEST(AnimationRuleTest, EveryOtherSceneLeavesThePictureAlone)
{
    for (const char* scene : {"stop", "イコール", "おはな", "end_did"})
        EXPECT_EQ(animationPicture(SceneValue(scene), {0, 0, 0, 0}, 0), std::nullopt) << scene;
}

class AnimationTest : public GameTest {
protected:
    // The file names the next ticks show; an empty name where a tick shows nothing.
    std::vector<std::string> ticks(int n)
    {
        std::vector<std::string> shown;
        for (int i = 0; i < n; ++i) {
            const auto before = out.pictureLog.size();
            game.TimAnm_Timer();
            shown.push_back(out.pictureLog.size() == before ? "" : out.pictureLog.back());
        }
        return shown;
    }
};

TEST_F(AnimationTest, AFreshGameAlternatesTheOrdinaryPairFromTheFirstTick)
{
    startRaising();
    EXPECT_EQ(ticks(4), (std::vector<std::string>{"t0.bmp", "t1.bmp", "t0.bmp", "t1.bmp"}));

    // Values show on the next tick.
    st().Status = {0, 120, 0, 0};
    EXPECT_EQ(ticks(2), (std::vector<std::string>{"o0.bmp", "o1.bmp"}));
}

TEST_F(AnimationTest, TheTitleAndEventsKeepTheirPictureAndEndingsShowTheirPair)
{
    game.Opening();
    EXPECT_EQ(ticks(2), (std::vector<std::string>{"", ""}));
    EXPECT_TRUE(out.titleShown);

    click();  // naming: the greeting's t0 is replaced by the everyday pair
    st().Status = {150, 0, 0, 0};
    EXPECT_EQ(ticks(2), (std::vector<std::string>{"u0.bmp", "u1.bmp"}));

    game.IventStt("おはな");
    EXPECT_EQ(out.picture, Picture::raku);
    EXPECT_EQ(ticks(2), (std::vector<std::string>{"", ""}));
    EXPECT_EQ(out.picture, Picture::raku);

    game.IventStt(SceneValue::ending(4));
    EXPECT_EQ(ticks(3), (std::vector<std::string>{"endodori0.bmp", "endodori1.bmp", "endodori0.bmp"}));
}

}  // namespace
}  // namespace mokopi::testing
