// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace mokopi::ui {

// The window is laid out once at start-up from the screen height, the way
// the game always did it: sizes in twips (15 to a pixel), an outer square two
// thirds of the screen high, and a 10 x 10 grid over the client area.

inline constexpr float TwipsPerPixel = 15.0f;

// What the window system adds around the grid area, in pixels.
struct Decorations {
    int frameWidth = 0;   // left + right border
    int frameHeight = 0;  // title bar + top and bottom border
    int menuBarHeight = 0;
    friend bool operator==(const Decorations&, const Decorations&) = default;
};

struct PixelRect {
    int x = 0, y = 0, width = 0, height = 0;
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// A rectangle given in a container's own scale (scaleWidth x scaleHeight
// units over pixelWidth x pixelHeight pixels). Edges are rounded, not sizes,
// so neighbouring cells meet without gaps.
PixelRect scaleRect(double left, double top, double width, double height, double scaleWidth, double scaleHeight,
                    int pixelWidth, int pixelHeight);

struct WindowLayout {
    float windowTwips = 0;  // outer width = outer height
    int outerPixels = 0;
    int baseFontSize = 0;  // BaseFontSize
    int clientWidth = 0;   // the grid area, below the menu bar
    int clientHeight = 0;

    int buttonFontSize() const { return baseFontSize; }
    int clockFontSize() const { return 2 * baseFontSize; }  // hour and day
    int speechFontSize() const { return baseFontSize; }
    int statusFontSize() const { return baseFontSize; }
    int hintFontSize() const { return baseFontSize - 1; }  // LblKazari

    // A rectangle on the window's 10 x 10 grid.
    PixelRect cell(double left, double top, double width, double height) const
    {
        return scaleRect(left, top, width, height, 10, 10, clientWidth, clientHeight);
    }
};

WindowLayout computeWindowLayout(int screenHeightPixels, const Decorations& decorations);

// The speech panel is 255 units wide, one unit per point of fatigue. A bar
// wider than the panel is clipped by it.
int fatigueBarPixels(int fatigueUnits, int panelWidthPixels);

}  // namespace mokopi::ui
