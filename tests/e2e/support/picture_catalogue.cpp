#include "support/picture_catalogue.h"

#include <cstdlib>
#include <limits>
#include <stdexcept>

namespace mokopi::e2e {

namespace {

constexpr int ThumbnailSize = 64;

QImage thumbnail(const QImage& image)
{
    return image.convertToFormat(QImage::Format_RGB32)
        .scaled(ThumbnailSize, ThumbnailSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

double meanDifference(const QImage& a, const QImage& b)
{
    long long sum = 0;
    for (int y = 0; y < ThumbnailSize; ++y) {
        const auto* p = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* q = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < ThumbnailSize; ++x)
            sum += std::abs(qRed(p[x]) - qRed(q[x])) + std::abs(qGreen(p[x]) - qGreen(q[x]))
                 + std::abs(qBlue(p[x]) - qBlue(q[x]));
    }
    return static_cast<double>(sum) / (3.0 * ThumbnailSize * ThumbnailSize);
}

}  // namespace

PictureCatalogue::PictureCatalogue(const std::filesystem::path& folder)
{
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.path().extension() != ".bmp")
            continue;
        const QImage image(QString::fromStdString(entry.path().string()));
        if (image.isNull())
            throw std::runtime_error("unreadable picture " + entry.path().string());
        thumbnails_[entry.path().filename().string()] = thumbnail(image);
    }
}

PictureCatalogue::Match PictureCatalogue::closest(const QImage& shot) const
{
    const QImage small = thumbnail(shot);
    Match best{"", std::numeric_limits<double>::max()};
    for (const auto& [file, picture] : thumbnails_) {
        const double d = meanDifference(small, picture);
        if (d < best.distance)
            best = {file, d};
    }
    return best;
}

}  // namespace mokopi::e2e
