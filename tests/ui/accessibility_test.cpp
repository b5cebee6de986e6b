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

// Every control's name, description and role, as a screen reader reads them over AT-SPI, are checked by
// the screen reader test.
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
        EXPECT_EQ(ui::pictureName(endingPicture(n, 0)), ui::pictureName(endingPicture(n, 1)));
        EXPECT_TRUE(ui::pictureName(endingPicture(n, 0)).startsWith(action(QStringLiteral("mnuEnding%1").arg(n))->text())) << n;
    }
}

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

    window->setSpeech("");  // between lines the speech line still says what it is
    window->setSpeechMarks(Rgb{}, "");
    EXPECT_TRUE(isJapanese(name("Lbl")) && isJapanese(name("LblKazari")));
}

}  // namespace mokopi::testing
