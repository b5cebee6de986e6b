// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QString>

namespace mokopi::ui {

// The families the window asks for. None of them exists on a Linux desktop,
// and fontconfig would hand back a Latin font that shows Japanese as boxes:
// the first font asked for maps the two Japanese ones to the Japanese fonts
// installed (and the clock to a clean sans).
inline const QString GothicFamily = QStringLiteral("ＭＳ Ｐゴシック");
inline const QString MinchoFamily = QStringLiteral("ＭＳ Ｐ明朝");
inline const QString ClockFamily = QStringLiteral("Westminster");

// The installed families that stand for the two Japanese ones: a gothic
// (sans) and a mincho (serif), the proportional IPA fonts when installed,
// else the Japanese fonts fontconfig has, best first. Both are empty when no
// installed font shows Japanese.
struct JapaneseFonts {
    QString gothic;
    QString mincho;
    bool found() const { return !gothic.isEmpty(); }
};

// Asked of fontconfig once, on the first call.
const JapaneseFonts& japaneseFonts();

// The font in one of the families above.
QFont inDesignFamily(QFont font, const QString& family);
QFont designFont(const QString& family, int pointSize, QFont::Weight weight = QFont::Normal);

}  // namespace mokopi::ui
