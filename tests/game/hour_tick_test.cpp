// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <optional>
#include <tuple>
#include <utility>

#include "support/game_fixture.h"

namespace mokopi::testing {

using namespace game;
namespace {

// The draws of a rest hour that costs no skill (song picked, loses 0) and of a training hour at its
// smallest (skill +1, fatigue +1, affection -0), each without the event roll R(300) that ends every hour.
const std::vector<double> RestHour = {R(2, 0), R(2, 0)};
const std::vector<double> TrainingHour = {R(2, 0), R(3, 0), R(2, 0)};

std::vector<double> operator+(std::vector<double> a, const std::vector<double>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

class HourTickTest : public GameTest {
protected:
    HourTickTest() { startRaising(); }
};

// Each draw gives a different result, so a draw taken in another order or left out changes the values.
TEST_F(HourTickTest, EachHourMovesTheClockAndDrawsTheCommandsChangesInOrder)
{
    struct Case {
        const char* name;
        std::uint8_t command;
        Values before;
        std::vector<double> draws;  // without the event roll, which misses at 289
        Values after;
        std::int16_t hour = 0;  // before the tick
        std::uint8_t day = 0, dayAfter = 0;
        bool ends = false;
    };
    const Case cases[] = {
        {"song, smallest, to 254", SongCommand, {253, 60, 10, 70}, TrainingHour, {254, 60, 11, 70}},
        {"dance", DanceCommand, {50, 60, 10, 70}, {R(2, 1), R(3, 1), R(2, 1)}, {50, 62, 12, 69}},
        {"rest, song loses 1", RestCommand, {50, 60, 10, 70}, {0.25, 0.75}, {49, 60, 7, 70}},
        {"rest, dance loses 1", RestCommand, {50, 60, 10, 70}, {0.75, 0.75}, {50, 59, 7, 70}},
        {"rest with fatigue 2 leaves 0", RestCommand, {50, 60, 2, 70}, {0.75, 0.25}, {50, 60, 0, 70}},
        // Fatigue 200 or more first draws the affection bonus 1 - R(2).
        {"fatigue 200, bonus +1",
         SongCommand,
         {50, 60, 200, 70},
         {R(2, 0), R(2, 1), R(3, 0), R(2, 0)},
         {52, 60, 201, 71}},
        {"fatigue 200, bonus +0",
         SongCommand,
         {50, 60, 200, 70},
         {R(2, 1), R(2, 0), R(3, 2), R(2, 1)},
         {51, 60, 203, 69}},
        {"fatigue 199, no bonus", SongCommand, {50, 60, 199, 70}, {R(2, 1), R(3, 0), R(2, 0)}, {52, 60, 200, 70}},
        // With no scene a full value starts the ending instead; the rest of the hour still runs and, inside it,
        // stores what it adds.
        {"song fills up mid-hour",
         SongCommand,
         {253, 0, 253, 0},
         {R(2, 1), R(2, 1), R(3, 2), R(2, 0)},
         {253, 0, 256, 0},
         0,
         0,
         0,
         true},
        {"260 - 1 starts the ending", RestCommand, {260, 0, 10, 0}, {0.25, 0.75}, {260, 0, 7, 0}, 0, 0, 0, true},
        {"so does 259 - 0", SongCommand, {50, 0, 10, 259}, TrainingHour, {51, 0, 11, 259}, 0, 0, 0, true},
        {"hour 24 raises the day", RestCommand, {0, 0, 9, 0}, RestHour, {0, 0, 6, 0}, 23, 5, 6},
        {"then hour 1", RestCommand, {0, 0, 9, 0}, RestHour, {0, 0, 6, 0}, 24, 6, 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        startRaising();
        st().Status = c.before;
        st().Command = c.command;
        st().Hour = c.hour;
        st().Day = c.day;
        tick(c.draws + std::vector{R(300, 289)});
        EXPECT_EQ(st().Status, c.after);
        EXPECT_EQ(st().Scene.endingNumber().has_value(), c.ends);
        EXPECT_EQ(st().Hour, c.hour % 24 + 1);
        EXPECT_EQ(st().Day, c.dayAfter);
        if (!c.ends) {
            EXPECT_EQ(out.status.status, c.after);
            EXPECT_EQ(out.status.day, c.dayAfter);
        }
    }
}

// Every rule that names a roll draws it before its other conditions are looked at, so the number of
// R(100) draws shows which rules were tried.
TEST_F(HourTickTest, TheEventRollComesEveryHourAndTheRulesAreTriedInOrderEachRollFirst)
{
    constexpr int Miss = 89, Hit = 90;
    // What happens before the hour, its own roll, then the R(100) rolls and the event they start.
    using Case = std::tuple<const char*, std::uint8_t, Values, int, std::vector<int>, std::optional<const char*>>;
    const Case cases[] = {
        {"roll 289 misses", RestCommand, {0, 0, 0, 0}, 289, {}, {}},
        {"a: equal song and dance beat every other rule", SongCommand, {119, 120, 160, 150}, 290, {}, "イコール"},
        {"a: equal at exactly 100", SongCommand, {99, 100, 0, 0}, 290, {}, "イコール"},
        {"a: equal but below 100", SongCommand, {98, 99, 0, 0}, 290, std::vector(9, Miss), {}},
        {"b: tired and training", SongCommand, {0, 0, 149, 0}, 290, {Hit}, "かなしむ"},
        {"b: tired but resting, then c", RestCommand, {0, 0, 160, 0}, 290, {Hit}, {}},
        {"b misses, c: fatigue above 100", SongCommand, {0, 0, 100, 0}, 290, {Miss}, {}},
        {"c lets fatigue 100 through",
         RestCommand,
         {0, 0, 103, 0},
         299,
         {Miss, Miss, Miss, Miss, Miss, Miss, Hit},
         "おはな"},
        {"d: loved but unsure", RestCommand, {49, 200, 0, 100}, 290, {Miss, Hit}, "じしんそうしつ"},
        {"d: loved and able", RestCommand, {50, 50, 0, 100}, 290, {Miss, Hit}, "ぜいたく"},
        {"d hits without affection, e", RestCommand, {100, 0, 0, 99}, 290, {Hit, Hit, Hit}, "うたをおくる"},
        {"f", RestCommand, {150, 0, 0, 0}, 290, {Miss, Miss, Miss, Hit}, "うたをうたう"},
        {"f hits below 150, g", RestCommand, {149, 100, 0, 0}, 290, {Miss, Miss, Miss, Hit, Hit}, "おどりをおくる"},
        {"h", RestCommand, {0, 150, 0, 0}, 290, {Miss, Miss, Miss, Miss, Miss, Hit}, "おどりをおどる"},
        {"every roll hits, no value high: i",
         RestCommand,
         {0, 0, 0, 0},
         290,
         {Hit, Hit, Hit, Hit, Hit, Hit, Hit},
         "おはな"},
        {"j", RestCommand, {0, 0, 0, 0}, 290, {Miss, Miss, Miss, Miss, Miss, Miss, Miss, Hit}, "ちょうちょ"},
        {"k", RestCommand, {0, 0, 0, 0}, 290, {Miss, Miss, Miss, Miss, Miss, Miss, Miss, Miss, Hit}, "いもむし"},
        {"l: every roll misses", RestCommand, {0, 0, 0, 0}, 290, std::vector(9, Miss), {}},
    };
    for (const auto& [name, command, before, hourRoll, rolls, event] : cases) {
        SCOPED_TRACE(name);
        startRaising();
        st().Status = before;
        st().Command = command;
        std::vector<double> draws = (command == RestCommand ? RestHour : TrainingHour) + std::vector{R(300, hourRoll)};
        for (int roll : rolls)
            draws.push_back(R(100, roll));
        tick(draws);
        EXPECT_EQ(st().Scene, event ? SceneValue(*event) : SceneValue());
        EXPECT_EQ(out.clockRunning, !event);
    }
    game.mnuIVENT_Click();
    tick(RestHour + std::vector{R(300, 299)});  // events off: the roll is still drawn
    EXPECT_TRUE(st().Scene.isNone());
}

// Only a hand-edited save comes near the limits; inside a scene, where full values are stored, sums stop there.
TEST_F(HourTickTest, AChangeInsideASceneSaturatesAtTheLimitsOfSixteenBits)
{
    game.IventStt("おはな");
    st().Status = {32767, 0, 0, -32768};
    game.StatusAdd(Song, 10);
    game.StatusAdd(Affection, -10);
    EXPECT_EQ(st().Status, (Values{32767, 0, 0, 0}));
}

TEST_F(HourTickTest, PettingRaisesAffectionThenElevenHoursPassWithNoCheckBetweenAndNeverDuringAScene)
{
    // 245 + 10 fills up: the ending starts at once, and the hours still run.
    for (const auto [before, bonus, after] : {std::array{30, 0, 40}, std::array{30, 9, 49}, std::array{245, 0, 245}}) {
        SCOPED_TRACE(before + bonus);
        startRaising();
        st().Status = {0, 0, 0, static_cast<std::int16_t>(before)};
        rnd.push({R(10, bonus)});
        for (int hour = 0; hour < 11; ++hour)
            rnd.push(RestHour + std::vector{R(300, 0)});
        game.IMG_MouseDown();
        EXPECT_EQ(rnd.left(), 0u);
        EXPECT_EQ(st().Status, (Values{0, 0, 0, static_cast<std::int16_t>(after)}));
        EXPECT_EQ(st().Hour, 11);
        EXPECT_EQ(out.picture, Picture::lov);
        EXPECT_EQ(out.sounds.back(), 3);
        EXPECT_EQ(st().Scene, before < 245 ? SceneValue() : SceneValue::ending(1));
    }

    for (const SceneValue& scene :
         {SceneValue("stop"), SceneValue("open"), SceneValue("ちょうちょ"), SceneValue::ending(2)}) {
        game.IventStt(scene);
        const auto pictures = out.pictureLog.size();
        game.IMG_MouseDown();  // any draw would fail: none is listed
        EXPECT_EQ(out.pictureLog.size(), pictures);
    }
}

// An event that starts in one of the eleven hours does not stop them: the later hours see a running
// scene, so a full value is stored, and a later event replaces the first.
TEST_F(HourTickTest, AnEventInALaterPettingHourLetsTheRemainingHoursRunInsideIt)
{
    constexpr double Miss = 0.0, Hit = 0.95;
    st().Status = {252, 0, 0, 0};
    st().Command = SongCommand;
    out.sounds.clear();
    rnd.push({R(10, 5)});
    for (int hour = 1; hour <= 11; ++hour) {  // song +1 each hour, +2 in the third
        rnd.push({R(2, hour == 3 ? 1 : 0), R(3, 0), R(2, 0), R(300, hour == 2 || hour == 7 ? 299 : 0)});
        if (hour == 2)
            rnd.push({Miss, Miss, Hit});  // at song 254: rules b and d miss, e hits
        if (hour == 7)
            rnd.push({Miss, Miss, Miss, Hit});  // at song 260: rules b, d and e miss, f hits
    }
    game.IMG_MouseDown();
    EXPECT_EQ(rnd.left(), 0u);
    EXPECT_EQ(st().Status, (Values{264, 0, 11, 15}));
    EXPECT_EQ(st().Scene, SceneValue("うたをうたう"));
    EXPECT_EQ(st().EndingCleared, (ClearedEndings{}));
    EXPECT_FALSE(out.clockRunning);
    EXPECT_EQ(out.sounds, std::vector<int>{3});  // the first event never ended
}

// Only a load brings a day of 24 or more to the clock: a game saved while its last day's ending was told
// comes back without the story, and a hand-made file may hold any day. The next hour tells the ending (no
// draw, no command, the clock as loaded), so the game ends and the day never counts on.
TEST_F(HourTickTest, AGameLoadedOnOrPastItsLastDayEndsInTheNextHourWithTheDayAsLoaded)
{
    const Values singer = {210, 0, 0, 0};
    for (const auto& [hour, day] : {std::pair<std::int16_t, std::uint8_t>{24, 24}, {23, 24}, {5, 30}, {24, 255}}) {
        SCOPED_TRACE(::testing::Message() << "hour " << hour << " of day " << int{day});
        startRaising();
        game.IventStt("おはな");  // loading ends any running scene
        game.load({"タマ", "ポチ", singer, hour, day, {}, true});
        EXPECT_TRUE(st().Scene.isNone());
        tick({});
        EXPECT_EQ(st().Scene, SceneValue::ending(3));
        EXPECT_TRUE(st().EndingCleared[3]);
        EXPECT_FALSE(out.clockRunning);
        EXPECT_EQ(st().Status, singer);
        EXPECT_EQ(st().Hour, hour);
        EXPECT_EQ(st().Day, day);
    }

    // Petted at once instead: the first of the eleven hours starts the ending, and the others run under
    // its story, through hour 24 of day 24 without a day more and with no event roll tried.
    startRaising();
    game.load({"タマ", "ポチ", singer, 20, 24, {}, true});
    rnd.push({R(10, 0)});
    for (int hour = 2; hour <= 11; ++hour)
        rnd.push(RestHour + std::vector{R(300, 299)});
    game.IMG_MouseDown();
    EXPECT_EQ(rnd.left(), 0u);
    EXPECT_EQ(st().Scene, SceneValue::ending(3));
    EXPECT_EQ(st().Hour, 6);
    EXPECT_EQ(st().Day, 24);
}

// Once begun, an ending is told: an event roll in the same hour, or in a later petting hour, tries no rule
// (no R(100) is drawn) and starts nothing, though the hours themselves still run under the story.
TEST_F(HourTickTest, AnEndingThatHasBegunIsNeverReplacedByAnEvent)
{
    st().Status = {253, 0, 10, 0};
    st().Command = SongCommand;
    tick({R(2, 1), R(3, 0), R(2, 0), R(300, 299)});  // song 253 + 2 fills up mid-hour
    EXPECT_EQ(st().Scene, SceneValue::ending(3));
    EXPECT_TRUE(st().EndingCleared[3]);

    // Equal song and dance would start "イコール" on any successful roll, with no R(100) of its own.
    startRaising();
    st().Status = {100, 100, 0, 0};
    st().Command = RestCommand;
    st().Day = 23;
    st().Hour = 23;
    rnd.push({R(10, 0)});  // the first petting hour ends day 24 and draws nothing
    for (int hour = 2; hour <= 11; ++hour)
        rnd.push(RestHour + std::vector{R(300, hour == 2 ? 299 : 0)});
    game.IMG_MouseDown();
    EXPECT_EQ(rnd.left(), 0u);
    EXPECT_EQ(st().Scene, SceneValue::ending(2));
    EXPECT_EQ(st().Day, 24);
    EXPECT_EQ(st().Hour, 10);
    EXPECT_FALSE(out.clockRunning);
}

}  // namespace
}  // namespace mokopi::testing
