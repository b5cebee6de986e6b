#pragma once

#include <filesystem>
#include <string>

#include "support/temporary_folder.h"

namespace mokopi::e2e {

// A fresh copy of the built application folder (the program with its
// pictures and sounds), so that every test starts with no save file and may
// break files without touching the build. The build says where the original
// lies through MOKOPI_APP_DIR.
class AppFolder {
public:
    AppFolder();

    std::filesystem::path path() const { return folder_.path(); }
    std::filesystem::path operator/(const std::string& file) const { return folder_ / file; }
    std::filesystem::path program() const { return folder_ / "mokopi"; }
    std::filesystem::path saveFile() const { return folder_ / "mokopi.dat"; }

private:
    TemporaryFolder folder_;
};

}  // namespace mokopi::e2e
