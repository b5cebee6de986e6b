#include "support/app_folder.h"

#include <cstdlib>
#include <stdexcept>

namespace mokopi::e2e {

AppFolder::AppFolder() : folder_("mokopi-e2e-app")
{
    const char* built = std::getenv("MOKOPI_APP_DIR");
    if (built == nullptr || !std::filesystem::is_regular_file(std::filesystem::path(built) / "mokopi"))
        throw std::runtime_error("MOKOPI_APP_DIR must name the built application folder");
    std::filesystem::copy(built, folder_.path(), std::filesystem::copy_options::recursive);
    std::filesystem::remove(saveFile());
}

}  // namespace mokopi::e2e
