#include <QAccessible>
#include <QAccessibleValueInterface>

#include "ui/accessibility.h"
#include "ui/window_fixture.h"

namespace mokopi::testing {

namespace {

bool isJapanese(const QString& text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x3000; });
}

// Every accessible object under `root`, depth first.
void collect(QAccessibleInterface* root, std::vector<QAccessibleInterface*>& all)
{
    for (int i = 0; i < root->childCount(); ++i)
        if (QAccessibleInterface* child = root->child(i)) {
            all.push_back(child);
            collect(child, all);
        }
}

}  // namespace

struct AccessibilityTest : WindowTest {
    void SetUp() override
    {
        WindowTest::SetUp();
        start();
    }
    QAccessibleInterface* accessible(const char* name) { return QAccessible::queryAccessibleInterface(child<QObject>(name)); }
    QString name(const char* control) { return accessible(control)->text(QAccessible::Name); }
};

TEST_F(AccessibilityTest, EveryControlHasAJapaneseNameAndDescriptionAndTheRoleItPlays)
{
    std::vector<QAccessibleInterface*> all;
    collect(QAccessible::queryAccessibleInterface(window.get()), all);
    int controls = 0, items = 0;
    for (QAccessibleInterface* iface : all) {
        const QString objectName = iface->object()->objectName();
        const QString name = iface->text(QAccessible::Name);
        const QAccessible::Role role = iface->role();
        if (role == QAccessible::MenuItem) {  // Qt gives menu items their caption and no description
            EXPECT_TRUE(isJapanese(name)) << objectName.toStdString();
            ++items;
        } else if ((!objectName.isEmpty() && role != QAccessible::Separator) || role == QAccessible::MenuBar) {
            EXPECT_TRUE(isJapanese(name) && isJapanese(iface->text(QAccessible::Description))) << objectName.toStdString();
            ++controls;
        }
    }
    EXPECT_EQ(controls, 17);  // thirteen controls, the menu bar and its three menus
    EXPECT_EQ(items, 18);     // three titles and fifteen items

    for (const auto& [control, role] : {std::pair{"Opt0", QAccessible::RadioButton}, {"Com", QAccessible::Button},
                                        {"Lbl", QAccessible::StaticText}, {"IMG", QAccessible::Graphic},
                                        {"ShpHir", QAccessible::ProgressBar}, {"LblDay", QAccessible::StaticText}})
        EXPECT_EQ(accessible(control)->role(), role) << control;
    for (const char* focusable : {"Opt0", "Opt1", "Opt2", "Com", "LblTimDay", "LblDay", "LblStr", "Lbl", "IMG"})
        EXPECT_TRUE(accessible(focusable)->state().focusable) << focusable;
}

TEST_F(AccessibilityTest, ThePictureIsNamedByWhatItShowsOneNameAPairAndEachEndingByItsOwn)
{
    EXPECT_TRUE(name("IMG").contains("もこぴ育成"));  // the title
    QSet<QString> names;
    for (int i = 0; i < PictureCount; ++i) {
        window->showPicture(pictureAt(i));
        EXPECT_TRUE(isJapanese(name("IMG"))) << i;
        names.insert(name("IMG"));
    }
    EXPECT_EQ(names.size(), 20);  // fourteen pairs and six single pictures
    for (int n = 0; n < 9; ++n) {
        const QString ending = action(QStringLiteral("mnuEnding%1").arg(n))->text();
        EXPECT_EQ(ui::pictureName(endingPicture(n, 0)), ui::pictureName(endingPicture(n, 1)));
        EXPECT_TRUE(ui::pictureName(endingPicture(n, 0)).startsWith(ending)) << n;
    }
}

// The events that announce these changes are seen over AT-SPI, by the screen reader test.
TEST_F(AccessibilityTest, TheSpeechLineTheClockTheStatusAndTheFatigueReadAsTheyShow)
{
    window->setSpeech("こんにちは\r\nげんきです");
    window->showStatus(StatusView{23, 9, {12, 34, 56, 78}, Rgb{}, Rgb{255, 255, 255}, 56});
    EXPECT_EQ(QStringList({name("Lbl"), name("LblTimDay"), name("LblDay"), name("LblStr"), name("ShpHir")}).join(" | "),
              "こんにちは\nげんきです | 23時 | 9日 | 歌詩　　12\n舞踊　　34\n疲労　　56 | 疲労度");
    QAccessibleValueInterface* bar = accessible("ShpHir")->valueInterface();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(QStringLiteral("%1 of %2..%3").arg(bar->currentValue().toInt()).arg(bar->minimumValue().toInt())
                  .arg(bar->maximumValue().toInt()), "56 of 0..255");
    EXPECT_EQ(accessible("ShpHir")->text(QAccessible::Value), "56");

    window->setSpeech("");  // between lines the speech line still says what it is
    window->setSpeechMarks(Rgb{}, "");
    EXPECT_TRUE(isJapanese(name("Lbl")) && isJapanese(name("LblKazari")));
}

}  // namespace mokopi::testing
