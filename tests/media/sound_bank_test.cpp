#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDataStream>
#include <QDeadlineTimer>
#include <QFile>
#include <QTemporaryDir>

#include "media/gui_app.h"
#include "media/sound_bank.h"

using mokopi::SoundBank;

namespace {

// A short 16-bit mono PCM wave of silence.
void writeWave(const QString& path)
{
    const quint32 rate = 8000, samples = 800;
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    QDataStream out(&file);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + samples * 2);
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(1) << rate << quint32(rate * 2) << quint16(2) << quint16(16);
    out.writeRawData("data", 4);
    out << quint32(samples * 2);
    for (quint32 i = 0; i < samples; ++i)
        out << qint16(0);
}

// Loading runs in the background: wait until sound i has settled.
QSoundEffect::Status settledStatus(const SoundBank& bank, int i)
{
    QDeadlineTimer deadline(10000);
    while (bank.status(i) == QSoundEffect::Loading && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return bank.status(i);
}

class SoundBankTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        mokopi::testing::ensureGuiApplication();
        ASSERT_TRUE(dir.isValid());
    }
    QString appPath() const { return dir.path() + "/"; }
    QTemporaryDir dir;
};

}  // namespace

TEST_F(SoundBankTest, MissingFileIsSilentAndClosingReleasesAll)
{
    writeWave(appPath() + "odori.wav");
    SoundBank bank(appPath());
    EXPECT_EQ(settledStatus(bank, 0), QSoundEffect::Error);
    EXPECT_EQ(settledStatus(bank, 1), QSoundEffect::Ready);
    for (int i = -1; i <= SoundBank::Count; ++i)
        bank.play(i);  // nothing to hear, nothing to fail
    bank.play(1);      // a restart of the same sound
    EXPECT_EQ(bank.status(1), QSoundEffect::Ready);

    bank.close();
    EXPECT_FALSE(bank.isOpen());
    for (int i = 0; i < SoundBank::Count; ++i)
        EXPECT_EQ(bank.status(i), QSoundEffect::Null);
    bank.play(1);
}
