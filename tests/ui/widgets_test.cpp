#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
#include <QTemporaryDir>
#include <QTest>

#include "ui/app_icon.h"
#include "ui/fonts.h"
#include "ui/help_text.h"
#include "ui/run_game.h"
#include "ui/speech_panel.h"

using namespace mokopi::ui;

TEST(HelpText, TwentyFiveLinesExactly)
{
    const QStringList expected = {
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
    const QStringList lines = helpText().split('\n');
    ASSERT_EQ(lines.size(), expected.size());
    for (qsizetype i = 0; i < lines.size(); ++i)
        EXPECT_EQ(lines[i], expected[i]) << "line " << i + 1;
    EXPECT_FALSE(helpText().contains('\r'));
    EXPECT_FALSE(helpText().endsWith('\n'));
    EXPECT_EQ(versionText(), QStringLiteral("もこぴ育成\nVER１．０３"));
}

TEST(ClickLabel, PressOfAnyButtonComesBeforeItsClick)
{
    ClickLabel label;
    label.resize(100, 20);
    QStringList log;
    QObject::connect(&label, &ClickLabel::pressed, [&](int code) { log << QString("press %1").arg(code); });
    QObject::connect(&label, &ClickLabel::clicked, [&] { log << "click"; });

    QTest::mouseClick(&label, Qt::LeftButton);
    QTest::mouseClick(&label, Qt::RightButton);
    QTest::mouseClick(&label, Qt::MiddleButton);
    EXPECT_EQ(log, (QStringList{"press 1", "click", "press 2", "click", "press 4", "click"}));

    // Released outside the label: pressed, but no click.
    log.clear();
    QTest::mousePress(&label, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(&label, Qt::LeftButton, {}, QPoint(300, 5));
    EXPECT_EQ(log, QStringList{"press 1"});
}

TEST(Application, JapaneseBoxButtonsAndFonts)
{
    prepareApplication(*qobject_cast<QApplication*>(QCoreApplication::instance()));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("キャンセル"));
    EXPECT_TRUE(QCoreApplication::translate("QPlatformTheme", "&Yes").startsWith(QStringLiteral("はい")));
    EXPECT_TRUE(QCoreApplication::translate("QPlatformTheme", "&No").startsWith(QStringLiteral("いいえ")));
    EXPECT_EQ(QFontInfo(designFont(GothicFamily, 12)).family(), QStringLiteral("IPAPGothic"));
    EXPECT_EQ(QFontInfo(QApplication::font()).family(), QStringLiteral("IPAPGothic"));
}

TEST(Application, IconFromTheAppFolderOrDrawn)
{
    QTemporaryDir dir;
    const QString appPath = dir.path() + "/";
    EXPECT_EQ(applicationIcon(appPath).pixmap(32).toImage().pixel(16, 16), drawnIcon().toImage().pixel(16, 16));

    QImage red(32, 32, QImage::Format_ARGB32);
    red.fill(Qt::red);
    ASSERT_TRUE(red.save(appPath + "icon.png"));
    EXPECT_EQ(applicationIcon(appPath).pixmap(32).toImage().pixel(16, 16), qRgb(255, 0, 0));
}
