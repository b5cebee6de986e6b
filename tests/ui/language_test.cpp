// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QAbstractButton>
#include <QAccessible>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSettings>

#include "game/scene_names.h"
#include "ui/menus.h"
#include "ui/run_game.h"
#include "ui/window_fixture.h"

namespace mokopi::testing {

using namespace game;
using ui::Language;
namespace {

bool holdsJapanese(const QString& text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) {
        const char16_t u = c.unicode();
        return (u >= 0x3000 && u <= 0x30FF) || (u >= 0x3400 && u <= 0x9FFF) || (u >= 0xFF00 && u <= 0xFFEF);
    });
}

// The road of a player, and every text the window showed on it.
struct LanguageTest : WindowTest {
    void SetUp() override
    {
        WindowTest::SetUp();
        // The choice of the language menu is kept in settings of this test's own.
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.filePath("config"));
    }

    // Every text of the window, to the eye and to a screen reader; the
    // language menu names each language in itself.
    QStringList windowTexts()
    {
        QStringList texts = {window->windowTitle()};
        for (QWidget* control : window->findChildren<QWidget*>()) {
            texts << control->toolTip();
            if (QAccessibleInterface* read = QAccessible::queryAccessibleInterface(control))
                texts << read->text(QAccessible::Name) << read->text(QAccessible::Description);
            if (auto* label = qobject_cast<QLabel*>(control))
                texts << label->text();
            if (auto* button = qobject_cast<QAbstractButton*>(control))
                texts << button->text();
            if (auto* menu = qobject_cast<QMenu*>(control))
                texts << menu->title();
        }
        for (const QAction* item : window->findChildren<QAction*>())
            if (item->objectName() != "mnuLanguage_ja")
                texts << item->text();
        return texts;
    }
    // What shows now, the picture the animation picks included.
    void look()
    {
        fire("TimAnm");
        seen += windowTexts() + dialogs.boxes + dialogs.titles;
        if (said.isEmpty() || said.last() != text("Lbl"))
            said << text("Lbl");
    }
    void clickUntilTheSceneEnds(Qt::MouseButton button = Qt::LeftButton)
    {
        for (int click = 0; click < 20 && !state().Scene.isNone() && state().Scene != SceneValue(scene::Title); ++click)
            clickSpeech(button), look();
    }

    // From the title through the naming (the names left to their defaults),
    // an event answered both ways, some chatter, the singer's ending and its
    // replay, to the help, a save and a load.
    void playTheRoad()
    {
        start();
        action("mnuIVENT")->trigger();  // no event of the hour's own on the way
        look();
        clickSpeech();
        look();
        clickUntilTheSceneEnds();
        for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
            session->game().IventStt(scene::Equal);
            look();
            clickUntilTheSceneEnds(button);
        }
        for (int second = 0; second < 5; ++second)
            fire("TimSya"), look();

        state().Status = {254, 0, 0, 0};  // one note from full: singing ends the period
        QTest::mouseClick(child("Opt0"), Qt::LeftButton);
        fire("Tim");
        look();
        clickUntilTheSceneEnds();
        dialogs.yes = true;
        action("mnuEnding3")->trigger();
        look();
        clickUntilTheSceneEnds();

        QTest::mouseClick(child("Com"), Qt::LeftButton);
        action("mnuSAVE0")->trigger();
        action("mnuSAVE1")->trigger();
        look();
    }

    QStringList seen;
    QStringList said;  // the speech line, each new text once
};

TEST_F(LanguageTest, TheEnglishEditionShowsNoJapaneseFromTheTitleToAnEndingItsReplayAndTheHelp)
{
    const InLanguage english(Language::English);
    playTheRoad();
    EXPECT_EQ(state().OwnerName + " " + state().PetName, "Robin Fluff");  // the defaults keep to five letters
    EXPECT_GT(said.size(), 25);
    seen.removeDuplicates();
    for (const QString& text : seen)
        EXPECT_FALSE(holdsJapanese(text)) << text.toStdString();
    EXPECT_TRUE(said.contains("Fluff will try really hard!"));  // the name went into the English page
}

