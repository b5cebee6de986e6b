#include <string>
#include <vector>

#include "scenes/ending_scripts.h"
#include "support/game_fixture.h"

namespace mokopi::testing {
namespace {

// Names that no story text contains, so they can be counted.
const std::string Pet = "Ｐｅｔ";
const std::string Owner = "Ｏｗｎ";

int count(const std::string& text, const std::string& word)
{
    int n = 0;
    for (auto at = text.find(word); at != std::string::npos; at = text.find(word, at + word.size()))
        ++n;
    return n;
}

// Where each story puts the two names, page by page: {pet, owner}. A page
// marked Line is one line; every other page two or three.
struct PageNames {
    int pet, owner;
    bool oneLine = false;
};
constexpr bool Line = true;

struct Story {
    std::string firstPage;
    std::vector<PageNames> pages;
};

std::vector<Story> stories()
{
    const std::string crlf = "\r\n";
    return {
        {Pet + "は" + crlf + "歌と踊りをかね揃えたもこぴとして" + crlf + "世の中に出ていった",
         {{1, 0}, {0, 0}, {2, 0}, {0, 1}, {0, 0}, {0, 0}, {1, 0}, {0, 0}, {0, 0}, {1, 1}, {0, 0}, {1, 1}, {0, 0}}},
        {Pet + "と" + Owner + "の間に" + crlf + "ほのかな想いが芽生えたのは" + crlf + "いつのことだったのだろう",
         {{1, 1}, {1, 1}, {0, 0}, {0, 0}}},
        {Pet + "は" + crlf + "立派なもこぴにはなれなかった", {{1, 0}, {0, 0}, {1, 0}, {0, 0}, {1, 1}, {0, 0}}},
        {Pet + "は" + crlf + "もこぴ詩人に華麗に成長を遂げた", {{1, 0}, {1, 0}, {2, 0}, {0, 1}}},
        {Pet + "は、" + crlf + "もこぴ踊り子へと華麗な成長を遂げた", {{1, 0}, {0, 1}, {2, 0}, {1, 1}}},
        {Pet + "は、" + crlf + "もこぴ詩人に華麗に成長を遂げた",
         {{1, 0}, {1, 0}, {1, 0}, {0, 0}, {1, 0, Line}, {0, 0, Line}, {0, 0}, {0, 0}, {0, 0, Line}, {1, 1}}},
        {Pet + "は、" + crlf + "もこぴ踊り子へと華麗な成長を遂げた",
         {{1, 0}, {1, 0}, {1, 0}, {0, 0}, {0, 0}, {0, 0}, {1, 0}, {0, 0}, {1, 1}}},
        {Pet + "は" + crlf + "なんとかもこぴ詩人として成長した。",
         {{1, 0}, {1, 1}, {0, 0}, {1, 1}, {0, 0}, {1, 0, Line}, {1, 1}}},
        {Pet + "がもこぴ踊り子となり、" + crlf + "究極の踊りを求めて" + crlf + Owner + "の元を去ってから、数年",
         {{1, 1}, {1, 1}, {1, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {1, 1}}},
    };
}

class EndingTest : public GameTest {
protected:
    EndingTest()
    {
        startRaising(Owner, Pet);
        out.sounds.clear();
    }

    // Raises the values straight to a state; the decision reads them as they stand.
    void reach(std::array<std::int16_t, 4> values)
    {
        st().Status = values;
        game.EndingStt();
    }

    // The state a new game starts from, with the names and cleared marks kept.
    void expectNewGameAtTheTitle()
    {
        EXPECT_EQ(st().Status, (std::array<std::int16_t, 4>{}));
        EXPECT_EQ(st().Hour, 0);
        EXPECT_EQ(st().Day, 0);
        EXPECT_EQ(out.status.hour, 0);
        EXPECT_EQ(out.status.day, 0);
        EXPECT_EQ(st().Scene, SceneValue("stop"));
        EXPECT_TRUE(out.titleShown);
        EXPECT_EQ(out.speech, "");
        EXPECT_FALSE(out.clockRunning);
        EXPECT_FALSE(st().GameStarted);
        EXPECT_EQ(st().PetName, Pet);
        EXPECT_EQ(st().OwnerName, Owner);
    }
};

TEST_F(EndingTest, EachStoryHasItsPagesNamesAndLinesAndEndsInANewGame)
{
    const auto all = stories();
    for (int n = 0; n < EndingCount; ++n) {
        SCOPED_TRACE("ending " + std::to_string(n));
        const Story& story = all[n];
        startRaising(Owner, Pet);
        game.IventStt(SceneValue::ending(static_cast<std::int16_t>(n)));
        EXPECT_EQ(out.speech, story.firstPage);

        const int pages = static_cast<int>(story.pages.size());
        for (int page = 0; page < pages; ++page) {
            if (page > 0)
                click();
            SCOPED_TRACE("page " + std::to_string(page));
            EXPECT_EQ(st().Scene, SceneValue::ending(static_cast<std::int16_t>(n)));
            EXPECT_EQ(count(out.speech, Pet), story.pages[page].pet);
            EXPECT_EQ(count(out.speech, Owner), story.pages[page].owner);
            const int lines = count(out.speech, "\r\n") + 1;
            if (story.pages[page].oneLine)
                EXPECT_EQ(lines, 1);
            else
                EXPECT_TRUE(lines == 2 || lines == 3) << lines << " lines: " << out.speech;
            EXPECT_EQ(count(out.speech, "\n"), lines - 1) << "a bare line feed";
        }
        // The click after the last page: pages clicks after page 0 in all.
        click();
        expectNewGameAtTheTitle();
    }
}

TEST_F(EndingTest, TheEndingIsClearedWhenItsStoryStartsAndStaysClearedAfter)
{
    reach({210, 180, 149, 150});
    EXPECT_EQ(st().Scene, SceneValue::ending(5));
    EXPECT_EQ(st().Page, 1);
    EXPECT_FALSE(out.clockRunning);
    std::array<bool, 9> cleared{};
    cleared[5] = true;
    EXPECT_EQ(st().EndingCleared, cleared);
    EXPECT_EQ(out.clearedEndings, cleared);

    // Dropped before it is told, it still counts.
    game.IventStt("おはな");
    EXPECT_EQ(out.clearedEndings, cleared);

    startRaising(Owner, Pet);
    reach({0, 0, 0, 0});
    cleared[2] = true;
    for (int page = 0; page < 6; ++page)
        click();
    expectNewGameAtTheTitle();
    EXPECT_EQ(out.clearedEndings, cleared);
}

TEST_F(EndingTest, AReplayAsksFirstAndOnlyForAClearedEnding)
{
    reach({210, 0, 0, 0});
    for (int page = 0; page < 4; ++page)
        click();
    startRaising(Owner, Pet);
    st().Status = {12, 34, 56, 78};
    st().Hour = 5;

    game.mnuEnding_Click(4);  // never reached: no box
    EXPECT_TRUE(out.confirmations.empty());

    out.yesNoAnswers = {false};
    game.mnuEnding_Click(3);
    EXPECT_EQ(out.confirmations, std::vector<std::string>{"エンディングを回想して終了します"});
    EXPECT_TRUE(st().Scene.isNone());
    EXPECT_TRUE(out.clockRunning);
    EXPECT_EQ(st().Status, (std::array<std::int16_t, 4>{12, 34, 56, 78}));

    // Yes over a running event: story 3 whatever the values say, marks untouched.
    game.IventStt("いもむし");
    out.yesNoAnswers = {true};
    game.mnuEnding_Click(3);
    EXPECT_EQ(st().Scene, SceneValue::ending(3));
    EXPECT_EQ(out.speech, stories()[3].firstPage);
    EXPECT_FALSE(out.clockRunning);
    std::array<bool, 9> cleared{};
    cleared[3] = true;
    EXPECT_EQ(st().EndingCleared, cleared);

    for (int page = 0; page < 4; ++page)
        click();
    expectNewGameAtTheTitle();
    EXPECT_EQ(out.clearedEndings, cleared);
}

}  // namespace
}  // namespace mokopi::testing
