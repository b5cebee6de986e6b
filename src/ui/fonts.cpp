// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/fonts.h"

#include <QSet>
#include <QStringList>

#include <fontconfig/fontconfig.h>

#include <algorithm>

namespace mokopi::ui {

namespace {

// Every name of every installed family that covers Japanese. Fontconfig
// answers from its cache; Qt's own font database would have to be filled
// whole first.
QSet<QString> familiesCoveringJapanese()
{
    QSet<QString> families;
    FcPattern* pattern = FcPatternCreate();
    FcLangSet* japanese = FcLangSetCreate();
    FcLangSetAdd(japanese, reinterpret_cast<const FcChar8*>("ja"));
    FcPatternAddLangSet(pattern, FC_LANG, japanese);
    FcObjectSet* objects = FcObjectSetBuild(FC_FAMILY, nullptr);
    if (FcFontSet* fonts = FcFontList(nullptr, pattern, objects)) {
        for (int i = 0; i < fonts->nfont; ++i) {
            FcChar8* name = nullptr;
            for (int n = 0; FcPatternGetString(fonts->fonts[i], FC_FAMILY, n, &name) == FcResultMatch; ++n)
                families.insert(QString::fromUtf8(reinterpret_cast<const char*>(name)));
        }
        FcFontSetDestroy(fonts);
    }
    FcObjectSetDestroy(objects);
    FcLangSetDestroy(japanese);
    FcPatternDestroy(pattern);
    return families;
}

// The family fontconfig itself prefers for a pattern such as "serif:lang=ja".
QString bestMatch(const char* pattern)
{
    QString family;
    FcPattern* wanted = FcNameParse(reinterpret_cast<const FcChar8*>(pattern));
    FcConfigSubstitute(nullptr, wanted, FcMatchPattern);
    FcDefaultSubstitute(wanted);
    FcResult result = FcResultNoMatch;
    if (FcPattern* found = FcFontMatch(nullptr, wanted, &result)) {
        FcChar8* name = nullptr;
        if (FcPatternGetString(found, FC_FAMILY, 0, &name) == FcResultMatch)
            family = QString::fromUtf8(reinterpret_cast<const char*>(name));
        FcPatternDestroy(found);
    }
    FcPatternDestroy(wanted);
    return family;
}

QString firstInstalled(const QSet<QString>& installed, const QStringList& families)
{
    for (const QString& family : families)
        if (installed.contains(family))
            return family;
    return {};
}

JapaneseFonts findJapaneseFonts()
{
    const QSet<QString> installed = familiesCoveringJapanese();
    if (installed.isEmpty())
        return {};
    // The gothic the design would pick, else fontconfig's own Japanese sans,
    // else any at all.
    QString gothic =
        firstInstalled(installed,
                       {QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic"), QStringLiteral("Noto Sans CJK JP"),
                        QStringLiteral("VL PGothic"), QStringLiteral("TakaoPGothic")});
    if (gothic.isEmpty())
        gothic = firstInstalled(installed, {bestMatch("sans-serif:lang=ja")});
    if (gothic.isEmpty())
        gothic = *std::min_element(installed.begin(), installed.end());
    // A mincho shows the status panel; without one, the gothic does.
    const QString mincho = firstInstalled(installed,
                                          {QStringLiteral("IPAPMincho"), QStringLiteral("IPAMincho"),
                                           QStringLiteral("Noto Serif CJK JP"), QStringLiteral("TakaoPMincho")});
    return {gothic, mincho.isEmpty() ? gothic : mincho};
}

}  // namespace

const JapaneseFonts& japaneseFonts()
{
    static const JapaneseFonts fonts = findJapaneseFonts();
    return fonts;
}

QFont inDesignFamily(QFont font, FontRole role)
{
    const JapaneseFonts& japanese = japaneseFonts();
    // Without a Japanese font the game speaks English in the default font.
    QStringList families;
    switch (role) {
    case FontRole::Gothic: families = {japanese.gothic}; break;
    case FontRole::Mincho: families = {japanese.mincho}; break;
    // The hour and the day are digits only; any clean sans will do.
    case FontRole::Clock: families = {QStringLiteral("DejaVu Sans"), japanese.gothic}; break;
    }
    families.removeAll(QString());
    if (!families.isEmpty())
        font.setFamilies(families);
    return font;
}

QFont designFont(FontRole role, int pointSize, QFont::Weight weight)
{
    QFont font = inDesignFamily(QFont(), role);
    font.setPointSize(pointSize);
    font.setWeight(weight);
    return font;
}

}  // namespace mokopi::ui
