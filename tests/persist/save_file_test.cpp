// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QDateTime>

#include <sys/stat.h>
#include <sys/sysmacros.h>

#include "persist/probe_runner.h"
#include "persist/save_file.h"
#include "persist/save_folder_lock.h"

inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}  // failures show text

namespace mokopi::testing {

using namespace persist;
namespace {

std::string why(const auto& failed) { return std::get<FileError>(failed).reason; }

QStringList filesIn(const QString& folder)
{
    QStringList files = QDir(folder).entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
    files.sort();
    return files;
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()) << path.toStdString();
}

// What a look at a path tells without opening anything but a regular file:
// the same before and after means the thing at the path was not touched.
QString fingerprint(const QString& path)
{
    struct stat found {};
    if (::lstat(QFile::encodeName(path).constData(), &found) != 0) {
        return QStringLiteral("(missing)");
    }
    return QStringLiteral("mode %1 inode %2 size %3 device %4 changed %5.%6 sha1 %7")
        .arg(found.st_mode)
        .arg(found.st_ino)
        .arg(found.st_size)
        .arg(found.st_rdev)
        .arg(found.st_mtim.tv_sec)
        .arg(found.st_mtim.tv_nsec)
        .arg(S_ISREG(found.st_mode) ? QCryptographicHash::hash(fileBytes(path), QCryptographicHash::Sha1).toHex()
                                    : "-");
}

TEST(SaveFile, ReadsOnlyAFileOfAtMost64KiBAndNeverSavesOverAFolder)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("mokopi.dat"), big = folder.filePath("big");
    EXPECT_EQ(why(readSaveFile(path)), "セーブファイルがありません");
    ASSERT_EQ(writeSaveFile(big, std::string(64 * 1024, 'x')).index(), 0u);
    EXPECT_EQ(std::get<std::string>(readSaveFile(big)).size(), 64u * 1024);
    writeFile(big, QByteArray(64 * 1024 + 1, 'x'));
    EXPECT_EQ(why(readSaveFile(big)), "セーブファイルが大きすぎます");
    ASSERT_TRUE(QDir(folder.path()).mkpath("mokopi.dat/inside"));
    EXPECT_EQ(why(readSaveFile(path)), "セーブファイルの場所にフォルダーがあります");
    EXPECT_EQ(why(writeSaveFile(path, "new")), "セーブファイルの場所にフォルダーがあります");
    EXPECT_TRUE(QDir(path).exists("inside"));
    EXPECT_EQ(why(writeSaveFile(folder.filePath("gone/mokopi.dat"), "new")), "保存先のフォルダーがありません");
}

// A save killed between writing its temporary copy and the rename leaves the
// copy behind; the next save removes such copies once they are a minute old,
// and nothing else.
TEST(SaveFile, ASaveKeepsThePermissionsAndSweepsOnlyItsOwnStaleCopies)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("mokopi.dat");
    const QStringList kept{"mokopi.dat.Xy9zQw", "mokopi.dat.backup", "mokopi.dat.bak", "mokopi.dat.Ab3dEf7",
                           "other.dat.Ab3dEf"};
    for (const QString& name : kept + QStringList{"mokopi.dat.Ab3dEf", "mokopi.dat.AbCdEf"}) {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        if (name != "mokopi.dat.Xy9zQw") {  // a copy of a save in progress
            file.setFileTime(QDateTime::currentDateTime().addSecs(-120), QFileDevice::FileModificationTime);
        }
    }
    writeFile(path, "old");
    ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner));
    ASSERT_EQ(writeSaveFile(path, "new").index(), 0u);
    EXPECT_EQ(fileBytes(path), "new");
    EXPECT_EQ(QFile::permissions(path), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
    QStringList left = kept + QStringList{"mokopi.dat"};
    left.sort();
    EXPECT_EQ(filesIn(folder.path()), left);

    // Never kept: a mode that shuts the owner out, or the next load would fail.
    const QByteArray native = QFile::encodeName(path);
    for (const auto& [before, after] : {std::pair<mode_t, mode_t>{0640, 0640}, {0000, 0600}, {0444, 0644}}) {
        ASSERT_EQ(::chmod(native.constData(), before), 0);
        ASSERT_EQ(writeSaveFile(path, "new").index(), 0u);
        struct stat found {};
        ASSERT_EQ(::stat(native.constData(), &found), 0);
        EXPECT_EQ(found.st_mode & 07777, after) << std::oct << before;
    }
}

