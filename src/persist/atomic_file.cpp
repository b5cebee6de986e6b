// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "persist/atomic_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <ctime>
#include <random>

namespace mokopi::persist {
namespace {

// The same limit as the kernel's for one path.
constexpr int MaxLinkHops = 40;
constexpr std::size_t SuffixLength = 6;
constexpr std::string_view SuffixCharacters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
// Kept on every file written, whatever the old one had: a file its owner
// cannot read back is a save lost.
constexpr mode_t OwnerReadsAndWrites = S_IRUSR | S_IWUSR;

// The folder part of a path, with its slash ("" for a bare name).
std::string folderOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// A folder to open: a bare name lies in the current one.
const char* openableFolder(const std::string& folder) { return folder.empty() ? "." : folder.c_str(); }

std::string nameOf(const std::string& path) { return path.substr(folderOf(path).size()); }

// A suffix of lowercase letters only could be a word a player chose
// ("mokopi.dat.backup"); the copies never get one, so the sweep can leave
// such files alone.
bool isWordLike(std::string_view suffix)
{
    return std::all_of(suffix.begin(), suffix.end(), [](char c) { return c >= 'a' && c <= 'z'; });
}

std::string temporaryCopyName(const std::string& name)
{
    static std::mt19937 random{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> pick(0, SuffixCharacters.size() - 1);
    std::string suffix;
    do {
        suffix.clear();
        for (std::size_t i = 0; i < SuffixLength; ++i) {
            suffix += SuffixCharacters[pick(random)];
        }
    } while (isWordLike(suffix));
    return name + '.' + suffix;
}

// Whether `candidate` names one of those temporary copies of `name`.
bool isTemporaryCopyName(std::string_view candidate, std::string_view name)
{
    if (candidate.size() != name.size() + 1 + SuffixLength || !candidate.starts_with(name)
        || candidate[name.size()] != '.') {
        return false;
    }
    const std::string_view suffix = candidate.substr(name.size() + 1);
    return suffix.find_first_not_of(SuffixCharacters) == std::string_view::npos && !isWordLike(suffix);
}

int writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return written < 0 ? errno : EIO;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

// Makes a rename in the folder survive a power cut. Best effort: the new file
// is already in place, and a folder that cannot be synced is no reason to
// call the save failed.
void syncFolder(const std::string& folder)
{
    const int fd = ::open(openableFolder(folder), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

}  // namespace

LinkEnd followLinks(const std::string& path)
{
    std::string at = path;
    for (int hop = 0; hop <= MaxLinkHops; ++hop) {
        struct stat found {};
        if (::lstat(at.c_str(), &found) != 0) {
            return {at, errno == ENOENT ? 0 : errno};  // nothing there yet: a new file
        }
        if (!S_ISLNK(found.st_mode)) {
            return {at, 0};
        }
        std::string target(PATH_MAX, '\0');
        const ssize_t length = ::readlink(at.c_str(), target.data(), target.size());
        if (length < 0) {
            return {at, errno};
        }
        if (static_cast<std::size_t>(length) == target.size()) {
            return {at, ENAMETOOLONG};
        }
        target.resize(static_cast<std::size_t>(length));
        at = target.starts_with('/') ? target : folderOf(at) + target;
    }
    return {at, ELOOP};
}

int replaceAtomically(const std::string& path, std::string_view bytes, std::optional<mode_t> keepMode)
{
    const std::string folder = folderOf(path);
    std::string temporary;
    int fd = -1;
    while (fd < 0) {
        temporary = folder + temporaryCopyName(nameOf(path));
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) {
            return errno;
        }
    }
    int error = writeAll(fd, bytes);
    if (error == 0 && keepMode && ::fchmod(fd, *keepMode | OwnerReadsAndWrites) != 0) {
        error = errno;
    }
    if (error == 0 && ::fsync(fd) != 0) {
        error = errno;
    }
    if (::close(fd) != 0 && error == 0) {
        error = errno;
    }
    if (error == 0 && ::rename(temporary.c_str(), path.c_str()) != 0) {
        error = errno;
    }
    if (error != 0) {
        ::unlink(temporary.c_str());
        return error;
    }
    syncFolder(folder);
    return 0;
}

void removeStaleTemporaryCopies(const std::string& path, std::chrono::seconds age)
{
    const std::string folder = folderOf(path), name = nameOf(path);
    DIR* listing = ::opendir(openableFolder(folder));
    if (!listing) {
        return;  // the save itself will say what is wrong with the folder
    }
    const std::time_t before = std::time(nullptr) - age.count();
    while (const dirent* entry = ::readdir(listing)) {
        if (!isTemporaryCopyName(entry->d_name, name)) {
            continue;
        }
        const std::string copy = folder + entry->d_name;
        struct stat found {};
        // Never through a link, and only a file the copies could have become.
        if (::lstat(copy.c_str(), &found) == 0 && S_ISREG(found.st_mode) && found.st_mtime < before) {
            ::unlink(copy.c_str());
        }
    }
    ::closedir(listing);
}

}  // namespace mokopi::persist