TEST_F(LanguageTest, TheJapaneseGameStillShowsItsOwnTextsOnTheSameRoad)
{
    playTheRoad();
    const QStringList naming = {
        "",
        "もこ、もこ、",
        "今日からよろしくね・・・えっと、\nなんて呼べばいいの？",
        "うんと、\nゆひこご主人様、よろしくね\nえと、ぼくは・・・・なんだっけ？？",
        "もこもこ",
        "素敵な名前をありがとう\nゆひこご主人様・・・\nやちうみ嬉しい",
        "今日からやちうみを\n育てるのですね。",
        "やちうみはがんばるのです。",
    };
    const QStringList equal = {
        "ゆひこご主人様～＊",
        "ゆひこご主人様は、\n活発な生き物とおとなしい生き物、\nどちらが好きですか～？",
        "左クリック＞おとなしい生き物\n右クリック＞活発な生き物",
        "うにゅー\nやちうみも、そうなりたい～",
    };
    EXPECT_EQ(said.mid(0, 8), naming);
    EXPECT_EQ(said.mid(8, 4), equal);
    EXPECT_EQ(said.mid(12, 4), equal);
    EXPECT_TRUE(said.contains("やちうみは\nもこぴ詩人に華麗に成長を遂げた"));
    EXPECT_EQ(dialogs.boxes.filter("input: "),
              QStringList({"input: 貴方の呼び名：５文字\nななしは「ゆひこ」になります",
                           "input: もこぴの呼び名：５文字\nななしは「やちうみ」になります"}));
    EXPECT_EQ(dialogs.boxes.filter("question: "), QStringList{"question: エンディングを回想して終了します"});
    EXPECT_TRUE(dialogs.boxes.contains("message: セーブしました") && dialogs.boxes.contains("message: ロードしました"));
    EXPECT_EQ(dialogs.titles.filter("呼び名を決めてね").size(), 2);
    QStringList captions;
    for (const char* name : {"mnu1", "mnuSAVE0", "mnuSAVE1", "mnuEnd", "mnu2", "mnuBGM", "mnuMODE", "mnuIVENT", "mnu3",
                             "mnuEnding0", "mnuEnding8"})
        captions << (window->findChild<QMenu*>(name) ? window->findChild<QMenu*>(name)->title() : action(name)->text());
    EXPECT_EQ(
        captions.join(" "),
        "メニュウ セーブ ロード 終了 オプション ＳＥ 超早モード イベントアリ エンディング 王宮の恋人 やつれた踊り子");
}

TEST_F(LanguageTest, TheLanguageMenuSwitchesTheRunningWindowAtOnceKeepsTheChoiceAndGoesBackByteForByte)
{
    ui::Translations translations(QStringLiteral(MOKOPI_BUILT_DATA_FOLDER));
    translations.use(Language::Japanese);
    start();
    ui::connectLanguageMenu(window->menus(), translations);
    EXPECT_TRUE(action("mnuLanguage_ja")->isChecked());
    clickSpeech();
    clickSpeech();  // the pet asks what to call the player
    fire("TimAnm");
    const QStringList japanese = windowTexts();
    action("mnuSAVE0")->trigger();
    const SaveRecord saved = session->game().saveRecord();
    const auto choose = [this](const char* item) {
        action(item)->trigger();
        QCoreApplication::processEvents();  // the change of language reaches the window
    };

    choose("mnuLanguage_en");
    EXPECT_EQ(text("Lbl"), "Let's be friends from today on... Um,\nwhat should I call you?");
    EXPECT_EQ(text("LblKazari"), "click!!  ");
    EXPECT_TRUE(text("LblStr").startsWith("Song  0\n"));
    EXPECT_EQ(QStringList({window->windowTitle(), child<QPushButton>("Opt0")->text(), child<QWidget>("IMG")->toolTip(),
                           action("mnuEnding0")->text(), child<QWidget>("LblDay")->accessibleName()}),
              QStringList({"Mokopi", "Sing", "Give it a pat", "Royal Sweetheart", "day 0"}));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(child("IMG"))->text(QAccessible::Name).left(12), "Your Mokopi,");
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), "&Yes");  // Qt's boxes speak English too
    EXPECT_TRUE(action("mnuLanguage_en")->isChecked() && !action("mnuLanguage_ja")->isChecked());
    EXPECT_EQ(ui::keptLanguage(), Language::English);
    clickSpeech();  // the game's next text comes in English
    EXPECT_EQ(dialogs.titles.last(), "Choose a name");

    choose("mnuLanguage_ja");
    EXPECT_EQ(windowTexts(), japanese);
    EXPECT_TRUE(QCoreApplication::translate("QPlatformTheme", "&Yes").startsWith("はい"));
    EXPECT_EQ(ui::keptLanguage(), Language::Japanese);

    // What was saved in one language loads in the other.
    choose("mnuLanguage_en");
    action("mnuSAVE1")->trigger();
    EXPECT_EQ(dialogs.boxes.last(), "message: Game loaded.");
    EXPECT_EQ(session->game().saveRecord(), saved);
}

TEST_F(LanguageTest, TheLanguageIsTheOneAskedForElseTheOneKeptElseTheSystemsFirstTheGameSpeaks)
{
    EXPECT_EQ(ui::systemLanguage({"fr-FR", "en-GB", "ja-JP"}), Language::English);
    EXPECT_EQ(ui::systemLanguage({"ja-JP", "en-US"}), Language::Japanese);
    for (const QStringList& unspoken : {QStringList{"de-DE", "fr"}, QStringList{"C"}, QStringList{}})
        EXPECT_EQ(ui::systemLanguage(unspoken), Language::Japanese) << unspoken.join(',').toStdString();

    EXPECT_EQ(ui::keptLanguage(), std::nullopt);
    ui::keepLanguage(Language::English);
    EXPECT_EQ(ui::startingLanguage(std::nullopt), Language::English);
    EXPECT_EQ(ui::startingLanguage(Language::Japanese), Language::Japanese);

    // A catalogue that cannot be read leaves the language as it was.
    ui::Translations nowhere(dir.filePath("none"));
    EXPECT_FALSE(nowhere.use(Language::English));
    EXPECT_EQ(nowhere.language(), Language::Japanese);
}

}  // namespace
}  // namespace mokopi::testing
