// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/fonts.h"

#include <QStringList>

namespace mokopi::ui {

namespace {

void installFontSubstitutions()
{
    // The IPA fonts come first; the others keep a Japanese glyph at hand if
    // the IPA packages are missing.
    const QStringList japaneseFallbacks = {QStringLiteral("Noto Sans CJK JP"), QStringLiteral("VL PGothic"),
                                           QStringLiteral("TakaoPGothic")};
    QFont::insertSubstitutions(
        GothicFamily, QStringList{QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic")} + japaneseFallbacks);
    QFont::insertSubstitutions(
        MinchoFamily,
        QStringList{QStringLiteral("IPAPMincho"), QStringLiteral("IPAMincho"), QStringLiteral("IPAPGothic")}
            + japaneseFallbacks);
    // The hour and day are digits only; any clean sans will do.
    QFont::insertSubstitutions(ClockFamily, {QStringLiteral("DejaVu Sans"), QStringLiteral("IPAPGothic")});
}

}  // namespace

QFont inDesignFamily(QFont font, const QString& family)
{
    static const bool substituted = (installFontSubstitutions(), true);
    Q_UNUSED(substituted);
    font.setFamilies({family});
    return font;
}

QFont designFont(const QString& family, int pointSize, QFont::Weight weight)
{
    QFont font = inDesignFamily(QFont(), family);
    font.setPointSize(pointSize);
    font.setWeight(weight);
    return font;
}

}  // namespace mokopi::ui
