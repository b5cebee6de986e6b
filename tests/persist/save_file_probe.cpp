// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A save, a load or the folder lock in a process of its own, so that the tests
// can run them as an unprivileged user and stop one that blocks.
//   save_file_probe save PATH    writes a short record; prints "saved" or why not
//   save_file_probe load PATH    prints "loaded N bytes" or why not
//   save_file_probe lock FOLDER  prints "free" (this copy may run) or "busy",
//                                then holds the lock until its input closes
#include <cstdio>
#include <iostream>
#include <string>
#include <variant>

#include "persist/save_file.h"
#include "persist/save_folder_lock.h"

using namespace mokopi;
using namespace mokopi::persist;

namespace {

int report(const auto& result, const std::string& success)
{
    if (const auto* error = std::get_if<FileError>(&result)) {
        std::cout << error->reason << std::endl;
        return 1;
    }
    std::cout << success << std::endl;
    return 0;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::cerr << "usage: save_file_probe save|load|lock PATH\n";
        return 2;
    }
    const std::string command = argv[1];
    const QString path = QString::fromLocal8Bit(argv[2]);
    if (command == "save") {
        return report(writeSaveFile(path, "\"probe\"\r\n"), "saved");
    }
    if (command == "load") {
        const auto read = readSaveFile(path);
        const auto* bytes = std::get_if<std::string>(&read);
        return report(read, "loaded " + std::to_string(bytes ? bytes->size() : 0) + " bytes");
    }
    if (command == "lock") {
        const SaveFolderLock lock(path);
        std::cout << (lock.heldElsewhere() ? "busy" : "free") << std::endl;
        while (std::getchar() != EOF) {}
        return 0;
    }
    return 2;
}