// The cases a real player's rights decide, run as nobody when the tests run as
// root; the thing the save file's name leads to must come out untouched.
TEST(UnprivilegedSaveFile, ASaveIntoAReadOnlyFolderFailsAndLeavesTheOldFileAsItWas)
{
    const ProbeRunner probe;
    const QString folder = probe.folder("closed", false), path = folder + "/mokopi.dat";
    writeFile(path, "old");
    ProbeRunner::close(folder);
    EXPECT_EQ(probe.run("save", path), "書き込む権限がありません");
    EXPECT_EQ(probe.run("load", path), "loaded 3 bytes");
    EXPECT_EQ(filesIn(folder), QStringList{"mokopi.dat"});
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// In place of the save file, or where a link by its name leads: a pipe, a device, a file too large for a save
// are refused at once; a regular file that fits, or none yet, is saved.
TEST(UnprivilegedSaveFile, ALinkIsFollowedOnlyToARegularFileNoLargerThanASave)
{
    const ProbeRunner probe;
    const QString folder = probe.folder("game", true), link = folder + "/mokopi.dat";
    const auto inFolder = [&](const char* name) { return folder + "/" + name; };
    ASSERT_EQ(::mkfifo(QFile::encodeName(inFolder("pipe")).constData(), 0666), 0);
    // Root makes a device node of its own to try; anyone else, or root in a container that may not make
    // devices, tries the real /dev/null, which the unprivileged probe could not replace anyway.
    QString device = QStringLiteral("/dev/null");
    if (runningAsRoot()
        && ::mknod(QFile::encodeName(inFolder("device")).constData(), S_IFCHR | 0666, ::makedev(1, 3)) == 0) {
        device = inFolder("device");
    }
    QByteArray noise(64 * 1024 + 1, '\0');
    for (int i = 0; i < noise.size(); ++i) {
        noise[i] = static_cast<char>(i * 7919 % 251);
    }
    writeFile(inFolder("big"), noise);
    writeFile(inFolder("fits"), noise.left(64 * 1024));
    const std::pair<QString, QString> cases[] = {
        // the target and what the probe says of a save and a load
        {inFolder("pipe"), "セーブファイルの場所にパイプがあります"},
        {device, "セーブファイルの場所にデバイスがあります"},
        {inFolder("big"), "セーブファイルが大きすぎます"},
        {inFolder("fits"), "saved loaded 9 bytes"},
        {inFolder("not-yet"), "saved loaded 9 bytes"},
    };
    for (const auto& [target, said] : cases) {
        if (!target.startsWith("/dev/")) {
            QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther | QFile::WriteOther);
        }
        QFile::remove(link);
        ASSERT_TRUE(QFile::link(target, link));
        for (const QString& path : {link, target}) {
            SCOPED_TRACE(path.toStdString());
            const QString before = fingerprint(target);
            const QStringList files = filesIn(folder);
            const QString saved = probe.run("save", path), loaded = probe.run("load", path);
            if (said.startsWith("saved")) {
                EXPECT_EQ(saved + " " + loaded, said);
                EXPECT_EQ(fileBytes(target), "\"probe\"\r\n");
            } else {
                EXPECT_EQ(saved, said);
                EXPECT_EQ(loaded, said);
                EXPECT_EQ(fingerprint(target), before);
                EXPECT_EQ(filesIn(folder), files);
            }
        }
        EXPECT_EQ(QFile::symLinkTarget(link), target);
    }
}

// Another copy of the game: a process that takes the lock and holds it until
// its input closes or it is killed. Says "free" or "busy".
struct OtherCopy {
    explicit OtherCopy(const QString& folder)
    {
        process.start(QStringLiteral(SAVE_FILE_PROBE), {"lock", folder});
        process.waitForReadyRead(5000);
        said = QString::fromUtf8(process.readLine()).trimmed().toStdString();
    }
    ~OtherCopy()
    {
        process.closeWriteChannel();
        process.waitForFinished(5000);
    }
    QProcess process;
    std::string said;
};

TEST(SaveFolderLock, OneCopyHoldsTheFolderAndALockLeftByAKilledCopyIsTakenOver)
{
    QTemporaryDir folder;
    {
        OtherCopy first(folder.path());
        ASSERT_EQ(first.said, "free");
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
}  // namespace mokopi::testing
