#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "media/gui_app.h"
#include "media/picture_fixture.h"
#include "media/picture_store.h"

using namespace mokopi;
using mokopi::testing::fixtureColour;

namespace {

class PictureStoreTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        mokopi::testing::ensureGuiApplication();
        ASSERT_TRUE(dir.isValid());
        mokopi::testing::writeFixturePictures(dir.path());
    }
    QString appPath() const { return dir.path() + "/"; }
    QString pathOf(const char* name) const { return appPath() + name; }

    QTemporaryDir dir;
};

std::pair<QString, PictureFileError::Kind> failureOf(PictureStore& store, QSize size)
{
    try {
        store.loadAll(size);
    } catch (const PictureFileError& e) {
        return {e.path(), e.kind()};
    }
    return {};
}

}  // namespace

TEST_F(PictureStoreTest, KeepsEveryPictureAtThePetAreaSize)
{
    PictureStore store(appPath());
    EXPECT_FALSE(store.isLoaded());
    store.loadAll(QSize(40, 30));
    ASSERT_TRUE(store.isLoaded());
    for (int i = 0; i < PictureCount; ++i) {
        const QPixmap& pm = store.picture(pictureAt(i));
        ASSERT_EQ(pm.size(), QSize(40, 30)) << i;
        EXPECT_EQ(pm.toImage().pixel(20, 15), fixtureColour(fileName(pictureAt(i)))) << fileName(pictureAt(i));
    }
}

TEST_F(PictureStoreTest, MissingOrBrokenFileIsNamedWithItsFullPath)
{
    QFile::remove(pathOf("raku.bmp"));
    PictureStore store(appPath());
    auto [path, kind] = failureOf(store, QSize(10, 10));
    EXPECT_EQ(path, pathOf("raku.bmp"));
    EXPECT_EQ(kind, PictureFileError::Kind::Missing);
    EXPECT_FALSE(store.isLoaded());

    mokopi::testing::writeFixturePicture(dir.path(), "raku.bmp");
    mokopi::testing::writeGarbage(pathOf("ki.bmp"));
    std::tie(path, kind) = failureOf(store, QSize(10, 10));
    EXPECT_EQ(path, pathOf("ki.bmp"));
    EXPECT_EQ(kind, PictureFileError::Kind::Unreadable);
}

TEST_F(PictureStoreTest, FillsInTheGamesOrder)
{
    // The exhausted pair is read before the ordinary one: with both missing,
    // the error names h0.bmp although t0.bmp has the lower index.
    QFile::remove(pathOf("t0.bmp"));
    QFile::remove(pathOf("h0.bmp"));
    PictureStore store(appPath());
    EXPECT_EQ(failureOf(store, QSize(10, 10)).first, pathOf("h0.bmp"));
}
