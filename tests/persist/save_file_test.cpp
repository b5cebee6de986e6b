#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

#include "persist/save_file.h"

namespace mokopi {
namespace {

class SaveFile : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }

    QString path(const char* name = "mokopi.dat") const { return folder.filePath(name); }

    static void put(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }

    static std::string readOrError(const QString& path) {
        const auto result = readSaveFile(path);
        const auto* error = std::get_if<FileError>(&result);
        return error ? error->reason : std::get<std::string>(result);
    }

    // The save must report failure and leave the old file alone, with no
    // temporary file beside it.
    void expectFailedSaveKeptOldFile(const std::variant<std::monostate, FileError>& result) {
        const auto* error = std::get_if<FileError>(&result);
        ASSERT_NE(error, nullptr) << "the save reported success";
        EXPECT_FALSE(error->reason.empty());
        EXPECT_EQ(readOrError(path()), OldSave);
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"mokopi.dat"});
    }

    const std::string OldSave = "\"old\",\"save\",1,2,3,4,5,6\r\n";
    const std::string NewSave = std::string(300, 'n') + "\r\n";
    QTemporaryDir folder;
};

TEST_F(SaveFile, ReplacesTheOldFileWithExactlyTheNewBytes) {
    put(path(), QByteArray::fromStdString(NewSave));
    const std::string bytes("\"\x82\xE4\",\0,#TRUE#\r\n", 16);
    EXPECT_TRUE(std::holds_alternative<std::monostate>(writeSaveFile(path(), bytes)));
    EXPECT_EQ(readOrError(path()), bytes);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"mokopi.dat"});
}

TEST_F(SaveFile, RefusesToReadWhatIsNoSaveFile) {
    EXPECT_EQ(readOrError(path()), "セーブファイルがありません");
    ASSERT_TRUE(QDir(folder.path()).mkdir("mokopi.dat"));
    EXPECT_EQ(readOrError(path()), "セーブファイルの場所にフォルダーがあります");
    EXPECT_EQ(readOrError("/dev/zero"), "セーブファイルではありません");
    put(path("big"), QByteArray(64 * 1024, 'x'));
    EXPECT_EQ(readOrError(path("big")).size(), 64u * 1024);
    put(path("big"), QByteArray(64 * 1024 + 1, 'x'));
    EXPECT_EQ(readOrError(path("big")), "セーブファイルが大きすぎます");
}

TEST_F(SaveFile, FailsWhenADirectoryStandsInThePlaceOfTheFile) {
    ASSERT_TRUE(QDir(folder.path()).mkpath("mokopi.dat/inside"));
    EXPECT_TRUE(std::holds_alternative<FileError>(writeSaveFile(path(), NewSave)));
    EXPECT_TRUE(QDir(path()).exists("inside"));
}

TEST_F(SaveFile, FailedSaveIntoReadOnlyFolderKeepsOldFile) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "root writes into read-only folders; the full-disk case covers the same path";
    }
    put(path(), QByteArray::fromStdString(OldSave));
    ASSERT_TRUE(QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner));
    const auto result = writeSaveFile(path(), NewSave);
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    expectFailedSaveKeptOldFile(result);
}

TEST_F(SaveFile, FailedSaveOnAFullDiskKeepsOldFile) {
    put(path(), QByteArray::fromStdString(OldSave));
    // A file size limit makes writes fail as a full disk does, even for root.
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 100;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const auto result = writeSaveFile(path(), NewSave);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    expectFailedSaveKeptOldFile(result);
}

}  // namespace
}  // namespace mokopi
