#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>

#include "media/picture_store.h"
#include "ui/pet_picture.h"

namespace mokopi::testing {

TEST(PetPicture, OnAScreenOfPixelRatioTwoEveryDevicePixelOfThePictureIsItsOwn)
{
    // A grey ramp from left to right: at 80 device pixels across, no two neighbours are alike.
    QTemporaryDir dir;
    QImage ramp(64, 16, QImage::Format_RGB32);
    for (int x = 0; x < ramp.width(); ++x)
        for (int y = 0; y < ramp.height(); ++y)
            ramp.setPixel(x, y, qRgb(x * 4, x * 4, x * 4));
    ASSERT_TRUE(ramp.save(dir.filePath("t0.bmp"), "BMP"));
    PictureStore store(dir.path() + "/");
    ui::PetPicture pet;
    pet.resize(40, 30);
    pet.setPixmap(store.picture(Picture::t0, {pet.size(), 2}));

    QImage shot(pet.size() * 2, QImage::Format_RGB32);
    shot.setDevicePixelRatio(2);
    pet.render(&shot);
    int doubled = 0;  // a picture of 40 x 30 drawn at twice its size shows each pixel as a pair
    for (int x = 0; x + 1 < shot.width(); x += 2)
        doubled += shot.pixel(x, 30) == shot.pixel(x + 1, 30);
    EXPECT_EQ(doubled, 0);
    EXPECT_EQ(shot.pixel(79, 30), ramp.scaled(80, 60, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).pixel(79, 30));
}

}  // namespace mokopi::testing
