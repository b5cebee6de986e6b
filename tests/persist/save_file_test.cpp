#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <unistd.h>

#include "persist/save_file.h"

namespace mokopi {

std::string why(const auto& failed) { return std::get<FileError>(failed).reason; }

TEST(SaveFile, ReadsOnlyAFileOfAtMost64KiBAndNeverSavesOverAFolder) {
    QTemporaryDir folder;
    const QString path = folder.filePath("mokopi.dat"), big = folder.filePath("big");
    EXPECT_EQ(why(readSaveFile(path)), "セーブファイルがありません");
    ASSERT_EQ(writeSaveFile(big, std::string(64 * 1024, 'x')).index(), 0u);
    EXPECT_EQ(std::get<std::string>(readSaveFile(big)).size(), 64u * 1024);
    ASSERT_EQ(writeSaveFile(big, std::string(64 * 1024 + 1, 'x')).index(), 0u);
    EXPECT_EQ(why(readSaveFile(big)), "セーブファイルが大きすぎます");
    ASSERT_TRUE(QDir(folder.path()).mkpath("mokopi.dat/inside"));
    EXPECT_EQ(why(readSaveFile(path)), "セーブファイルの場所にフォルダーがあります");
    EXPECT_EQ(writeSaveFile(path, "new").index(), 1u);
    EXPECT_TRUE(QDir(path).exists("inside"));
}

// A full disk, which root meets too, is tried through the window's save.
TEST(SaveFile, ASaveIntoAReadOnlyFolderFailsAndLeavesTheOldFileAsItWas) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "root writes into read-only folders";
    }
    QTemporaryDir folder;
    const QString path = folder.filePath("mokopi.dat");
    ASSERT_EQ(writeSaveFile(path, "old").index(), 0u);
    ASSERT_TRUE(QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner));
    EXPECT_FALSE(why(writeSaveFile(path, "new")).empty());
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(std::get<std::string>(readSaveFile(path)), "old");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"mokopi.dat"});
}

}  // namespace mokopi
