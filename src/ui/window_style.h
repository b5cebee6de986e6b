// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QProxyStyle>

namespace mokopi::ui {

// The platform's style with one icon drawn here: the chevron of the button a
// menu bar shows when its menus do not fit. Every menu bar makes that button
// as it is built, and the style would read the chevron from an image file,
// which makes Qt try every image format plugin it has before the window's
// first frame. The game's menus always fit; the chevron is there all the same.
class WindowStyle final : public QProxyStyle {
public:
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

}  // namespace mokopi::ui
