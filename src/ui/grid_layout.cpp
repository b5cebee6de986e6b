// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/grid_layout.h"

#include <algorithm>
#include <cmath>

namespace mokopi::ui {

PixelRect scaleRect(double left, double top, double width, double height, double scaleWidth, double scaleHeight,
                    int pixelWidth, int pixelHeight)
{
    auto edgeX = [&](double u) { return static_cast<int>(std::lround(u * pixelWidth / scaleWidth)); };
    auto edgeY = [&](double u) { return static_cast<int>(std::lround(u * pixelHeight / scaleHeight)); };
    const int x = edgeX(left), y = edgeY(top);
    return PixelRect{x, y, edgeX(left + width) - x, edgeY(top + height) - y};
}

WindowLayout computeWindowLayout(int screenHeightPixels, const Decorations& decorations)
{
    WindowLayout l;
    // Single precision on purpose: the sizes must come out as they always did.
    const float screenTwips = static_cast<float>(screenHeightPixels) * TwipsPerPixel;
    l.windowTwips = screenTwips / 3.0f * 2.0f;
    l.outerPixels = static_cast<int>(std::lround(l.windowTwips / TwipsPerPixel));
    l.baseFontSize = static_cast<int>(std::floor(l.windowTwips / 100.0f / 10.0f)) + 5;
    l.clientWidth = std::max(0, l.outerPixels - decorations.frameWidth);
    l.clientHeight = std::max(0, l.outerPixels - decorations.frameHeight - decorations.menuBarHeight);
    return l;
}

int fatigueBarPixels(int fatigueUnits, int panelWidthPixels)
{
    if (fatigueUnits <= 0 || panelWidthPixels <= 0)
        return 0;
    return static_cast<int>(std::lround(static_cast<double>(fatigueUnits) * panelWidthPixels / 255.0));
}

}  // namespace mokopi::ui
