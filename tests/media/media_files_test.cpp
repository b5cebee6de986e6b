#include <gtest/gtest.h>

#include <QDateTime>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>

#include "media/picture_cache.h"
#include "media/picture_fixture.h"
#include "media/picture_store.h"
#include "media/sound_bank.h"

namespace mokopi::testing {

// The picture store and the sound bank on files in a temporary app folder.
struct MediaFilesTest : ::testing::Test {
    static void SetUpTestSuite()
    {
        static int argc = 1;
        static char name[] = "media_tests", *argv[] = {name, nullptr};
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        new QGuiApplication(argc, argv);  // pixmaps and sound players need one
    }
    QTemporaryDir dir;
};

// The colour in the middle of a picture, which tells the file it came from.
QRgb middle(const QPixmap& picture) { return picture.toImage().pixel(picture.width() / 2, picture.height() / 2); }

const PictureDisplay Display{QSize(40, 30), 1};

TEST_F(MediaFilesTest, EveryFileIsLookedForAtOnceButReadOnlyWhenFirstShown)
{
    writeFixturePictures(dir.path());
    QFile::remove(dir.filePath("raku.bmp"));
    QFile::remove(dir.filePath("stt.bmp"));
    writeFixturePicture(dir.path(), "endai1.bmp", true);
    PictureStore store(dir.path() + "/");
    // The failure of an action: its kind and the full path it names.
    const auto failure = [](auto&& action) {
        try {
            action();
        } catch (const PictureFileError& e) {
            return (e.kind() == PictureFileError::Kind::Missing ? "missing " : "unreadable ") + e.path();
        }
        return QStringLiteral("none");
    };
    EXPECT_EQ(failure([&] { store.checkFiles(); }), "missing " + dir.filePath("raku.bmp"));
    writeFixturePicture(dir.path(), "raku.bmp");
    EXPECT_EQ(failure([&] { store.checkFiles(); }), "missing " + dir.filePath("stt.bmp"));
    writeFixturePicture(dir.path(), "stt.bmp");
    EXPECT_EQ(failure([&] { store.checkFiles(); }), "none");  // a broken file is found out only when shown

    const QPixmap t0 = store.picture(Picture::t0, Display);
    EXPECT_EQ(t0.size(), QSize(40, 30));
    EXPECT_EQ(middle(t0), fixtureColour("t0.bmp"));
    EXPECT_EQ(middle(store.title(Display)), fixtureColour("stt.bmp"));
    QImage png(24, 16, QImage::Format_RGB32);  // no bitmap under its .bmp name, but a picture all the same
    png.fill(fixtureColour("t1.bmp"));
    ASSERT_TRUE(png.save(dir.filePath("t1.bmp"), "PNG"));
    EXPECT_EQ(middle(store.picture(Picture::t1, Display)), fixtureColour("t1.bmp"));
    EXPECT_EQ(failure([&] { store.picture(Picture::endai0, Display); }), "none");
    EXPECT_EQ(failure([&] { store.picture(Picture::endai1, Display); }), "unreadable " + dir.filePath("endai1.bmp"));
}

TEST_F(MediaFilesTest, APictureOnceShownIsHeldAndAnEndingPairOnlyWhileItsEndingIsShown)
{
    writeFixturePictures(dir.path());
    PictureStore store(dir.path() + "/");  // and no cache: whatever is not held must come from the file
    for (Picture p : {Picture::t0, Picture::ki})
        store.picture(p, Display);
    for (Picture p : {Picture::t0, Picture::ki})
        QFile::remove(dir.filePath(QString::fromLatin1(fileName(p))));
    EXPECT_EQ(middle(store.picture(Picture::t0, Display)), fixtureColour("t0.bmp"));  // no file needed any more
    store.picture(Picture::endai0, Display);
    store.picture(Picture::endai1, Display);
    EXPECT_TRUE(store.isHeld(Picture::endai0) && store.isHeld(Picture::endai1));
    store.picture(Picture::endhuta1, Display);  // another ending
    EXPECT_FALSE(store.isHeld(Picture::endai0) || store.isHeld(Picture::endai1));
    EXPECT_TRUE(store.isHeld(Picture::endhuta1));
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

TEST_F(MediaFilesTest, ACacheEntryServesWhileItMatchesItsFileAndIsRebuiltWhenStaleOrDamaged)
{
    writeFixturePictures(dir.path());
    const QString cacheFolder = dir.filePath("cache");
    const QFileInfo source(dir.filePath("t0.bmp"));
    const PictureCache cache(cacheFolder);
    const QString entry = cache.entryPath(source, Display.pixelSize(), 1);
    const auto shownByANewRun = [&] { return middle(PictureStore(dir.path() + "/", cacheFolder).picture(Picture::t0, Display)); };
    const auto cached = [&] { return cache.load(QFileInfo(source.filePath()), Display.pixelSize(), 1); };

    EXPECT_EQ(shownByANewRun(), fixtureColour("t0.bmp"));
    ASSERT_TRUE(QFileInfo::exists(entry));
    QImage painted = cached();  // the entry painted over: a run that shows it has not read the file
    ASSERT_FALSE(painted.isNull());
    painted.fill(Qt::green);
    cache.store(source, painted, 1);
    EXPECT_EQ(shownByANewRun(), qRgb(0, 255, 0));

    QImage changed(24, 16, QImage::Format_RGB32);  // the file drawn anew
    changed.fill(Qt::blue);
    ASSERT_TRUE(changed.save(source.filePath(), "BMP"));
    QFile file(source.filePath());
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addSecs(60), QFileDevice::FileModificationTime));
    file.close();
    EXPECT_EQ(shownByANewRun(), qRgb(0, 0, 255));
    EXPECT_EQ(cached().pixel(5, 5), qRgb(0, 0, 255));

