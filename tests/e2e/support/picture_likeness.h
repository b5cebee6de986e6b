// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDir>
#include <QImage>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <string>

namespace mokopi::e2e {

// Which of the game's picture files an area of the screen shows. The game
// stretches every picture to the pet area, and small copies compare whatever
// the stretch.
class PictureLikeness {
public:
    explicit PictureLikeness(const QString& folder)
    {
        for (const QString& file : QDir(folder).entryList({"*.bmp"}))
            smallCopies_[file.toStdString()] = small(QImage(QDir(folder).filePath(file)));
    }

    // The file name of the picture nearest to the area, e.g. "t0.bmp".
    std::string nearest(const QImage& area) const
    {
        const QImage shot = small(area);
        const auto difference = [&](const QImage& picture) {  // rows of 96 bytes: no padding
            long sum = 0;
            for (qsizetype i = 0; i < shot.sizeInBytes(); ++i)
                sum += std::abs(shot.constBits()[i] - picture.constBits()[i]);
            return sum;
        };
        return std::min_element(
                   smallCopies_.begin(), smallCopies_.end(),
                   [&](const auto& a, const auto& b) { return difference(a.second) < difference(b.second); })
            ->first;
    }

private:
    static QImage small(const QImage& image)
    {
        return image.convertToFormat(QImage::Format_RGB888)
            .scaled(32, 32, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }

    std::map<std::string, QImage> smallCopies_;
};

}  // namespace mokopi::e2e
