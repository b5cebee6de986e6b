#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "persist/save_folder_lock.h"

namespace mokopi {
namespace {

// Another copy of the game: a process that takes the lock and holds it until
// its input closes or it is killed. Says "free" or "busy".
struct OtherCopy {
    explicit OtherCopy(const QString& folder) {
        process.start(QStringLiteral(SAVE_FILE_PROBE), {"lock", folder});
        process.waitForReadyRead(5000);
        said = QString::fromUtf8(process.readLine()).trimmed().toStdString();
    }
    ~OtherCopy() {
        process.closeWriteChannel();
        process.waitForFinished(5000);
    }
    QProcess process;
    std::string said;
};

TEST(SaveFolderLock, OneCopyHoldsTheFolderAndALockLeftByAKilledCopyIsTakenOver) {
    QTemporaryDir folder;
    {
        OtherCopy first(folder.path());
        ASSERT_EQ(first.said, "free");
        EXPECT_TRUE(SaveFolderLock(folder.path()).heldElsewhere());
        // A game may run for days: an old lock of a running copy still holds.
        QFile lockFile(QDir(folder.path()).filePath(SaveLockFileName));
        ASSERT_TRUE(lockFile.open(QIODevice::ReadWrite));
        ASSERT_TRUE(lockFile.setFileTime(QDateTime::currentDateTime().addDays(-2), QFileDevice::FileModificationTime));
        EXPECT_TRUE(SaveFolderLock(folder.path()).heldElsewhere());
        first.process.kill();
    }
    ASSERT_TRUE(QDir(folder.path()).exists(SaveLockFileName));  // left behind by the killed copy
    const SaveFolderLock mine(folder.path());
    EXPECT_FALSE(mine.heldElsewhere());
    EXPECT_EQ(OtherCopy(folder.path()).said, "busy");
    // Where no lock can be made, the game runs; its saves will say why they fail.
    EXPECT_EQ(OtherCopy(QDir(folder.path()).filePath("missing")).said, "free");
}

}  // namespace
}  // namespace mokopi
