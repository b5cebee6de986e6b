#include <gtest/gtest.h>

#include "game/picture_id.h"

namespace mokopi::testing {
namespace {

// Written from the picture table, not from the code: a picture at the wrong
// index shows the wrong face in every scene that names it.
TEST(PictureTable, EachIndexNamesItsFileAndTheStoreFillsInTheGamesOrder)
{
    const char* const files[PictureCount] = {
        "did.bmp",        "u0.bmp",         "u1.bmp",        "o0.bmp",         "o1.bmp",       "t0.bmp",
        "t1.bmp",         "h0.bmp",         "h1.bmp",        "l0.bmp",         "l1.bmp",       "lov.bmp",
        "endmix0.bmp",    "endmix1.bmp",    "endai0.bmp",    "endai1.bmp",     "endhirou0.bmp", "endhirou1.bmp",
        "enduta0.bmp",    "enduta1.bmp",    "endodori0.bmp", "endodori1.bmp",  "endauta0.bmp", "endauta1.bmp",
        "endaodori0.bmp", "endaodori1.bmp", "endhuta0.bmp",  "endhuta1.bmp",   "endhodori0.bmp", "endhodori1.bmp",
        "ki.bmp",         "ikari.bmp",      "kanasimi.bmp",  "raku.bmp",
    };
    for (int i = 0; i < PictureCount; ++i)
        EXPECT_EQ(fileName(pictureAt(i)), files[i]) << i;

    const int order[PictureCount] = {0,  1,  2,  3,  4,  7,  8,  9,  10, 5,  6,  11, 12, 13, 14, 15, 16,
                                     17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33};
    for (int k = 0; k < PictureCount; ++k)
        EXPECT_EQ(index(loadOrder()[k]), order[k]) << k;

    const char* const endings[9] = {"endmix", "endai", "endhirou", "enduta", "endodori",
                                    "endauta", "endaodori", "endhuta", "endhodori"};
    for (int n = 0; n < 9; ++n)
        for (int f = 0; f < 2; ++f)
            EXPECT_EQ(fileName(endingPicture(n, f)), std::string(endings[n]) + std::to_string(f) + ".bmp");
    EXPECT_EQ(LoadingPictureFile, "load.bmp");
    EXPECT_EQ(TitlePictureFile, "stt.bmp");
}

}  // namespace
}  // namespace mokopi::testing
