#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QTemporaryDir>

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

TEST_F(MediaFilesTest, TheStoreKeepsThe34PicturesAtTheDisplaySizeOrNamesTheFirstFileToFail)
{
    writeFixturePictures(dir.path());
    PictureStore store(dir.path() + "/");
    store.loadAll(QSize(40, 30));
    for (int i = 0; i < PictureCount; ++i) {
        const QImage image = store.picture(pictureAt(i)).toImage();
        EXPECT_EQ(image.size(), QSize(40, 30)) << i;
        EXPECT_EQ(image.pixel(20, 15), fixtureColour(fileName(pictureAt(i)))) << i;
    }
    QFile::remove(dir.filePath("t0.bmp"));
    writeFixturePicture(dir.path(), "h0.bmp", true);  // the exhausted pair is read before the ordinary one
    try {
        store.loadAll(QSize(40, 30));
        ADD_FAILURE() << "loaded with h0.bmp broken";
    } catch (const PictureFileError& e) {
        EXPECT_EQ(e.path(), dir.filePath("h0.bmp"));
        EXPECT_EQ(e.kind(), PictureFileError::Kind::Unreadable);
    }
    EXPECT_FALSE(store.isLoaded());
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
