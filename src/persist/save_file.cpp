// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "persist/save_file.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "persist/atomic_file.h"
#include "persist/file_causes.h"

namespace mokopi::persist {
namespace {

// Older than any save in progress: a save takes well under a second.
constexpr std::chrono::seconds StaleCopyAge{60};

std::string nativePath(const QString& path) { return QFile::encodeName(path).toStdString(); }

// Closes the file however reading it ends.
struct OpenFile {
    explicit OpenFile(int descriptor) : fd(descriptor) {}
    ~OpenFile()
    {
        if (fd >= 0) {
            ::close(fd);
        }
    }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    const int fd;
};

FileError readError(int error) { return FileError{causeOf(error, FileAccess::Read)}; }

FileError writeError(int error) { return FileError{causeOf(error, FileAccess::Write)}; }

}  // namespace

std::variant<std::string, FileError> readSaveFile(const QString& path)
{
    const std::string native = nativePath(path);
    struct stat found {};
    if (::stat(native.c_str(), &found) != 0) {
        return readError(errno);
    }
    if (auto refusal = notASaveFile(found)) {
        return FileError{*refusal};
    }
    // Should a pipe be put in the file's place after the look above, opening
    // it without blocking still returns at once, and the second look refuses it.
    const OpenFile file(::open(native.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.fd < 0) {
        return readError(errno);
    }
    if (::fstat(file.fd, &found) != 0) {
        return readError(errno);
    }
    if (auto refusal = notASaveFile(found)) {
        return FileError{*refusal};
    }
    std::string bytes(static_cast<std::size_t>(MaxSaveFileBytes) + 1, '\0');
    std::size_t size = 0;
    while (size < bytes.size()) {
        const ssize_t got = ::read(file.fd, bytes.data() + size, bytes.size() - size);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            return readError(errno);
        }
        if (got == 0) {
            break;
        }
        size += static_cast<std::size_t>(got);
    }
    if (size > static_cast<std::size_t>(MaxSaveFileBytes)) {
        return FileError{SaveFileTooLarge};  // it grew since the look
    }
    bytes.resize(size);
    return bytes;
}

std::variant<std::monostate, FileError> writeSaveFile(const QString& path, const std::string& bytes)
{
    const std::string native = nativePath(path);
    const LinkEnd target = followLinks(native);
    if (target.error != 0) {
        return writeError(target.error);
    }
    std::optional<mode_t> keepMode;
    struct stat found {};
    if (::stat(target.path.c_str(), &found) == 0) {
        if (auto refusal = notASaveFile(found)) {
            return FileError{*refusal};
        }
        keepMode = found.st_mode & 07777;
    } else if (errno != ENOENT) {
        return writeError(errno);
    }
    // Only the game's own folder is swept, never the folder a link leads to.
    removeStaleTemporaryCopies(native, StaleCopyAge);
    if (const int error = replaceAtomically(target.path, bytes, keepMode)) {
        return writeError(error);
    }
    return std::monostate{};
}

}  // namespace mokopi::persist
