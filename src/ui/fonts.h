// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QString>

namespace mokopi::ui {

// The families the window asks for. None of them exists on a Linux desktop,
// and fontconfig would hand back a Latin font that shows Japanese as boxes:
// the first font asked for maps them to the installed IPA fonts (and a clean
// sans for the clock).
inline const QString GothicFamily = QStringLiteral("ＭＳ Ｐゴシック");
inline const QString MinchoFamily = QStringLiteral("ＭＳ Ｐ明朝");
inline const QString ClockFamily = QStringLiteral("Westminster");

// The font in one of the families above.
QFont inDesignFamily(QFont font, const QString& family);
QFont designFont(const QString& family, int pointSize, QFont::Weight weight = QFont::Normal);

}  // namespace mokopi::ui
