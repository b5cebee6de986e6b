// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/help_text.h"

#include <QStringList>

namespace mokopi::ui {

namespace {

// Half-width "｡" and "､" are part of the text as the game always showed it.
constexpr const char* HelpLines[] = {
    "生き物をもこぴにと育成していきます。",
    "期間は２４日間。",
    "その前に各能力のどれか一つでも一杯になったら",
    "エンディングへと移行します｡",
    "",
    "育成は簡単です｡",
    "コマンドを押しておけば自然に生き物は成長していきます｡",
    "その際に､疲労度がたまるので",
    "（もこぴが喋るところの紫のバーが疲労度です）",
    "適当に休んで疲れを癒してあげましょう｡",
    "",
    "「イベントアリ」をＯＮにすると",
    "時折生き物が声をかけてくることがあります｡",
    "そのときは画面の指示に従って",
    "マウスをクリックして答えてあげましょう｡",
    "",
    "オプションの「超早モード」で、時を早くすることが出来ます。",
    "一度クリアしたエンディングは、「エンディング」の項目で",
    "回想することが出来ます｡",
    "その際に､現在育成している生き物はクリアされてしまうので",
    "気をつけましょう｡",
    "",
    "各アイテムの上でマウスをしばらくおくと､各説明が出ます｡",
    "絵の画面をクリックすると生き物を撫でることが出来ます｡ ",
    "撫でると、日数が少し経過してしまいますが。",
};

}  // namespace

QString applicationTitle() { return QStringLiteral("もこぴ育成"); }

QString versionText() { return QStringLiteral("もこぴ育成\nVER１．０３"); }

QString helpText()
{
    QStringList lines;
    for (const char* line : HelpLines)
        lines << QString::fromUtf8(line);
    return lines.join(QLatin1Char('\n'));
}

}  // namespace mokopi::ui
