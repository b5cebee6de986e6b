#include <gtest/gtest.h>

#include "scenes/ending_decision.h"

namespace mokopi {
namespace {

struct Case {
    const char* why;
    std::int16_t song, dance, fatigue, affection;
    int ending;
};

// Rows in order: 0 royal lover, 1 lovers, 7 haggard singer, 5 loving singer,
// 3 singer, 8 haggard dancer, 6 loving dancer, 4 dancer, 2 ordinary life.
const Case Cases[] = {
    {"all three high, fatigue 150", 200, 200, 150, 200, 0},
    {"all three high, fatigue 151: song ties dance", 200, 200, 151, 200, 7},
    {"all three high, song leads", 254, 230, 100, 200, 0},
    {"row 1 asks no order: affection lowest", 240, 250, 0, 200, 0},
    {"affection ties song", 250, 100, 0, 250, 1},
    {"affection ties dance", 0, 210, 0, 210, 1},
    {"affection highest, fatigue 150", 100, 100, 150, 220, 1},
    {"affection highest, fatigue 151", 100, 100, 151, 220, 2},
    {"affection ties dance, fatigue 151", 0, 210, 151, 210, 8},
    {"loving singer", 210, 180, 149, 150, 5},
    {"singer, affection 149", 210, 180, 149, 149, 3},
    {"haggard singer at fatigue 150", 210, 180, 150, 150, 7},
    {"song ties dance, no affection", 230, 230, 0, 0, 3},
    {"song 200 exactly", 200, 0, 0, 0, 3},
    {"dancer", 100, 220, 0, 0, 4},
    {"loving dancer", 100, 220, 0, 150, 6},
    {"dancer, affection 149, fatigue 149", 100, 220, 149, 149, 4},
    {"haggard dancer at fatigue 150", 100, 220, 150, 0, 8},
    {"dance 200 beats affection 199", 0, 200, 0, 199, 6},
    {"song 199", 199, 0, 0, 0, 2},
    {"all 199, worn out", 199, 199, 255, 199, 2},
    {"song above 255", 300, 260, 0, 0, 3},
    {"dance above 255", 260, 300, 0, 0, 4},
    {"all above 255, fatigue too", 300, 300, 400, 300, 7},
    {"affection above 255 leads", 254, 254, 0, 300, 0},
    {"affection 300 alone", 0, 0, 0, 300, 1},
};

TEST(EndingDecisionTest, EveryRowOfTheTableWithItsTiesAndLimits)
{
    for (const Case& c : Cases) {
        EXPECT_EQ(decideEnding({c.song, c.dance, c.fatigue, c.affection}), c.ending) << c.why;
    }
}

}  // namespace
}  // namespace mokopi
