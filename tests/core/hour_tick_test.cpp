#include <optional>
#include <string>
#include <vector>

#include "support/game_fixture.h"

namespace mokopi::testing {
namespace {

using Values = std::array<std::int16_t, 4>;

double R(int n, int k) { return ScriptedRandom::forR(n, k); }

// The two draws of a rest hour that cost no skill: song is picked, loses 0.
const std::vector<double> RestKeepsSkills = {R(2, 0), R(2, 0)};
// The three draws of a song or dance hour: skill +1, fatigue +1, affection -0.
const std::vector<double> TrainingSmallest = {R(2, 0), R(3, 0), R(2, 0)};

std::vector<double> operator+(std::vector<double> a, const std::vector<double>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

class HourTickTest : public GameTest {
protected:
    HourTickTest()
    {
        startRaising();
        out.sounds.clear();
    }

    // One clock tick with exactly these draws; fails when any is left over.
    void tick(const std::vector<double>& draws)
    {
        for (double r : draws)
            rnd.push(r);
        const auto before = rnd.drawn();
        game.Tim_Timer();
        EXPECT_EQ(rnd.drawn() - before, draws.size()) << "draws in the hour";
    }
};

TEST_F(HourTickTest, TheFirstTickShowsHourOneOfDayZero)
{
    ASSERT_TRUE(out.clockRunning);
    tick(RestKeepsSkills + std::vector{R(300, 0)});
    EXPECT_EQ(out.status.hour, 1);
    EXPECT_EQ(out.status.day, 0);
}

TEST_F(HourTickTest, HourTwentyFourRaisesTheDayAndIsFollowedByHourOne)
{
    st().Hour = 23;
    st().Day = 5;
    tick(RestKeepsSkills + std::vector{R(300, 0)});
    EXPECT_EQ(out.status.hour, 24);
    EXPECT_EQ(out.status.day, 6);

    tick(RestKeepsSkills + std::vector{R(300, 0)});
    EXPECT_EQ(out.status.hour, 1);
    EXPECT_EQ(out.status.day, 6);
}

TEST_F(HourTickTest, TheDayCountStopsAt255AndOnlyDay24EndsThePeriod)
{
    struct Case {
        std::uint8_t dayBefore;
        std::uint8_t dayAfter;
        bool ends;
    };
    for (const Case c : {Case{22, 23, false}, Case{23, 24, true}, Case{24, 25, false}, Case{254, 255, false},
                         Case{255, 255, false}}) {
        SCOPED_TRACE(int(c.dayBefore));
        startRaising();
        st().Hour = 23;
        st().Day = c.dayBefore;
        tick(c.ends ? std::vector<double>{} : RestKeepsSkills + std::vector{R(300, 0)});
        EXPECT_EQ(st().Day, c.dayAfter);
        EXPECT_EQ(st().Hour, 24);
        EXPECT_EQ(st().Scene.endingNumber().has_value(), c.ends);
    }
}

TEST_F(HourTickTest, The576thHourOfANewGameStartsTheEndingWithoutTouchingTheValues)
{
    for (int hour = 1; hour < 576; ++hour)
        tick(RestKeepsSkills + std::vector{R(300, 0)});
    ASSERT_TRUE(st().Scene.isNone());
    EXPECT_EQ(st().Day, 23);

    // Song leads, so any change of a value on this hour would show in the ending too.
    st().Status = {210, 5, 7, 9};
    st().Command = SongCommand;
    const int redraws = out.statusRedraws;
    tick({});

    EXPECT_EQ(st().Status, (Values{210, 5, 7, 9}));
    EXPECT_EQ(st().Day, 24);
    EXPECT_EQ(st().Hour, 24);
    EXPECT_EQ(st().Scene, SceneValue::ending(3));
    EXPECT_EQ(out.statusRedraws, redraws);
    EXPECT_FALSE(out.clockRunning);
}

// The command effect, draw by draw. Each draw gives a different result, so a
// draw taken in another order or left out changes the values.
TEST_F(HourTickTest, EachCommandDrawsInItsOrderAndChangesTheValues)
{
    struct Case {
        const char* name;
        std::uint8_t command;
        Values before;
        std::vector<double> draws;  // without the event roll
        Values after;
    };
    const Case cases[] = {
        {"song", SongCommand, {50, 60, 10, 70}, {R(2, 1), R(3, 2), R(2, 1)}, {52, 60, 13, 69}},
        {"song, smallest", SongCommand, {50, 60, 10, 70}, {R(2, 0), R(3, 0), R(2, 0)}, {51, 60, 11, 70}},
        {"dance", DanceCommand, {50, 60, 10, 70}, {R(2, 1), R(3, 1), R(2, 1)}, {50, 62, 12, 69}},
        {"affection clamps at 0", DanceCommand, {50, 60, 10, 0}, {R(2, 0), R(3, 0), R(2, 1)}, {50, 61, 11, 0}},
        {"rest, song loses 1", RestCommand, {50, 60, 10, 70}, {0.25, 0.75}, {49, 60, 7, 70}},
        {"rest, dance loses 1", RestCommand, {50, 60, 10, 70}, {0.75, 0.75}, {50, 59, 7, 70}},
        {"rest, nothing lost", RestCommand, {50, 60, 10, 70}, {0.75, 0.25}, {50, 60, 7, 70}},
        {"rest with fatigue 2 leaves 0", RestCommand, {50, 60, 2, 70}, {0.75, 0.25}, {50, 60, 0, 70}},
        {"rest, skill at 0 stays 0", RestCommand, {0, 60, 10, 70}, {0.25, 0.75}, {0, 60, 7, 70}},
        // Fatigue 200 or more first draws the affection bonus: 1 - R(2).
        {"fatigue 200 bonus +1, then song", SongCommand, {50, 60, 200, 70},
         {R(2, 0), R(2, 1), R(3, 0), R(2, 0)}, {52, 60, 201, 71}},
        {"fatigue 200 bonus +0, then song", SongCommand, {50, 60, 200, 70},
         {R(2, 1), R(2, 0), R(3, 2), R(2, 1)}, {51, 60, 203, 69}},
        {"fatigue 230 bonus +1, then rest", RestCommand, {50, 60, 230, 70}, {R(2, 0), 0.75, 0.75},
         {50, 59, 227, 71}},
        {"fatigue 199 has no bonus", SongCommand, {50, 60, 199, 70}, {R(2, 1), R(3, 0), R(2, 0)},
         {52, 60, 200, 70}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        st().Status = c.before;
        st().Command = c.command;
        tick(c.draws + std::vector{R(300, 289)});
        EXPECT_EQ(st().Status, c.after);
        EXPECT_EQ(out.status.status, c.after);
        EXPECT_TRUE(st().Scene.isNone());
    }
}

// The event choice, rule by rule. Every rule that names a roll draws it before
// its other conditions are looked at, so the number of R(100) draws shows
// which rules were tried.
TEST_F(HourTickTest, TheEventRulesAreTriedInOrderWithEachRollDrawnFirst)
{
    constexpr int Miss = 89, Hit = 90;
    struct Case {
        const char* name;
        std::uint8_t command;
        Values before;  // the hour's own changes are kept to +1 or -3 fatigue
        std::vector<int> rolls;
        std::optional<const char*> event;
        bool redrawAtEnd;
    };
    const Case cases[] = {
        {"a: equal song and dance beat every other rule", SongCommand, {119, 120, 160, 150}, {}, "イコール", false},
        {"a: equal but below 100", SongCommand, {98, 99, 0, 0}, {Miss, Miss, Miss, Miss, Miss, Miss, Miss, Miss, Miss},
         std::nullopt, true},
        {"b: tired and training", SongCommand, {0, 0, 149, 0}, {Hit}, "かなしむ", false},
        {"b: tired but resting, then c", RestCommand, {0, 0, 160, 0}, {Hit}, std::nullopt, true},
        {"b misses, c: fatigue above 100", SongCommand, {0, 0, 100, 0}, {Miss}, std::nullopt, true},
        {"c lets fatigue 100 through", RestCommand, {0, 0, 103, 0}, {Miss, Miss, Miss, Miss, Miss, Miss, Hit},
         "おはな", true},
        {"d: loved but unsure", RestCommand, {49, 200, 0, 100}, {Miss, Hit}, "じしんそうしつ", true},
        {"d: loved and able", RestCommand, {50, 50, 0, 100}, {Miss, Hit}, "ぜいたく", true},
        {"d hits without affection, e", RestCommand, {100, 0, 0, 99}, {Hit, Hit, Hit}, "うたをおくる", true},
        {"e", RestCommand, {150, 140, 0, 0}, {Miss, Miss, Hit}, "うたをおくる", true},
        {"f", RestCommand, {150, 0, 0, 0}, {Miss, Miss, Miss, Hit}, "うたをうたう", true},
        {"f hits below 150, g", RestCommand, {149, 100, 0, 0}, {Miss, Miss, Miss, Hit, Hit}, "おどりをおくる", true},
        {"h", RestCommand, {0, 150, 0, 0}, {Miss, Miss, Miss, Miss, Miss, Hit}, "おどりをおどる", true},
        {"every roll hits, no value high: i", RestCommand, {0, 0, 0, 0}, {Hit, Hit, Hit, Hit, Hit, Hit, Hit},
         "おはな", true},
        {"j", RestCommand, {0, 0, 0, 0}, {Miss, Miss, Miss, Miss, Miss, Miss, Miss, Hit}, "ちょうちょ", true},
        {"k", RestCommand, {0, 0, 0, 0}, {Miss, Miss, Miss, Miss, Miss, Miss, Miss, Miss, Hit}, "いもむし", true},
        {"l: every roll misses", RestCommand, {0, 0, 0, 0}, {Miss, Miss, Miss, Miss, Miss, Miss, Miss, Miss, Miss},
         std::nullopt, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        startRaising();
        st().Status = c.before;
        st().Command = c.command;
        std::vector<double> draws = c.command == RestCommand ? RestKeepsSkills : TrainingSmallest;
        draws.push_back(R(300, 290));
        for (int roll : c.rolls)
            draws.push_back(R(100, roll));
        const int redraws = out.statusRedraws;

        tick(draws);

        if (c.event) {
            EXPECT_EQ(st().Scene, SceneValue(*c.event));
            EXPECT_EQ(st().Page, 1);
            EXPECT_FALSE(out.clockRunning);
        } else {
            EXPECT_TRUE(st().Scene.isNone());
            EXPECT_TRUE(out.clockRunning);
        }
        const int valueChanges = c.command == RestCommand ? 2 : 3;
        EXPECT_EQ(out.statusRedraws - redraws, valueChanges + (c.redrawAtEnd ? 1 : 0));
    }
}

TEST_F(HourTickTest, TheEventRollMissesBelow290AndIsDrawnWithEventsOff)
{
    st().Status = {0, 0, 0, 0};
    tick(RestKeepsSkills + std::vector{R(300, 289)});
    EXPECT_TRUE(st().Scene.isNone());

    game.mnuIVENT_Click();
    EXPECT_FALSE(out.eventsOn);
    for (int hour = 0; hour < 3; ++hour)
        tick(RestKeepsSkills + std::vector{R(300, 299)});
    EXPECT_TRUE(st().Scene.isNone());
    EXPECT_EQ(st().Hour, 4);

    game.mnuIVENT_Click();
    tick(RestKeepsSkills + std::vector{R(300, 299), R(100, 95), R(100, 95), R(100, 95), R(100, 95), R(100, 95),
                                       R(100, 95), R(100, 95)});
    EXPECT_EQ(st().Scene, SceneValue("おはな"));
}

// A value that fills up in the middle of an hour starts the ending; the rest
// of the hour still runs and, with a scene up, stores whatever it adds.
TEST_F(HourTickTest, AValueFillingUpMidHourStartsTheEndingAndTheHourGoesOn)
{
    st().Status = {253, 0, 253, 0};
    st().Command = SongCommand;
    // Bonus +0, song +2 fills up, fatigue +3, affection -0, no event.
    tick({R(2, 1), R(2, 1), R(3, 2), R(2, 0), R(300, 0)});

    EXPECT_EQ(st().Scene, SceneValue::ending(7));
    EXPECT_TRUE(st().EndingCleared[7]);
    EXPECT_EQ(st().Status, (Values{253, 0, 256, 0}));
}

TEST_F(HourTickTest, StatusAddClampsAtZeroAndEndsThePeriodAt255WhileNoSceneRuns)
{
    struct Case {
        const char* name;
        std::int16_t before;
        int delta;
        bool inScene;
        std::int16_t after;
        bool ends;
    };
    const Case cases[] = {
        {"253 + 2 with no scene", 253, 2, false, 253, true},
        {"253 + 1 with no scene", 253, 1, false, 254, false},
        {"253 + 2 during a scene", 253, 2, true, 255, false},
        {"260 - 1 with no scene", 260, -1, false, 260, true},
        {"260 - 6 with no scene", 260, -6, false, 254, false},
        {"2 - 5 clamps", 2, -5, false, 0, false},
        {"top of the range during a scene saturates", 32767, 10, true, 32767, false},
        {"top of the range with no scene ends, kept", 32760, 100, false, 32760, true},
        {"bottom of the range clamps to 0", -32768, -10, true, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        startRaising();
        st().Status = {c.before, 30, 40, 50};
        if (c.inScene)
            game.IventStt("おはな");
        game.StatusAdd(Song, c.delta);
        EXPECT_EQ(st().Status[Song], c.after);
        EXPECT_EQ(st().Status[Dance], 30);
        EXPECT_EQ(st().Scene.endingNumber().has_value(), c.ends);
        if (!c.ends) {
            EXPECT_EQ(out.status.status[Song], c.after);
        }
    }
}

TEST_F(HourTickTest, SuperFastModeChangesTheIntervalButNeverStartsTheClock)
{
    game.Opt_Click(SongCommand);
    EXPECT_EQ(out.sounds, std::vector<int>{SongCommand});
    ASSERT_TRUE(out.clockRunning);
    ASSERT_EQ(out.clockIntervalMs, 500);

    game.IventStt("ちょうちょ");
    game.mnuMODE_Click();
    EXPECT_TRUE(out.superFast);
    EXPECT_FALSE(out.clockRunning);
    EXPECT_EQ(out.clockIntervalMs, 100);

    click();
    rnd.push(R(10, 0));
    click();  // the answer ends the event
    EXPECT_TRUE(st().Scene.isNone());
    EXPECT_TRUE(out.clockRunning);
    EXPECT_EQ(out.clockIntervalMs, 100);

    game.mnuMODE_Click();
    EXPECT_TRUE(out.clockRunning);
    EXPECT_EQ(out.clockIntervalMs, 500);
}

}  // namespace
}  // namespace mokopi::testing
