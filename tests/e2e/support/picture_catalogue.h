#pragma once

#include <QImage>

#include <filesystem>
#include <map>
#include <string>

namespace mokopi::e2e {

// Tells which of the game's picture files a screenshot of the pet area shows,
// by comparing small copies of both: the game stretches every picture to the
// pet area, so the stretch does not matter.
class PictureCatalogue {
public:
    // Every *.bmp in the folder.
    explicit PictureCatalogue(const std::filesystem::path& folder);

    struct Match {
        std::string file;   // the closest picture, e.g. "t0.bmp"
        double distance;    // mean difference per channel, 0..255
    };
    Match closest(const QImage& shot) const;

private:
    std::map<std::string, QImage> thumbnails_;
};

}  // namespace mokopi::e2e
