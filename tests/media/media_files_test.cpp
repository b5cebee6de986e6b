// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QTemporaryDir>
#include <QThread>

#include <sys/stat.h>

#include <functional>
#include <initializer_list>

#include "media/picture_cache.h"
#include "media/picture_fixture.h"
#include "media/picture_store.h"

namespace mokopi::testing {

using namespace game;
using namespace media;

// The picture store on files in a temporary app folder.
struct MediaFilesTest : ::testing::Test {
    void SetUp() override { writeFixturePictures(dir.path()); }
    QTemporaryDir dir;
};

// The colour in the middle of a picture, which tells the file it came from.
QRgb middle(const QPixmap& picture) { return picture.toImage().pixel(picture.width() / 2, picture.height() / 2); }

const PictureDisplay Display{QSize(40, 30), 1};

bool makeFifo(const QString& path) { return mkfifo(QFile::encodeName(path).constData(), 0600) == 0; }

TEST_F(MediaFilesTest, EveryFileIsLookedForAtOnceButReadOnlyWhenFirstShownAndHeldAsLongAsItMayShow)
{
    writeFixturePicture(dir.path(), "endai1.bmp", true);
    PictureStore store(dir.path() + "/");  // and no cache: whatever is not held must come from the file
    // The failure of an action: its kind and the full path it names.
    const auto failure = [](auto&& action) {
        try {
            action();
        } catch (const PictureFileError& e) {
            return (e.kind() == PictureFileError::Kind::Missing ? "missing " : "unreadable ") + e.path();
        }
        return QStringLiteral("none");
    };
    for (const char* file : {"load.bmp", "raku.bmp", "stt.bmp"}) {  // looked for first, among the set, last
        QFile::remove(dir.filePath(file));
        EXPECT_EQ(failure([&] { store.checkFiles(); }), "missing " + dir.filePath(file));
        writeFixturePicture(dir.path(), file);
    }
    const QString u1 = dir.filePath("u1.bmp");  // nor is a folder or a FIFO in its place a picture
    QFile::remove(u1);
    ASSERT_TRUE(QDir().mkdir(u1));
    EXPECT_EQ(failure([&] { store.checkFiles(); }), "missing " + u1);
    ASSERT_TRUE(QDir().rmdir(u1) && makeFifo(u1));
    EXPECT_EQ(failure([&] { store.checkFiles(); }), "missing " + u1);
    QFile::remove(u1);
    writeFixturePicture(dir.path(), "u1.bmp");

    for (int cut : {300, 1}) {  // bitmaps cut short: the first 300 bytes, all but the last byte
        QFile bitmap(dir.filePath("endmix1.bmp"));
        ASSERT_TRUE(bitmap.open(QIODevice::ReadWrite) && bitmap.resize(cut == 1 ? bitmap.size() - 1 : cut));
        bitmap.close();
        EXPECT_EQ(failure([&] { store.picture(Picture::endmix1, Display); }),
                  "unreadable " + dir.filePath("endmix1.bmp"));
        writeFixturePicture(dir.path(), "endmix1.bmp");
    }
    EXPECT_EQ(failure([&] { store.checkFiles(); }), "none");  // a broken file is found out only when shown
    EXPECT_EQ(failure([&] { store.picture(Picture::endai1, Display); }), "unreadable " + dir.filePath("endai1.bmp"));

    QImage png(24, 16, QImage::Format_RGB32);  // no bitmap under its .bmp name, but a picture all the same
    png.fill(fixtureColour("t1.bmp"));
    ASSERT_TRUE(png.save(dir.filePath("t1.bmp"), "PNG"));
    for (Picture p : {Picture::t0, Picture::t1, Picture::ki})
        store.picture(p, Display);
    for (Picture p : {Picture::t0, Picture::t1, Picture::ki})
        QFile::remove(dir.filePath(QString::fromLatin1(fileName(p))));
    const QPixmap t1 = store.picture(Picture::t1, Display);  // no file needed any more
    EXPECT_EQ(t1.size(), QSize(40, 30));
    EXPECT_EQ(middle(t1), fixtureColour("t1.bmp"));
    EXPECT_EQ(middle(store.title(Display)), fixtureColour("stt.bmp"));

    // An ending's pair only while that ending shows; the picture never shown, never.
    store.picture(Picture::endai0, Display);
    EXPECT_TRUE(store.isHeld(Picture::endai0));
    store.picture(Picture::endhuta1, Display);  // another ending
    EXPECT_FALSE(store.isHeld(Picture::endai0));
    store.picture(Picture::u0, Display);  // the ending is over
    EXPECT_FALSE(store.isHeld(Picture::endhuta1));
    store.picture(Picture::endmix0, Display);
    store.title(Display);  // a new game after the ending
    EXPECT_FALSE(store.isHeld(Picture::endmix0));
    EXPECT_TRUE(store.isHeld(Picture::ki) && store.isHeld(Picture::u0));
    EXPECT_FALSE(store.isHeld(Picture::did));

    // A screen with another pixel ratio: every picture is made again from its file, at twice the pixels.
    EXPECT_THROW(store.picture(Picture::t0, {Display.size, 2}), PictureFileError);
    const QPixmap u0 = store.picture(Picture::u0, {Display.size, 2});
    EXPECT_EQ(u0.size(), QSize(80, 60));
    EXPECT_EQ(u0.deviceIndependentSize(), QSizeF(40, 30));
    EXPECT_FALSE(store.isHeld(Picture::ki));
}

// The title decoded ahead on a thread of its own serves the first title at whatever display it is
// shown, with the file's picture or the cache's, and its trouble; a failure no title asked for is
// not told. It serves the title at other sizes too until it is let go of, or a stored picture shows.
TEST_F(MediaFilesTest, TheTitleDecodedAheadServesTheTitleAtAnyDisplayUntilLetGoOfAndFailsAsTheFileDoes)
{
    const QString cacheFolder = dir.filePath("cache");
    const auto decodedAhead = [&](const PictureDisplay& display) {
        PictureStore store(dir.path() + "/", cacheFolder);
        store.decodeTitleAhead();
        return store.title(display);
    };
    const QPixmap first = decodedAhead(Display);
    EXPECT_EQ(first.size(), QSize(40, 30));
    EXPECT_EQ(middle(first), fixtureColour("stt.bmp"));

    // With an entry in the cache, the cache serves it, at its size or scaled anew at another.
    const PictureCache cache(cacheFolder);
    const QFileInfo source(dir.filePath("stt.bmp"));
    QImage painted = cache.load(source, Display.pixelSize(), 1);
    ASSERT_FALSE(painted.isNull());
    painted.fill(Qt::blue);
    cache.store(source, painted, 1);
    EXPECT_EQ(middle(decodedAhead(Display)), qRgb(0, 0, 255));
    const QPixmap other = decodedAhead({QSize(20, 15), 1});
    EXPECT_EQ(other.size(), QSize(20, 15));
    EXPECT_EQ(middle(other), fixtureColour("stt.bmp"));

    PictureStore settling(dir.path() + "/");  // no cache: a title not decoded ahead is read from the file
    for (const auto& letGo : std::initializer_list<std::function<void()>>{
             [&] { settling.letGoOfDecodedTitle(); }, [&] { settling.picture(Picture::t0, Display); }}) {
        writeFixturePicture(dir.path(), "stt.bmp");
        settling.decodeTitleAhead();
        settling.title(Display);
        writeFixturePicture(dir.path(), "stt.bmp", true);
        EXPECT_EQ(middle(settling.title({QSize(20, 15), 1})), fixtureColour("stt.bmp"));
        letGo();
        EXPECT_THROW(settling.title(Display), PictureFileError);
    }

    QFile::remove(source.filePath());
    PictureStore store(dir.path() + "/", cacheFolder);
    store.decodeTitleAhead();
    EXPECT_EQ(store.picture(Picture::t0, Display).size(), QSize(40, 30));
    store.decodeTitleAhead();
    EXPECT_THROW(store.title(Display), PictureFileError);
    EXPECT_EQ(store.picture(Picture::t0, Display).size(), QSize(40, 30));  // the failure is told once
}

TEST_F(MediaFilesTest, EachEndingsPairIsHeldWhileItsEndingShowsAndLetGoOnceItIsOver)
{
    PictureStore store(dir.path() + "/");
    for (int n = 0; n < EndingCount; ++n) {
        // Ending n shows the pictures 12 + 2n and 13 + 2n of the picture table, flipping ten times a second.
        const Picture pair[2] = {pictureAt(12 + 2 * n), pictureAt(13 + 2 * n)};
        for (Picture p : pair)
            store.picture(p, Display);
        for (Picture p : pair)
            QFile::remove(dir.filePath(QString::fromLatin1(fileName(p))));  // from now on, only what is held
        for (int tick = 0; tick < 4; ++tick)
            EXPECT_NO_THROW(store.picture(pair[tick % 2], Display)) << "ending " << n;
        store.picture(Picture::t0, Display);  // a new game
        EXPECT_FALSE(store.isHeld(pair[0]) || store.isHeld(pair[1])) << "ending " << n;
    }
}

TEST_F(MediaFilesTest, ACacheEntryServesWhileItMatchesItsFileAndIsRebuiltWhenStaleOrDamaged)
{
    const QFileInfo source(dir.filePath("t0.bmp"));
    const PictureCache cache(dir.filePath("cache"));
    const auto shownByANewRun = [&] {
        return middle(PictureStore(dir.path() + "/", dir.filePath("cache")).picture(Picture::t0, Display));
    };
    const auto cached = [&] { return cache.load(QFileInfo(source.filePath()), Display.pixelSize(), 1); };

    EXPECT_EQ(shownByANewRun(), fixtureColour("t0.bmp"));
    QImage painted = cached();  // the entry painted over: a run that shows it has not read the file
    ASSERT_FALSE(painted.isNull());
    painted.fill(Qt::green);
    cache.store(source, painted, 1);
    EXPECT_EQ(shownByANewRun(), qRgb(0, 255, 0));

    QImage changed(24, 16, QImage::Format_RGB32);  // the file drawn anew, of the same size
    changed.fill(Qt::blue);
    ASSERT_TRUE(changed.save(source.filePath(), "BMP"));
    QFile file(source.filePath());
    ASSERT_TRUE(file.open(QIODevice::ReadWrite)
                && file.setFileTime(QDateTime::currentDateTime().addSecs(60), QFileDevice::FileModificationTime));
    file.close();
    EXPECT_EQ(shownByANewRun(), qRgb(0, 0, 255));
    EXPECT_EQ(cached().pixel(5, 5), qRgb(0, 0, 255));

    QFile entry(cache.entryPath(source, Display.pixelSize(), 1));
    ASSERT_TRUE(entry.open(QIODevice::ReadOnly));
    const QByteArray cutShort = entry.read(100);
    entry.close();
    for (const QByteArray& damage : {cutShort, QByteArray("no entry at all")}) {
        ASSERT_TRUE(entry.open(QIODevice::WriteOnly | QIODevice::Truncate) && entry.write(damage) == damage.size());
        entry.close();
        EXPECT_TRUE(cached().isNull());
        EXPECT_EQ(shownByANewRun(), qRgb(0, 0, 255));
    }
    EXPECT_EQ(cached().pixel(5, 5), qRgb(0, 0, 255));

    // A FIFO in place of the entry is no entry, never opened to wait for a writer; a store replaces it.
    const QString entryPath = cache.entryPath(source, Display.pixelSize(), 1);
    ASSERT_TRUE(QFile::remove(entryPath) && makeFifo(entryPath));
    EXPECT_EQ(shownByANewRun(), qRgb(0, 0, 255));
    EXPECT_TRUE(QFileInfo(entryPath).isFile());

    // On a screen of ratio 2 an entry serves at that ratio, so that it is drawn pixel for pixel.
    const PictureDisplay sharp{Display.size, 2};
    PictureStore(dir.path() + "/", dir.filePath("cache")).picture(Picture::t0, sharp);
    const QFileInfo redrawn(source.filePath());
    QImage sharpEntry = cache.load(redrawn, sharp.pixelSize(), 2);
    ASSERT_FALSE(sharpEntry.isNull());
    sharpEntry.fill(Qt::green);
    cache.store(redrawn, sharpEntry, 2);
    const QPixmap fromCache = PictureStore(dir.path() + "/", dir.filePath("cache")).picture(Picture::t0, sharp);
    EXPECT_EQ(middle(fromCache), qRgb(0, 255, 0));
    EXPECT_EQ(fromCache.deviceIndependentSize(), QSizeF(Display.size));
}

TEST_F(MediaFilesTest, TheCacheKeepsOnlyTheTwoWindowSizesUsedLastAndAFolderItCannotMakeCostsNothingButTime)
{
    const QString cache = dir.filePath("cache");
    const auto runAt = [&](int width) {
        PictureStore store(dir.path() + "/", cache);
        for (Picture p : {Picture::t0, Picture::u0})
            store.picture(p, {QSize(width, 30), 1});
        QThread::msleep(20);  // so that the entries' times tell the runs apart
    };
    const auto widthsKept = [&] {
        QSet<int> widths;
        for (const QString& entry : QDir(cache).entryList({"*.pic"}))
            widths.insert(entry.section('-', -1).section('x', 0, 0).toInt());
        return widths;
    };
    runAt(40);
    runAt(50);
    runAt(60);
    EXPECT_EQ(widthsKept(), QSet<int>({50, 60}));
    runAt(50);  // read from the cache, not made: still in use
    runAt(40);
    EXPECT_EQ(widthsKept(), QSet<int>({50, 40}));
    EXPECT_EQ(QDir(cache).entryList({"*.pic"}).size(), 4);

    PictureStore store(dir.path() + "/", dir.filePath("t0.bmp/cache"));  // a folder that cannot be made
    EXPECT_EQ(middle(store.picture(Picture::t0, Display)), fixtureColour("t0.bmp"));
}

}  // namespace mokopi::testing
