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

    QString path() const { return folder.filePath("mokopi.dat"); }

    static void put(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }

    static QByteArray contents(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
    }

    // A failed save leaves the old file as it was and no temporary file beside it.
    void expectFailedSaveLeftOldFile(const std::variant<std::monostate, FileError>& result) {
        const auto* error = std::get_if<FileError>(&result);
        ASSERT_NE(error, nullptr) << "the save reported success";
        EXPECT_FALSE(error->reason.empty());
        EXPECT_EQ(contents(path()), OldSave);
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"mokopi.dat"});
    }

    const QByteArray OldSave = "\"old\",\"save\",1,2,3,4,5,6\r\n";
    const std::string NewSave = std::string(300, 'n') + "\r\n";
    QTemporaryDir folder;
};

std::string readError(const QString& path) {
    const auto result = readSaveFile(path);
    const auto* error = std::get_if<FileError>(&result);
    return error ? error->reason : "(read)";
}

TEST_F(SaveFile, WritesThenReadsTheSameBytes) {
    put(path(), OldSave + OldSave + OldSave);
    const std::string bytes = std::string("\"\x82\xE4\",\0,#TRUE#\r\n", 16);
    ASSERT_TRUE(std::holds_alternative<std::monostate>(writeSaveFile(path(), bytes)));
    const auto result = readSaveFile(path());
    ASSERT_TRUE(std::holds_alternative<std::string>(result)) << readError(path());
    EXPECT_EQ(std::get<std::string>(result), bytes);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"mokopi.dat"});
}

TEST_F(SaveFile, RefusesToReadWhatIsNoSaveFile) {
    EXPECT_EQ(readError(path()), "セーブファイルがありません");

    ASSERT_TRUE(QDir(folder.path()).mkdir("mokopi.dat"));
    EXPECT_EQ(readError(path()), "セーブファイルの場所にフォルダーがあります");

    const QString big = folder.filePath("big.dat");
    put(big, QByteArray(64 * 1024, 'x'));
    EXPECT_EQ(readError(big), "(read)");
    put(big, QByteArray(64 * 1024 + 1, 'x'));
    EXPECT_EQ(readError(big), "セーブファイルが大きすぎます");

    EXPECT_EQ(readError("/dev/zero"), "セーブファイルではありません");
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
    put(path(), OldSave);
    ASSERT_TRUE(QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner));
    const auto result = writeSaveFile(path(), NewSave);
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    expectFailedSaveLeftOldFile(result);
}

TEST_F(SaveFile, FailedSaveOnAFullDiskKeepsOldFile) {
    put(path(), OldSave);
    // A file size limit makes writes fail as a full disk does, even for root.
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 100;
    const auto oldSignal = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const auto result = writeSaveFile(path(), NewSave);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldSignal);
    expectFailedSaveLeftOldFile(result);
}

}  // namespace
}  // namespace mokopi