    QFile whole(entry);
    ASSERT_TRUE(whole.open(QIODevice::ReadOnly));
    const QByteArray cutShort = whole.read(100);
    whole.close();
    for (const QByteArray& damage : {cutShort, QByteArray("no entry at all")}) {
        QFile broken(entry);
        ASSERT_TRUE(broken.open(QIODevice::WriteOnly | QIODevice::Truncate));
        broken.write(damage);
        broken.close();
        EXPECT_EQ(shownByANewRun(), qRgb(0, 0, 255));
        EXPECT_EQ(cached().pixel(5, 5), qRgb(0, 0, 255));
    }
}

TEST_F(MediaFilesTest, AMissingWaveIsSilentAndClosingReleasesEverySound)
{
    // Sound i is the cue of command i; petting is 3. Written from the sound table, not from the code.
    const char* const waves[SoundBank::Count] = {"uta.wav", "odori.wav", "hirou.wav", "ai.wav"};
    for (int i = 0; i < SoundBank::Count; ++i)
        EXPECT_EQ(SoundBank::fileName(i), waves[i]);

    QFile wave(dir.filePath("odori.wav"));  // a tenth of a second of 8 kHz 16-bit mono silence
    ASSERT_TRUE(wave.open(QIODevice::WriteOnly));
    wave.write(QByteArray::fromHex("52494646 64060000 57415645 666d7420 10000000 0100 0100 401f0000 803e0000 0200 "
                                   "1000 64617461 40060000") + QByteArray(1600, '\0'));
    wave.close();
    SoundBank bank(dir.path() + "/");
    const auto loading = [&] { return bank.status(0) == QSoundEffect::Loading || bank.status(1) == QSoundEffect::Loading; };
    for (QDeadlineTimer limit(10000); loading() && !limit.hasExpired();)  // loading runs in the background
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_EQ(bank.status(0), QSoundEffect::Error);
    EXPECT_EQ(bank.status(1), QSoundEffect::Ready);
    for (int i = -1; i <= SoundBank::Count; ++i)
        bank.play(i);  // nothing to hear, nothing to fail
    bank.play(1);      // a restart of the same sound
    EXPECT_EQ(bank.status(1), QSoundEffect::Ready);

    bank.close();
    EXPECT_FALSE(bank.isOpen());
    for (int i = 0; i < SoundBank::Count; ++i)
        EXPECT_EQ(bank.status(i), QSoundEffect::Null) << i;
    bank.play(1);
}

}  // namespace mokopi::testing
