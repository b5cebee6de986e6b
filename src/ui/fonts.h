// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QString>

namespace mokopi::ui {

// The three faces of the window's design: a proportional gothic (its
// "ＭＳ Ｐゴシック") for most texts, a proportional mincho ("ＭＳ Ｐ明朝") for
// the status panel and a clean sans ("Westminster") for the hour and the day.
// None of the design's families exists on a Linux desktop; each face is asked
// for by the name of an installed family fontconfig knows, so that Qt looks
// up nothing in vain.
enum class FontRole { Gothic, Mincho, Clock };

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

// The font in the families of one of the design's faces.
QFont inDesignFamily(QFont font, FontRole role);
QFont designFont(FontRole role, int pointSize, QFont::Weight weight = QFont::Normal);

}  // namespace mokopi::ui
