// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <X11/Xlib.h>

#include "damage_watch.h"
#include "virtual_screen.h"

namespace mokopi::bench {
namespace {

TEST(VirtualScreenTest, ScreenOfTheAskedSizeWithItsWindowManagerGoesWithTheObject)
{
    std::string name;
    {
        const VirtualScreen screen(400, 300, true, "/dev/null");
        name = screen.name();
        const Area whole = DamageWatch(name).grabScreen();
        EXPECT_EQ(whole.width, 400);
        EXPECT_EQ(whole.height, 300);
        EXPECT_EQ(whole.pixels.size(), 400u * 300u);
    }
    Display* gone = XOpenDisplay(name.c_str());
    EXPECT_EQ(gone, nullptr);
    if (gone != nullptr)
        XCloseDisplay(gone);
}

}  // namespace
}  // namespace mokopi::bench
